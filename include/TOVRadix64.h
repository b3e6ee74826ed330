// Conversions between 32-bit numbers and radix-64 codes.
#ifndef TOVRADIX64_H
#define TOVRADIX64_H

#include "TOVMacro.h"

/// Radix-64 codes over the alphabet
/// "+-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz" (plus is 0, z is 63); codes
/// of equal length sort as their values.
class TOVBASIC_API TOVRadix64 : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVRadix64)
public:
  /// The last iLength (1 to 6) digits of iValue, most significant first, in a buffer of the
  /// calling thread overwritten by its next call. A length outside 1 to 6 is a fatal
  /// internal error ("Radix64 result string length should be in [1..6]"), and so is a
  /// value that needs more digits ("Radix64 result is too short\n").
  static const char* Convert(unsigned int iValue, int iLength);
  /// The value of the first six characters of iCode, or of all of them when it is
  /// shorter (null gives 0); a character outside the alphabet counts as 0. The low 32 bits
  /// are kept. Never reads past the end of iCode.
  static unsigned int Convert(const char* iCode);
};

#endif
