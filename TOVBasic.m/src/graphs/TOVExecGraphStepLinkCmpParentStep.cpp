#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVExecGraphParentOf.h"
#include "TOVExecGraphStep.h"
#include "TOVExecGraphStepLink.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphStepLinkCmpParentStep, MORBaseUnknownCmpAddr)

TOVExecGraphStepLinkCmpParentStep* TOVExecGraphStepLinkCmpParentStep::_pGlobal = nullptr;

TOVExecGraphStepLinkCmpParentStep::~TOVExecGraphStepLinkCmpParentStep() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVExecGraphStepLinkCmpParentStep::CompareObjects(const MORBaseUnknown* pObj1,
                                                      const MORBaseUnknown* pObj2) const {
  return TOVExecGraphCompareParents<TOVExecGraphStepLink, TOVExecGraphStep,
                                    &TOVExecGraphStepLink::GetParentStep, MORBaseUnknownCmpAddr>(
      *this, pObj1, pObj2, __FILE__, __LINE__);
}

TOVExecGraphStepLinkCmpParentStep& TOVExecGraphStepLinkCmpParentStep::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
