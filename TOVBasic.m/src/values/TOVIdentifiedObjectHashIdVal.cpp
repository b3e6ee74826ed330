#include "TOVIdentifiedObjectHashIdVal.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVIdentifiedObjectHashIdVal, TOVStringExtCharsHash)

TOVIdentifiedObjectHashIdVal* TOVIdentifiedObjectHashIdVal::_pGlobal = nullptr;

TOVIdentifiedObjectHashIdVal::~TOVIdentifiedObjectHashIdVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVIdentifiedObjectHashIdVal::Code(const MORBaseUnknown* pObject) const {
  if (pObject == nullptr)
    TOVFatalInternalError("pObject == NULL");
  return TOVStringExtCharsHash::Code(TOVIdentifierOrKey(pObject));
}

TOVIdentifiedObjectHashIdVal& TOVIdentifiedObjectHashIdVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
