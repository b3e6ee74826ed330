#include "TOVErrorDisplayToOemTerm.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

TOV_IMPLEMENT_CLASS(TOVErrorDisplayToOemTerm, TOVErrorDisplayToTerm)

TOVErrorDisplayToOemTerm::~TOVErrorDisplayToOemTerm() = default;

namespace {

// What a character without a code page 850 form shows as.
const char Replacement = '?';

// The number of bytes of the character at in (one 16-bit unit, or two for a surrogate
// pair), of the left bytes.
size_t CharacterSize(const char* in, size_t left) {
  char16_t first;
  std::memcpy(&first, in, sizeof first);
  if (first >= 0xD800 && first < 0xDC00 && left >= 4) {
    char16_t second;
    std::memcpy(&second, in + 2, sizeof second);
    if (second >= 0xDC00 && second < 0xE000)
      return 4;
  }
  return left >= 2 ? 2 : left;
}

} // namespace

std::string TOVErrorDisplayToOemTerm::ConvertToOem(const MORUnicodeString& text) {
  const char16_t* units = text;
  size_t left = static_cast<size_t>(text.GetLengthInChar()) * sizeof(char16_t);
  std::string oem;
  oem.reserve(left / 2);
#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  iconv_t converter = iconv_open("CP850", "UTF-16LE");
#else
  iconv_t converter = iconv_open("CP850", "UTF-16BE");
#endif
  char* in = reinterpret_cast<char*>(const_cast<char16_t*>(units));
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    // No converter on this system: ASCII passes, the rest is replaced.
    for (size_t i = 0; i < left / 2; i += CharacterSize(in + 2 * i, left - 2 * i) / 2)
      oem += units[i] < 0x80 ? static_cast<char>(units[i]) : Replacement;
    return oem;
  }
  char buffer[512];
  while (left > 0) {
    char* out = buffer;
    size_t room = sizeof buffer;
    size_t result = iconv(converter, &in, &left, &out, &room);
    oem.append(buffer, static_cast<size_t>(out - buffer));
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      // A character with no form in the code page, or a broken surrogate: show the
      // replacement and go on after it.
      size_t skipped = CharacterSize(in, left);
      oem += Replacement;
      in += skipped;
      left -= skipped;
      iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(converter);
  return oem;
}

void TOVErrorDisplayToOemTerm::Display(MORError& error) {
  MORUnicodeString text;
  BuildMsgTxt(error, text);
  std::string oem = ConvertToOem(text);
  TOVOFStream& stream = GetStreamFor(error);
  stream.Write(oem.data(), static_cast<unsigned int>(oem.size()));
  stream.Flush();
}
