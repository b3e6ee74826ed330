// Convertor of text objects into upper-case copies.
#ifndef TOVSTRINGEXTCHARSCONVTOUPPEREXTCHARS_H
#define TOVSTRINGEXTCHARSCONVTOUPPEREXTCHARS_H

#include "TOVConvertor.h"
#include "TOVExtAnyString.h"

/// Turns a TOVString or a TOVExtChars into a TOVExtAnyString holding a copy of its text
/// in upper case (as toupper converts each byte).
class TOVBASIC_API TOVStringExtCharsConvToUpperExtChars : public TOVConvertor {
  TOV_DECLARE_CLASS(TOVStringExtCharsConvToUpperExtChars)
public:
  TOVStringExtCharsConvToUpperExtChars();
  ~TOVStringExtCharsConvToUpperExtChars() override;

  /// obj must be a TOVString, a TOVExtChars or null.
  void Set(const MORBaseUnknown* obj) override;
  /// The held external value, or null before any Set and after Set(nullptr).
  const MORBaseUnknown* GetConverted() const override;

private:
  unsigned int _IsNull;
  TOVExtAnyString _Converted;
};

#endif
