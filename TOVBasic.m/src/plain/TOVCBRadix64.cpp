// Radix-64 conversions between 32-bit numbers and short printable codes.
#include "TOVCBRadix64.h"
#include "TOVCBErrorProcessing.h"

#include <array>

namespace {

constexpr int MaxLength = 6;

/// The value of each byte as a digit; bytes outside the alphabet are 0.
constexpr std::array<unsigned char, 256> MakeDigits() {
  std::array<unsigned char, 256> digits{};
  for (int i = 0; i < 64; ++i)
    digits[static_cast<unsigned char>(TOVCBRadix64Alphabet[i])] = static_cast<unsigned char>(i);
  return digits;
}

constexpr std::array<unsigned char, 256> Digits = MakeDigits();

} // namespace

const char* radix64_encode(unsigned int value, int length) {
  if (length < 1 || length > MaxLength)
    err_prog(__FILE__, __LINE__, "Radix64 result string length should be in [1..%d]", MaxLength);
  if (length < MaxLength && value >= (1ULL << (6 * length)))
    err_prog(__FILE__, __LINE__, "Radix64 result is too short\n");
  thread_local char buffer[MaxLength + 1];
  unsigned long long rest = value;
  for (int i = MaxLength - 1; i >= 0; --i) {
    buffer[i] = TOVCBRadix64Alphabet[rest & 63];
    rest >>= 6;
  }
  buffer[MaxLength] = '\0';
  return buffer + MaxLength - length;
}

unsigned int radix64_decode(const char* code) {
  unsigned int value = 0;
  for (int i = 0; code != nullptr && i < MaxLength && code[i] != '\0'; ++i)
    value = (value << 6) + Digits[static_cast<unsigned char>(code[i])];
  return value;
}
