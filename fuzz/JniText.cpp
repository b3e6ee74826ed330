// The text codec of the Java front end on arbitrary input: narrow bytes decoded to 16-bit
// text and encoded back give the same bytes; the input read as 16-bit text and passed
// through narrow text comes back unless it holds the byte escapes U+DC80..U+DCFF; the
// modified UTF-8 check never reads past the NUL.
#include "FuzzText.h"
#include "TOVJniText.h"

#include <string>

using fuzztext::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  std::u16string wide = TOVJniDecodeNarrow(bytes, size);
  Check(TOVJniEncodeWide(wide.data(), wide.size()) == std::string(bytes, size),
        "narrow text does not come back");

  std::u16string units;
  bool escapes = false;
  for (size_t i = 0; i + 1 < size; i += 2) {
    char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    escapes = escapes || (unit >= 0xDC80 && unit <= 0xDCFF);
    units += unit;
  }
  std::string narrow = TOVJniEncodeWide(units.data(), units.size());
  Check(escapes || TOVJniDecodeNarrow(narrow.data(), narrow.size()) == units,
        "16-bit text does not come back");

  std::string terminated(bytes, size);
  TOVJniIsModifiedUtf8(terminated.c_str());
  return 0;
}
