// Radix-64 conversions of the plain-function layer, reached by programs through
// TOVRadix64::Convert.
#ifndef TOVCBRADIX64_H
#define TOVCBRADIX64_H

#include "TOVExport.h"

/// The 64 characters of the radix-64 alphabet, value 0 first, in ascending code order.
inline constexpr char TOVCBRadix64Alphabet[] =
    "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

/// The last length (1 to 6) radix-64 digits of value, most significant first, in a buffer
/// of the calling thread overwritten by its next call. A length outside 1 to 6, or a value
/// that does not fit in length digits, is a fatal internal error.
const char* radix64_encode(unsigned int value, int length);

/// The value of the first six characters of code (fewer when code is shorter; a null code
/// gives 0); a character outside the alphabet counts as digit 0. Only the low 32 bits of
/// the value are kept.
unsigned int radix64_decode(const char* code);

#endif
