// Convertor of text objects into lower-case copies.
#ifndef TOVSTRINGEXTCHARSCONVTOLOWEREXTCHARS_H
#define TOVSTRINGEXTCHARSCONVTOLOWEREXTCHARS_H

#include "TOVConvertor.h"
#include "TOVExtAnyString.h"

/// Turns a TOVString or a TOVExtChars into a TOVExtAnyString holding a copy of its text
/// in lower case (as tolower converts each byte).
class TOVBASIC_API TOVStringExtCharsConvToLowerExtChars : public TOVConvertor {
  TOV_DECLARE_CLASS(TOVStringExtCharsConvToLowerExtChars)
public:
  TOVStringExtCharsConvToLowerExtChars();
  ~TOVStringExtCharsConvToLowerExtChars() override;

  /// obj must be a TOVString, a TOVExtChars or null.
  void Set(const MORBaseUnknown* obj) override;
  /// The held external value, or null before any Set and after Set(nullptr).
  const MORBaseUnknown* GetConverted() const override;

private:
  unsigned int _IsNull;
  TOVExtAnyString _Converted;
};

#endif
