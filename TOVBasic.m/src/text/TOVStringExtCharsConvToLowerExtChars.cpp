#include "TOVStringExtCharsConvToLowerExtChars.h"
#include "TOVCopyText.h"

TOV_IMPLEMENT_CLASS(TOVStringExtCharsConvToLowerExtChars, TOVConvertor)

TOVStringExtCharsConvToLowerExtChars::TOVStringExtCharsConvToLowerExtChars() : _IsNull(1) {}

TOVStringExtCharsConvToLowerExtChars::~TOVStringExtCharsConvToLowerExtChars() = default;

void TOVStringExtCharsConvToLowerExtChars::Set(const MORBaseUnknown* obj) {
  _IsNull = TOVCopyTextInto(_Converted, obj) ? 0 : 1;
  if (!_IsNull)
    _Converted.String().ToLower();
}

const MORBaseUnknown* TOVStringExtCharsConvToLowerExtChars::GetConverted() const {
  return _IsNull ? nullptr : &_Converted;
}
