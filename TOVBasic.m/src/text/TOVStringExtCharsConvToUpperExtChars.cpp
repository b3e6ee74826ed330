#include "TOVStringExtCharsConvToUpperExtChars.h"
#include "TOVCopyText.h"

TOV_IMPLEMENT_CLASS(TOVStringExtCharsConvToUpperExtChars, TOVConvertor)

TOVStringExtCharsConvToUpperExtChars::TOVStringExtCharsConvToUpperExtChars() : _IsNull(1) {}

TOVStringExtCharsConvToUpperExtChars::~TOVStringExtCharsConvToUpperExtChars() = default;

void TOVStringExtCharsConvToUpperExtChars::Set(const MORBaseUnknown* obj) {
  _IsNull = TOVCopyTextInto(_Converted, obj) ? 0 : 1;
  if (!_IsNull)
    _Converted.String().ToUpper();
}

const MORBaseUnknown* TOVStringExtCharsConvToUpperExtChars::GetConverted() const {
  return _IsNull ? nullptr : &_Converted;
}
