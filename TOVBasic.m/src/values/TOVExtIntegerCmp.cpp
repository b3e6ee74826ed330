#include "TOVExtIntegerCmp.h"
#include "TOVExtInteger.h"
#include "TOVFatalInternalError.h"
#include "TOVKindOf.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExtIntegerCmp, TOVComparator)

TOVExtIntegerCmp* TOVExtIntegerCmp::_pGlobal = nullptr;

TOVExtIntegerCmp::~TOVExtIntegerCmp() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVExtIntegerCmp::CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const {
  if (a == nullptr || b == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  const TOVExtInteger* first = TOVKindOf<TOVExtInteger>(a);
  if (first == nullptr)
    TOVFatalInternalError("pObj1 is not an TOVExtInteger");
  const TOVExtInteger* second = TOVKindOf<TOVExtInteger>(b);
  if (second == nullptr)
    TOVFatalInternalError("pObj2 is not an TOVExtInteger");
  const bool firstNull = first->IsDbNull() != 0;
  const bool secondNull = second->IsDbNull() != 0;
  if (firstNull || secondNull)
    return firstNull == secondNull ? 0 : (firstNull ? -1 : 1);
  const int x = first->GetInteger();
  const int y = second->GetInteger();
  return x > y ? 1 : (x < y ? -1 : 0);
}

TOVExtIntegerCmp& TOVExtIntegerCmp::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
