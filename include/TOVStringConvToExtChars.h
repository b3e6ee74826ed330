// Convertor of strings into external character values.
#ifndef TOVSTRINGCONVTOEXTCHARS_H
#define TOVSTRINGCONVTOEXTCHARS_H

#include "TOVConvertor.h"
#include "TOVExtAnyChars.h"

/// Turns a TOVString into a TOVExtAnyChars that refers to the string's characters (valid
/// while the string is unchanged and until the next Set).
class TOVBASIC_API TOVStringConvToExtChars : public TOVConvertor {
  TOV_DECLARE_CLASS(TOVStringConvToExtChars)
public:
  TOVStringConvToExtChars();
  ~TOVStringConvToExtChars() override;

  /// obj must be a TOVString or null.
  void Set(const MORBaseUnknown* obj) override;
  /// The held external value, or null before any Set and after Set(nullptr).
  const MORBaseUnknown* GetConverted() const override;

private:
  unsigned int _IsNull;
  TOVExtAnyChars _Converted;
};

#endif
