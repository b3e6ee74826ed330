#include "TOVFamilyAndNameHashFamilyCodeValNameVal.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"
#include "TOVStringExtCharsHash.h"

TOV_IMPLEMENT_CLASS(TOVFamilyAndNameHashFamilyCodeValNameVal, TOVHashCoder)

TOVFamilyAndNameHashFamilyCodeValNameVal* TOVFamilyAndNameHashFamilyCodeValNameVal::_pGlobal =
    nullptr;

TOVFamilyAndNameHashFamilyCodeValNameVal::~TOVFamilyAndNameHashFamilyCodeValNameVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVFamilyAndNameHashFamilyCodeValNameVal::Code(const MORBaseUnknown* pObj1) const {
  if (pObj1 == nullptr)
    TOVFatalInternalError("pObj1 is NULL");
  const TOVFamilyAndName& object = *TOVCheckedCast<TOVFamilyAndName>(pObj1);
  const TOVStringExtCharsHash& texts = TOVStringExtCharsHash::GetGlobal();
  return texts.Code(&object.GetFamily().GetCode()) + texts.Code(&object.GetName());
}

TOVFamilyAndNameHashFamilyCodeValNameVal& TOVFamilyAndNameHashFamilyCodeValNameVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
