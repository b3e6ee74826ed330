#include "TOVRadix64.h"
#include "TOVCBRadix64.h"

TOV_IMPLEMENT_CLASS(TOVRadix64, MORBaseUnknown)

const char* TOVRadix64::Convert(unsigned int iValue, int iLength) {
  return radix64_encode(iValue, iLength);
}

unsigned int TOVRadix64::Convert(const char* iCode) {
  return radix64_decode(iCode);
}
