#include "TOVStringExtCharsCmpNoCase.h"
#include "TOVCharsCmpAndHash.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVStringExtCharsCmpNoCase, TOVComparator)

TOVStringExtCharsCmpNoCase* TOVStringExtCharsCmpNoCase::_pGlobal = nullptr;

TOVStringExtCharsCmpNoCase::~TOVStringExtCharsCmpNoCase() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVStringExtCharsCmpNoCase::CompareObjects(const MORBaseUnknown* a,
                                               const MORBaseUnknown* b) const {
  TOVCharsOfObject first, second;
  TOVReadCharsToCompare(a, b, first, second);
  return TOVCompareCharsNoCase(first, second);
}

TOVStringExtCharsCmpNoCase& TOVStringExtCharsCmpNoCase::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
