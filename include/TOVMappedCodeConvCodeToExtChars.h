// Convertor of mapped codes into external character values.
#ifndef TOVMAPPEDCODECONVCODETOEXTCHARS_H
#define TOVMAPPEDCODECONVCODETOEXTCHARS_H

#include "TOVConvertor.h"
#include "TOVExtAnyChars.h"

/// Turns a mapped code into a TOVExtAnyChars that refers to its code text (valid while
/// the code is unchanged and until the next Set).
class TOVBASIC_API TOVMappedCodeConvCodeToExtChars : public TOVConvertor {
  TOV_DECLARE_CLASS(TOVMappedCodeConvCodeToExtChars)

public:
  TOVMappedCodeConvCodeToExtChars() = default;
  ~TOVMappedCodeConvCodeToExtChars() override;

  /// obj must be a mapped code or null.
  void Set(const MORBaseUnknown* obj) override;
  /// The external value, or null when it is null (no object, or an empty code).
  const MORBaseUnknown* GetConverted() const override;

private:
  TOVExtAnyChars _Converted;
};

#endif
