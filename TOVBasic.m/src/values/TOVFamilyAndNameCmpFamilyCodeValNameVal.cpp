#include "TOVFamilyAndNameCmpFamilyCodeValNameVal.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"
#include "TOVStringExtCharsCmp.h"

TOV_IMPLEMENT_CLASS(TOVFamilyAndNameCmpFamilyCodeValNameVal, TOVComparator)

TOVFamilyAndNameCmpFamilyCodeValNameVal* TOVFamilyAndNameCmpFamilyCodeValNameVal::_pGlobal =
    nullptr;

TOVFamilyAndNameCmpFamilyCodeValNameVal::~TOVFamilyAndNameCmpFamilyCodeValNameVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVFamilyAndNameCmpFamilyCodeValNameVal::CompareObjects(const MORBaseUnknown* pObj1,
                                                            const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 or pObj2 is NULL");
  const TOVFamilyAndName& first = *TOVCheckedCast<TOVFamilyAndName>(pObj1);
  const TOVFamilyAndName& second = *TOVCheckedCast<TOVFamilyAndName>(pObj2);
  const TOVStringExtCharsCmp& texts = TOVStringExtCharsCmp::GetGlobal();
  int order = texts.CompareObjects(&first.GetFamily().GetCode(), &second.GetFamily().GetCode());
  return order != 0 ? order : texts.CompareObjects(&first.GetName(), &second.GetName());
}

TOVFamilyAndNameCmpFamilyCodeValNameVal& TOVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
