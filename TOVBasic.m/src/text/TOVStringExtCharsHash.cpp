#include "TOVStringExtCharsHash.h"
#include "TOVCharsCmpAndHash.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVStringExtCharsHash, TOVHashCoder)

TOVStringExtCharsHash* TOVStringExtCharsHash::_pGlobal = nullptr;

TOVStringExtCharsHash::~TOVStringExtCharsHash() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVStringExtCharsHash::Code(const MORBaseUnknown* obj) const {
  return TOVHashChars(TOVReadCharsToHash(obj));
}

TOVStringExtCharsHash& TOVStringExtCharsHash::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
