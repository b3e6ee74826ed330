#include "TOVIdentifiedObjectCmpIdVal.h"
#include "TOVFatalInternalError.h"
#include "TOVIdentityKeys.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVIdentifiedObjectCmpIdVal, TOVStringExtCharsCmp)

TOVIdentifiedObjectCmpIdVal* TOVIdentifiedObjectCmpIdVal::_pGlobal = nullptr;

TOVIdentifiedObjectCmpIdVal::~TOVIdentifiedObjectCmpIdVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVIdentifiedObjectCmpIdVal::CompareObjects(const MORBaseUnknown* pObj1,
                                                const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  return TOVStringExtCharsCmp::CompareObjects(TOVIdentifierOrKey(pObj1), TOVIdentifierOrKey(pObj2));
}

TOVIdentifiedObjectCmpIdVal& TOVIdentifiedObjectCmpIdVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
