#include "TOVStringExtCharsCmp.h"
#include "TOVCharsCmpAndHash.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVStringExtCharsCmp, TOVComparator)

TOVStringExtCharsCmp* TOVStringExtCharsCmp::_pGlobal = nullptr;

TOVStringExtCharsCmp::~TOVStringExtCharsCmp() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVStringExtCharsCmp::CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const {
  TOVCharsOfObject first, second;
  TOVReadCharsToCompare(a, b, first, second);
  return TOVCompareChars(first, second);
}

TOVStringExtCharsCmp& TOVStringExtCharsCmp::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
