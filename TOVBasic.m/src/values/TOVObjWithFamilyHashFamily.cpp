#include "TOVObjWithFamilyHashFamily.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVObjWithFamilyHashFamily, MORBaseUnknownHashAddr)

TOVObjWithFamilyHashFamily* TOVObjWithFamilyHashFamily::_pGlobal = nullptr;

TOVObjWithFamilyHashFamily::~TOVObjWithFamilyHashFamily() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVObjWithFamilyHashFamily::Code(const MORBaseUnknown* pObj1) const {
  if (pObj1 == nullptr)
    TOVFatalInternalError("pObj1 == NULL");
  return MORBaseUnknownHashAddr::Code(TOVFamilyOrKey(pObj1));
}

TOVObjWithFamilyHashFamily& TOVObjWithFamilyHashFamily::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
