// Decodes arbitrary bytes as a radix-64 code, in a buffer exactly as long as the text so
// that any read past its end is caught, and checks the value against a plain reading of the
// first six characters; a value re-encoded on six digits decodes to itself.
#include "FuzzText.h"
#include "TOVRadix64.h"

#include <cstring>
#include <memory>

using fuzztext::Check;

namespace {

const char Alphabet[] = "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

unsigned int Digit(char c) {
  const char* found = c != '\0' ? strchr(Alphabet, c) : nullptr;
  return found != nullptr ? static_cast<unsigned int>(found - Alphabet) : 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t length = strnlen(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<char[]> text(new char[length + 1]);
  memcpy(text.get(), data, length);
  text[length] = '\0';
  const unsigned int value = TOVRadix64::Convert(text.get());
  unsigned int expected = 0;
  for (size_t i = 0; i < length && i < 6; ++i)
    expected = (expected << 6) + Digit(text[i]);
  Check(value == expected, "the value is that of the first six digits");
  Check(TOVRadix64::Convert(TOVRadix64::Convert(value, 6)) == value,
        "a six-digit code decodes to its value");
  return 0;
}
