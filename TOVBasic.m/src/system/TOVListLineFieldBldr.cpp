#include "TOVListLineFieldBldr.h"

#include <cstdint>

TOV_IMPLEMENT_CLASS(TOVListLineFieldBldr, MORBaseUnknown)

TOVListLineFieldBldr::TOVListLineFieldBldr(TOVAlignmentEnum mode, int length)
    : _AlignmentMode(mode), _Length(length) {}

TOVListLineFieldBldr::~TOVListLineFieldBldr() = default;

void TOVListLineFieldBldr::SetValue(const MORUnicodeString& value) {
  _Value = value;
}

TOVListLineFieldBldr::TOVAlignmentEnum TOVListLineFieldBldr::GetAlignmentMode() const {
  return _AlignmentMode;
}

int TOVListLineFieldBldr::GetLength() const {
  return _Length;
}

void TOVListLineFieldBldr::Concat(MORUnicodeString& line, int column) const {
  // Computed wide: a width and a column near the int limits must not wrap around.
  long long value = _Value.GetLengthInChar();
  long long target;
  long long lowest;
  switch (_AlignmentMode) {
  case TOVAlignLeft:
    target = column;
    lowest = 0;
    break;
  case TOVAlignRight:
    target = _Length - value + column;
    lowest = 1;
    break;
  default:
    target = (_Length - value) / 2 + column;
    lowest = 1;
    break;
  }
  if (target >= lowest && line.GetLengthInChar() < target && target <= INT32_MAX)
    line.Resize(static_cast<int>(target));
  line += _Value;
}
