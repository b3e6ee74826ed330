#include "TOVExecGraphStepLinkHashParentStepStep.h"
#include "MORBaseUnknownHashAddr.h"
#include "TOVExecGraphStep.h"
#include "TOVExecGraphStepLink.h"
#include "TOVFatalInternalError.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphStepLinkHashParentStepStep, TOVHashCoder)

TOVExecGraphStepLinkHashParentStepStep* TOVExecGraphStepLinkHashParentStepStep::_pGlobal = nullptr;

TOVExecGraphStepLinkHashParentStepStep::~TOVExecGraphStepLinkHashParentStepStep() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVExecGraphStepLinkHashParentStepStep::Code(const MORBaseUnknown* pObj1) const {
  if (pObj1 == nullptr)
    TOVFatalInternalError("pObj1 == NULL");
  const TOVExecGraphStepLink* link = TOVCheckedCast<TOVExecGraphStepLink>(pObj1);
  const MORBaseUnknownHashAddr& byAddress = MORBaseUnknownHashAddr::GetGlobal();
  return byAddress.Code(&link->GetStep()) + byAddress.Code(link->GetParentStep());
}

TOVExecGraphStepLinkHashParentStepStep& TOVExecGraphStepLinkHashParentStepStep::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
