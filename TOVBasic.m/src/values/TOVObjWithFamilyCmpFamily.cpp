#include "TOVObjWithFamilyCmpFamily.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVObjWithFamilyCmpFamily, MORBaseUnknownCmpAddr)

TOVObjWithFamilyCmpFamily* TOVObjWithFamilyCmpFamily::_pGlobal = nullptr;

TOVObjWithFamilyCmpFamily::~TOVObjWithFamilyCmpFamily() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVObjWithFamilyCmpFamily::CompareObjects(const MORBaseUnknown* pObj1,
                                              const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 == NULL or pObj2 == NULL");
  return MORBaseUnknownCmpAddr::CompareObjects(TOVFamilyOrKey(pObj1), TOVFamilyOrKey(pObj2));
}

TOVObjWithFamilyCmpFamily& TOVObjWithFamilyCmpFamily::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
