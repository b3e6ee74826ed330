#include "TOVExtIntegerCmp.h"
#include "TOVExtInteger.h"
#include "TOVFatalInternalError.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExtIntegerCmp, TOVComparator)

TOVExtIntegerCmp* TOVExtIntegerCmp::_pGlobal = nullptr;

TOVExtIntegerCmp::~TOVExtIntegerCmp() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVExtIntegerCmp::CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const {
  if (a == nullptr || b == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  MORMetaClass* kind = TOVExtInteger::MetaObject();
  if (!a->GetMetaObject()->IsAKindOf(kind))
    TOVFatalInternalError("pObj1 is not an TOVExtInteger");
  if (!b->GetMetaObject()->IsAKindOf(kind))
    TOVFatalInternalError("pObj2 is not an TOVExtInteger");
  const TOVExtInteger& first = *static_cast<const TOVExtInteger*>(a);
  const TOVExtInteger& second = *static_cast<const TOVExtInteger*>(b);
  const bool firstNull = first.IsDbNull() != 0;
  const bool secondNull = second.IsDbNull() != 0;
  if (firstNull || secondNull)
    return firstNull == secondNull ? 0 : (firstNull ? -1 : 1);
  const int x = first.GetInteger();
  const int y = second.GetInteger();
  return x > y ? 1 : (x < y ? -1 : 0);
}

TOVExtIntegerCmp& TOVExtIntegerCmp::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
