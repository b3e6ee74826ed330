#include "TOVFamilyAndNameCmpFamilyNameVal.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVObjWithFamilyCmpFamily.h"
#include "TOVSharedInstance.h"
#include "TOVStringExtCharsCmp.h"

#include <cstdint>

TOV_IMPLEMENT_CLASS(TOVFamilyAndNameCmpFamilyNameVal, TOVComparator)

TOVFamilyAndNameCmpFamilyNameVal* TOVFamilyAndNameCmpFamilyNameVal::_pGlobal = nullptr;

TOVFamilyAndNameCmpFamilyNameVal::~TOVFamilyAndNameCmpFamilyNameVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVFamilyAndNameCmpFamilyNameVal::CompareObjects(const MORBaseUnknown* pObj1,
                                                     const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 or pObj2 is NULL");
  const TOVFamilyAndName& first = *TOVCheckedCast<TOVFamilyAndName>(pObj1);
  const TOVFamilyAndName& second = *TOVCheckedCast<TOVFamilyAndName>(pObj2);
  auto family1 = reinterpret_cast<uintptr_t>(&first.GetFamily());
  auto family2 = reinterpret_cast<uintptr_t>(&second.GetFamily());
  if (family1 != family2)
    return family1 < family2 ? -1 : 1;
  return TOVStringExtCharsCmp::GetGlobal().CompareObjects(&first.GetName(), &second.GetName());
}

unsigned int
TOVFamilyAndNameCmpFamilyNameVal::SortsSetAsSecondCanBeUsed(const TOVComparator& first) const {
  if (TOVComparator::SortsSetAsSecondCanBeUsed(first))
    return 1;
  return first.GetMetaObject()->IsAKindOf(TOVObjWithFamilyCmpFamily::MetaObject()) ? 1 : 0;
}

TOVFamilyAndNameCmpFamilyNameVal& TOVFamilyAndNameCmpFamilyNameVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
