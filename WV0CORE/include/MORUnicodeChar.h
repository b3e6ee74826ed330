// One UTF-16 code unit built from a narrow character.
#ifndef MORUNICODECHAR_H
#define MORUNICODECHAR_H

#include "MORTypes.h"

/// A single 16-bit character. Built from one narrow character, it takes the code point of
/// the same value (U+0000..U+00FF), the same rule that the narrow-text conversion of
/// MORUnicodeString applies to a byte that is not part of valid UTF-8.
class WV0CORE_API MORUnicodeChar {
public:
  MORUnicodeChar() : _Value(0) {}
  MORUnicodeChar(char c) : _Value(static_cast<unsigned char>(c)) {}
  MORUnicodeChar(char16_t c) : _Value(c) {}

  char16_t GetValue() const { return _Value; }
  operator char16_t() const { return _Value; }

private:
  char16_t _Value;
};

#endif
