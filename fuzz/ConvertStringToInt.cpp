// Converts arbitrary bytes with TOVUtilities::ConvertStringToInt and checks the result
// against a reference written here: blanks, an optional sign, then only decimal digits up
// to the end of the text, with a value in the int range.
#include "FuzzText.h"
#include "TOVUtilities.h"

#include <cctype>
#include <climits>

using fuzztext::Check;

namespace {

// 1 and the value when the whole text is a decimal int, as the reference reads it.
unsigned int Reference(const TOVString& text, long& value) {
  int i = 0, n = text.Length();
  value = 0;
  while (i < n && std::isspace(static_cast<unsigned char>(text[i])))
    ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-'))
    negative = text[i++] == '-';
  if (i == n)
    return 0;
  for (; i < n; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i])))
      return 0;
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long>(INT_MAX) + 1)
      return 0;
  }
  if (negative)
    value = -value;
  return value >= INT_MIN && value <= INT_MAX ? 1 : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TOVString text = fuzztext::MakeString(data, size);
  int value = 12345;
  unsigned int ok = TOVUtilities::ConvertStringToInt(text, value);
  long expected = 0;
  unsigned int expectedOk = Reference(text, expected);
  Check(ok == expectedOk, "the conversion accepts exactly the whole decimal ints");
  if (ok == 1)
    Check(value == expected, "the value is the number written");
  return 0;
}
