#include "TOVMappedCodeConvCodeToExtChars.h"
#include "TOVMappedCode.h"

TOV_IMPLEMENT_CLASS(TOVMappedCodeConvCodeToExtChars, TOVConvertor)

TOVMappedCodeConvCodeToExtChars::~TOVMappedCodeConvCodeToExtChars() = default;

void TOVMappedCodeConvCodeToExtChars::Set(const MORBaseUnknown* obj) {
  if (obj == nullptr) {
    _Converted.SetToDbNull();
    return;
  }
  _Converted.SetChars(TOVCheckedCast<TOVMappedCode>(obj)->GetCode());
}

const MORBaseUnknown* TOVMappedCodeConvCodeToExtChars::GetConverted() const {
  return _Converted.IsDbNull() ? nullptr : &_Converted;
}
