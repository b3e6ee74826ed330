#include "TOVMappedCodeHashCodeVal.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVMappedCodeHashCodeVal, TOVStringExtCharsHash)

TOVMappedCodeHashCodeVal* TOVMappedCodeHashCodeVal::_pGlobal = nullptr;

TOVMappedCodeHashCodeVal::~TOVMappedCodeHashCodeVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVMappedCodeHashCodeVal::Code(const MORBaseUnknown* pObj1) const {
  if (pObj1 == nullptr)
    TOVFatalInternalError("pObj1 == NULL");
  return TOVStringExtCharsHash::Code(TOVCodeOrKey(pObj1));
}

TOVMappedCodeHashCodeVal& TOVMappedCodeHashCodeVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
