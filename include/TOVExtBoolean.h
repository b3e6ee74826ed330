// Read-only boolean value that may be null.
#ifndef TOVEXTBOOLEAN_H
#define TOVEXTBOOLEAN_H

#include "TOVExtDataType.h"

/// A boolean (an unsigned int, non-zero meaning true) or null.
class TOVBASIC_API TOVExtBoolean : public TOVExtDataType {
  TOV_DECLARE_CLASS(TOVExtBoolean)
public:
  TOVExtBoolean() = default;
  TOVExtBoolean(const TOVExtBoolean&) = default;
  TOVExtBoolean& operator=(const TOVExtBoolean&) = default;
  ~TOVExtBoolean() override;

  unsigned int IsDbNull() const override = 0;
  /// The boolean of a value that is not null.
  virtual unsigned int GetBoolean() const = 0;
};

#endif
