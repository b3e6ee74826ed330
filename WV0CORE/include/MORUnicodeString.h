// Unicode text of the runtime: UTF-16 inside, UTF-8 as narrow text.
#ifndef MORUNICODESTRING_H
#define MORUNICODESTRING_H

#include "MORTypes.h"
#include "MORUnicodeChar.h"

#include <string>

/// A UTF-16 string. Narrow text is UTF-8: decoding keeps every byte that is not part of
/// valid UTF-8 as the code point of the same value (U+0080..U+00FF); encoding writes UTF-8
/// and puts U+FFFD in place of a lone surrogate.
class WV0CORE_API MORUnicodeString {
public:
  MORUnicodeString();
  /// Decodes narrow text; null counts as empty.
  MORUnicodeString(const char* text);
  /// Takes 16-bit text up to its NUL; null counts as empty.
  MORUnicodeString(const char16_t* text);
  MORUnicodeString(const MORUnicodeString& other);
  MORUnicodeString(MORUnicodeString&& other) noexcept;
  ~MORUnicodeString();

  MORUnicodeString& operator=(const MORUnicodeString& other);
  MORUnicodeString& operator=(MORUnicodeString&& other) noexcept;
  MORUnicodeString& operator=(const char* text);

  MORUnicodeString& operator+=(const MORUnicodeString& other);
  MORUnicodeString& operator+=(const char* text);
  MORUnicodeString& operator+=(MORUnicodeChar c);

  /// Order of the 16-bit code units, shorter first when one is a prefix of the other.
  bool operator<(const MORUnicodeString& other) const;
  bool operator>(const MORUnicodeString& other) const;
  bool operator==(const MORUnicodeString& other) const;
  bool operator!=(const MORUnicodeString& other) const { return !(*this == other); }
  /// Compares with narrow text (decoded first); null counts as empty.
  bool operator==(const char* text) const { return *this == MORUnicodeString(text); }
  bool operator!=(const char* text) const { return !(*this == MORUnicodeString(text)); }

  /// 1 when both texts are identical, 2 when they differ only by case, else 0.
  int Compare(const MORUnicodeString& other) const;

  /// Changes every letter to upper case (Latin, Greek and Cyrillic simple case mapping).
  MORUnicodeString& ToUpper();

  /// The number of 16-bit characters.
  int GetLengthInChar() const;
  /// The size of the 16-bit text in bytes, without the terminating NUL.
  int GetLengthInByte() const;
  int IsEmpty() const { return _Text.empty(); }

  /// Replaces the text by the decimal text of value.
  MORUnicodeString& BuildFromNum(int value);
  MORUnicodeString& BuildFromNum(unsigned int value);
  MORUnicodeString& BuildFromNum(long value);
  MORUnicodeString& BuildFromNum(unsigned long value);

  /// Replaces the text by length 16-bit characters of text (up to its NUL when length is
  /// negative). Null counts as empty.
  MORUnicodeString& BuildFromWChar(const char16_t* text, int length = -1);
  /// Replaces the text by wide text (UTF-32 on this platform), encoded as UTF-16; a value
  /// that is not a Unicode scalar value becomes U+FFFD.
  MORUnicodeString& BuildFromWChar(const wchar_t* text, int length = -1);

  /// Makes the text length characters long: cut, or padded with fill. A negative length
  /// counts as 0.
  MORUnicodeString& Resize(int length, MORUnicodeChar fill = MORUnicodeChar(u' '));

  /// The character at index, or U+0000 outside the text.
  char16_t operator[](int index) const;

  /// The UTF-8 text, valid while this string lives and is not changed.
  operator const char*() const;
  /// The 16-bit text, NUL-terminated, valid while this string lives and is not changed.
  operator const char16_t*() const { return _Text.c_str(); }

  /// Decodes UTF-8 (every invalid byte kept as U+0080..U+00FF).
  static std::u16string DecodeUtf8(const char* text, size_t size);
  /// Encodes UTF-16 as UTF-8 (a lone surrogate becomes U+FFFD).
  static std::string EncodeUtf8(const char16_t* text, size_t length);

private:
  void Changed() { _NarrowValid = false; }

  std::u16string _Text;
  mutable std::string _Narrow;
  mutable bool _NarrowValid;
};

#endif
