#include "TOVFamilyAndNameHashFamilyNameVal.h"
#include "MORBaseUnknownHashAddr.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"
#include "TOVStringExtCharsHash.h"

TOV_IMPLEMENT_CLASS(TOVFamilyAndNameHashFamilyNameVal, TOVHashCoder)

TOVFamilyAndNameHashFamilyNameVal* TOVFamilyAndNameHashFamilyNameVal::_pGlobal = nullptr;

TOVFamilyAndNameHashFamilyNameVal::~TOVFamilyAndNameHashFamilyNameVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVFamilyAndNameHashFamilyNameVal::Code(const MORBaseUnknown* pObj1) const {
  if (pObj1 == nullptr)
    TOVFatalInternalError("pObj1 is NULL");
  const TOVFamilyAndName& object = *TOVCheckedCast<TOVFamilyAndName>(pObj1);
  return MORBaseUnknownHashAddr::GetGlobal().Code(&object.GetFamily()) +
         TOVStringExtCharsHash::GetGlobal().Code(&object.GetName());
}

TOVFamilyAndNameHashFamilyNameVal& TOVFamilyAndNameHashFamilyNameVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
