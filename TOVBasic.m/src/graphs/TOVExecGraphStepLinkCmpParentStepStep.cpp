#include "TOVExecGraphStepLinkCmpParentStepStep.h"
#include "TOVExecGraphStepLink.h"
#include "TOVFatalInternalError.h"
#include "TOVSharedInstance.h"

#include <cstdint>

TOV_IMPLEMENT_CLASS(TOVExecGraphStepLinkCmpParentStepStep, TOVComparator)

TOVExecGraphStepLinkCmpParentStepStep* TOVExecGraphStepLinkCmpParentStepStep::_pGlobal = nullptr;

TOVExecGraphStepLinkCmpParentStepStep::~TOVExecGraphStepLinkCmpParentStepStep() {
  TOVForgetSharedInstance(_pGlobal, this);
}

namespace {

int CompareAddresses(const void* a, const void* b) {
  const uintptr_t x = reinterpret_cast<uintptr_t>(a);
  const uintptr_t y = reinterpret_cast<uintptr_t>(b);
  return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace

int TOVExecGraphStepLinkCmpParentStepStep::CompareObjects(const MORBaseUnknown* pObj1,
                                                          const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  const TOVExecGraphStepLink* link1 = TOVCheckedCast<TOVExecGraphStepLink>(pObj1);
  const TOVExecGraphStepLink* link2 = TOVCheckedCast<TOVExecGraphStepLink>(pObj2);
  const int byParent = CompareAddresses(link1->GetParentStep(), link2->GetParentStep());
  return byParent != 0 ? byParent : CompareAddresses(&link1->GetStep(), &link2->GetStep());
}

TOVExecGraphStepLinkCmpParentStepStep& TOVExecGraphStepLinkCmpParentStepStep::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
