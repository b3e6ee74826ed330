#include "TOVStringExtCharsHashNoCase.h"
#include "TOVCharsCmpAndHash.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVStringExtCharsHashNoCase, TOVHashCoder)

TOVStringExtCharsHashNoCase* TOVStringExtCharsHashNoCase::_pGlobal = nullptr;

TOVStringExtCharsHashNoCase::~TOVStringExtCharsHashNoCase() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVStringExtCharsHashNoCase::Code(const MORBaseUnknown* obj) const {
  return TOVHashCharsNoCase(TOVReadCharsToHash(obj));
}

TOVStringExtCharsHashNoCase& TOVStringExtCharsHashNoCase::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
