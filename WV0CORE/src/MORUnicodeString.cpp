#include "MORUnicodeString.h"

#include <climits>
#include <cstring>
#include <string>

namespace {

// Upper case of one UTF-16 character: the simple mappings of Latin-1, Latin Extended-A,
// Greek and Cyrillic, which cover the texts that the library's users type.
char16_t UpperOf(char16_t c) {
  if (c < 0x80)
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
    return static_cast<char16_t>(c - 0x20);
  if (c == 0xFF)
    return 0x178;
  if (c == 0xB5)
    return 0x39C;
  if (c >= 0x100 && c <= 0x17F) {
    // Pairs upper/lower alternate; the odd ones out are the dotless i and the long s, and
    // the stretch 0x139..0x148 and 0x179..0x17E where the pairs start on odd values.
    if (c == 0x131)
      return u'I';
    if (c == 0x17F)
      return u'S';
    bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (oddPairs)
      return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
    if (c == 0x138 || c == 0x149)
      return c;
    return (c % 2 == 1) ? static_cast<char16_t>(c - 1) : c;
  }
  if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2)
    return static_cast<char16_t>(c - 0x20);
  if (c == 0x3C2)
    return 0x3A3;
  if (c == 0x3AC)
    return 0x386;
  if (c >= 0x3AD && c <= 0x3AF)
    return static_cast<char16_t>(c - 0x25);
  if (c == 0x3CC)
    return 0x38C;
  if (c == 0x3CD || c == 0x3CE)
    return static_cast<char16_t>(c - 0x3F);
  if (c >= 0x430 && c <= 0x44F)
    return static_cast<char16_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F)
    return static_cast<char16_t>(c - 0x50);
  return c;
}

bool IsContinuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

template <class T> std::u16string DecimalText(T value) {
  std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

} // namespace

