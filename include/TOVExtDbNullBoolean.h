// Boolean value that is always null.
#ifndef TOVEXTDBNULLBOOLEAN_H
#define TOVEXTDBNULLBOOLEAN_H

#include "TOVExtBoolean.h"

class TOVBASIC_API TOVExtDbNullBoolean : public TOVExtBoolean {
  TOV_DECLARE_CLASS(TOVExtDbNullBoolean)
public:
  TOVExtDbNullBoolean() = default;
  ~TOVExtDbNullBoolean() override;

  /// Always 1.
  unsigned int IsDbNull() const override;
  /// Stops the process: there is no boolean.
  unsigned int GetBoolean() const override;
};

#endif
