#include "TOVStringConvToExtChars.h"
#include "TOVString.h"

TOV_IMPLEMENT_CLASS(TOVStringConvToExtChars, TOVConvertor)

TOVStringConvToExtChars::TOVStringConvToExtChars() : _IsNull(1) {}

TOVStringConvToExtChars::~TOVStringConvToExtChars() = default;

void TOVStringConvToExtChars::Set(const MORBaseUnknown* obj) {
  if (obj == nullptr) {
    _IsNull = 1;
    return;
  }
  const TOVString* string = TOVCheckedCast<TOVString>(obj);
  _IsNull = 0;
  _Converted.SetChars(*string);
}

const MORBaseUnknown* TOVStringConvToExtChars::GetConverted() const {
  return _IsNull ? nullptr : &_Converted;
}
