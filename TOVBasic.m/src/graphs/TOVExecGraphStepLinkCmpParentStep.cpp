#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVExecGraphStep.h"
#include "TOVExecGraphStepLink.h"
#include "TOVFatalInternalError.h"
#include "TOVKindOf.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphStepLinkCmpParentStep, MORBaseUnknownCmpAddr)

TOVExecGraphStepLinkCmpParentStep* TOVExecGraphStepLinkCmpParentStep::_pGlobal = nullptr;

TOVExecGraphStepLinkCmpParentStep::~TOVExecGraphStepLinkCmpParentStep() {
  TOVForgetSharedInstance(_pGlobal, this);
}

namespace {

/// The parent step of a link; a step or null as it is.
const MORBaseUnknown* ParentStepOf(const MORBaseUnknown* obj, const char* which) {
  if (obj == nullptr)
    return nullptr;
  if (const auto* link = TOVKindOf<TOVExecGraphStepLink>(obj))
    return link->GetParentStep();
  if (TOVKindOf<TOVExecGraphStep>(obj) != nullptr)
    return obj;
  TOVFatalInternalError(which, " is neither an TOVExecGraphStepLink nor an TOVExecGraphStep but a ",
                        obj->IsA());
}

} // namespace

int TOVExecGraphStepLinkCmpParentStep::CompareObjects(const MORBaseUnknown* pObj1,
                                                      const MORBaseUnknown* pObj2) const {
  return MORBaseUnknownCmpAddr::CompareObjects(ParentStepOf(pObj1, "pObj1"),
                                               ParentStepOf(pObj2, "pObj2"));
}

TOVExecGraphStepLinkCmpParentStep& TOVExecGraphStepLinkCmpParentStep::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
