// Read-only text value that may be null.
#ifndef TOVEXTCHARS_H
#define TOVEXTCHARS_H

#include "TOVExtDataType.h"

/// A zero-terminated text or null; the empty text counts as null.
class TOVBASIC_API TOVExtChars : public TOVExtDataType {
  TOV_DECLARE_CLASS(TOVExtChars)
public:
  TOVExtChars() = default;
  TOVExtChars(const TOVExtChars&) = default;
  TOVExtChars& operator=(const TOVExtChars&) = default;
  ~TOVExtChars() override;

  unsigned int IsDbNull() const override = 0;
  /// The text of a value that is not null.
  virtual const char* GetChars() const = 0;
};

#endif
