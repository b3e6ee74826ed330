#include "TOVExecGraphNodeCmpStep.h"
#include "TOVExecGraphNode.h"
#include "TOVFatalInternalError.h"
#include "TOVKindOf.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeCmpStep, MORBaseUnknownCmpAddr)

TOVExecGraphNodeCmpStep* TOVExecGraphNodeCmpStep::_pGlobal = nullptr;

TOVExecGraphNodeCmpStep::~TOVExecGraphNodeCmpStep() {
  TOVForgetSharedInstance(_pGlobal, this);
}

namespace {

/// The effective step of a node; a step as it is.
const MORBaseUnknown* StepOf(const MORBaseUnknown* obj, const char* which) {
  if (const auto* node = TOVKindOf<TOVExecGraphNode>(obj))
    return node->GetHStep().Get();
  if (TOVKindOf<TOVExecGraphStep>(obj) != nullptr)
    return obj;
  TOVFatalInternalError(which, " is neither an TOVExecGraphNode nor an TOVExecGraphStep but a ",
                        obj->IsA());
}

} // namespace

int TOVExecGraphNodeCmpStep::CompareObjects(const MORBaseUnknown* pObj1,
                                            const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  return MORBaseUnknownCmpAddr::CompareObjects(StepOf(pObj1, "pObj1"), StepOf(pObj2, "pObj2"));
}

TOVExecGraphNodeCmpStep& TOVExecGraphNodeCmpStep::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