std::u16string MORUnicodeString::DecodeUtf8(const char* text, size_t size) {
  std::u16string out;
  if (text == nullptr)
    return out;
  out.reserve(size);
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  size_t i = 0;
  while (i < size) {
    unsigned char b = p[i];
    if (b < 0x80) {
      out += static_cast<char16_t>(b);
      ++i;
      continue;
    }
    // Work out the length, the bits of the lead byte and the lowest value a sequence of
    // that length may carry (shorter forms are overlong and so invalid).
    size_t need = 0;
    char32_t cp = 0, minimum = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      need = 1;
      cp = b & 0x1F;
      minimum = 0x80;
    } else if (b >= 0xE0 && b <= 0xEF) {
      need = 2;
      cp = b & 0x0F;
      minimum = 0x800;
    } else if (b >= 0xF0 && b <= 0xF4) {
      need = 3;
      cp = b & 0x07;
      minimum = 0x10000;
    }
    bool valid = need != 0 && size - i > need;
    for (size_t k = 1; valid && k <= need; ++k) {
      if (!IsContinuation(p[i + k]))
        valid = false;
      else
        cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    if (valid && (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
      valid = false;
    if (!valid) {
      // A byte outside valid UTF-8 keeps its value as a code point.
      out += static_cast<char16_t>(b);
      ++i;
      continue;
    }
    AppendCodePoint(out, cp);
    i += need + 1;
  }
  return out;
}

std::string MORUnicodeString::EncodeUtf8(const char16_t* text, size_t length) {
  std::string out;
  if (text == nullptr)
    return out;
  out.reserve(length);
  for (size_t i = 0; i < length; ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

MORUnicodeString::MORUnicodeString() : _NarrowValid(false) {}

MORUnicodeString::MORUnicodeString(const char* text)
    : _Text(text != nullptr ? DecodeUtf8(text, std::strlen(text)) : std::u16string()),
      _NarrowValid(false) {}

MORUnicodeString::MORUnicodeString(const char16_t* text)
    : _Text(text != nullptr ? std::u16string(text) : std::u16string()), _NarrowValid(false) {}

MORUnicodeString::MORUnicodeString(const MORUnicodeString& other)
    : _Text(other._Text), _NarrowValid(false) {}

MORUnicodeString::MORUnicodeString(MORUnicodeString&& other) noexcept
    : _Text(std::move(other._Text)), _NarrowValid(false) {
  other.Changed();
}

MORUnicodeString::~MORUnicodeString() = default;

MORUnicodeString& MORUnicodeString::operator=(const MORUnicodeString& other) {
  if (this != &other) {
    _Text = other._Text;
    Changed();
  }
  return *this;
}

MORUnicodeString& MORUnicodeString::operator=(MORUnicodeString&& other) noexcept {
  if (this != &other) {
    _Text = std::move(other._Text);
    other._Text.clear();
    other.Changed();
    Changed();
  }
  return *this;
}

MORUnicodeString& MORUnicodeString::operator=(const char* text) {
  _Text = text != nullptr ? DecodeUtf8(text, std::strlen(text)) : std::u16string();
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::operator+=(const MORUnicodeString& other) {
  _Text += other._Text;
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::operator+=(const char* text) {
  if (text != nullptr)
    _Text += DecodeUtf8(text, std::strlen(text));
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::operator+=(MORUnicodeChar c) {
  _Text += c.GetValue();
  Changed();
  return *this;
}

bool MORUnicodeString::operator<(const MORUnicodeString& other) const {
  return _Text < other._Text;
}

bool MORUnicodeString::operator>(const MORUnicodeString& other) const {
  return _Text > other._Text;
}

bool MORUnicodeString::operator==(const MORUnicodeString& other) const {
  return _Text == other._Text;
}

int MORUnicodeString::Compare(const MORUnicodeString& other) const {
  if (_Text == other._Text)
    return 1;
  if (_Text.size() != other._Text.size())
    return 0;
  for (size_t i = 0; i < _Text.size(); ++i)
    if (UpperOf(_Text[i]) != UpperOf(other._Text[i]))
      return 0;
  return 2;
}

MORUnicodeString& MORUnicodeString::ToUpper() {
  for (char16_t& c : _Text)
    c = UpperOf(c);
  Changed();
  return *this;
}

int MORUnicodeString::GetLengthInChar() const {
  return _Text.size() > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(_Text.size());
}

int MORUnicodeString::GetLengthInByte() const {
  return _Text.size() > static_cast<size_t>(INT_MAX / 2) ? INT_MAX
                                                         : static_cast<int>(_Text.size() * 2);
}

MORUnicodeString& MORUnicodeString::BuildFromNum(int value) {
  _Text = DecimalText(value);
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::BuildFromNum(unsigned int value) {
  _Text = DecimalText(value);
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::BuildFromNum(long value) {
  _Text = DecimalText(value);
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::BuildFromNum(unsigned long value) {
  _Text = DecimalText(value);
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::BuildFromWChar(const char16_t* text, int length) {
  if (text == nullptr)
    _Text.clear();
  else if (length < 0)
    _Text.assign(text);
  else
    _Text.assign(text, static_cast<size_t>(length));
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::BuildFromWChar(const wchar_t* text, int length) {
  std::u16string out;
  if (text != nullptr) {
    size_t n = length < 0 ? std::char_traits<wchar_t>::length(text) : static_cast<size_t>(length);
    for (size_t i = 0; i < n; ++i) {
      char32_t cp = static_cast<char32_t>(text[i]);
      if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
      AppendCodePoint(out, cp);
    }
  }
  _Text.swap(out);
  Changed();
  return *this;
}

MORUnicodeString& MORUnicodeString::Resize(int length, MORUnicodeChar fill) {
  _Text.resize(length < 0 ? 0 : static_cast<size_t>(length), fill.GetValue());
  Changed();
  return *this;
}

char16_t MORUnicodeString::operator[](int index) const {
  if (index < 0 || static_cast<size_t>(index) >= _Text.size())
    return 0;
  return _Text[static_cast<size_t>(index)];
}

MORUnicodeString::operator const char*() const {
  if (!_NarrowValid) {
    _Narrow = EncodeUtf8(_Text.data(), _Text.size());
    _NarrowValid = true;
  }
  return _Narrow.c_str();
}
