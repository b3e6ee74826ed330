// Date value that is always null.
#ifndef TOVEXTDBNULLDATE_H
#define TOVEXTDBNULLDATE_H

#include "TOVExtDate.h"

class TOVBASIC_API TOVExtDbNullDate : public TOVExtDate {
  TOV_DECLARE_CLASS(TOVExtDbNullDate)
public:
  TOVExtDbNullDate() = default;
  ~TOVExtDbNullDate() override;

  /// Always 1.
  unsigned int IsDbNull() const override;
  /// Stops the process: there is no date.
  const TOVDate& GetDate() const override;
};

#endif
