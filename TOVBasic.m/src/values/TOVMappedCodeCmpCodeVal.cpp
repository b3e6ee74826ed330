#include "TOVMappedCodeCmpCodeVal.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVMappedCodeCmpCodeVal, TOVStringExtCharsCmp)

TOVMappedCodeCmpCodeVal* TOVMappedCodeCmpCodeVal::_pGlobal = nullptr;

TOVMappedCodeCmpCodeVal::~TOVMappedCodeCmpCodeVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVMappedCodeCmpCodeVal::CompareObjects(const MORBaseUnknown* pObj1,
                                            const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  return TOVStringExtCharsCmp::CompareObjects(TOVCodeOrKey(pObj1), TOVCodeOrKey(pObj2));
}

TOVMappedCodeCmpCodeVal& TOVMappedCodeCmpCodeVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
