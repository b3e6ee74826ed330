// Integer value that is always null.
#ifndef TOVEXTDBNULLINTEGER_H
#define TOVEXTDBNULLINTEGER_H

#include "TOVExtInteger.h"

class TOVBASIC_API TOVExtDbNullInteger : public TOVExtInteger {
  TOV_DECLARE_CLASS(TOVExtDbNullInteger)
public:
  TOVExtDbNullInteger() = default;
  ~TOVExtDbNullInteger() override;

  /// Always 1.
  unsigned int IsDbNull() const override;
  /// Stops the process: there is no integer.
  int GetInteger() const override;
};

#endif
