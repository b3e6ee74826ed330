// Read-only integer value that may be null.
#ifndef TOVEXTINTEGER_H
#define TOVEXTINTEGER_H

#include "TOVExtDataType.h"

/// An int or null.
class TOVBASIC_API TOVExtInteger : public TOVExtDataType {
  TOV_DECLARE_CLASS(TOVExtInteger)
public:
  TOVExtInteger() = default;
  TOVExtInteger(const TOVExtInteger&) = default;
  TOVExtInteger& operator=(const TOVExtInteger&) = default;
  ~TOVExtInteger() override;

  unsigned int IsDbNull() const override = 0;
  /// The integer of a value that is not null.
  virtual int GetInteger() const = 0;
};

#endif
