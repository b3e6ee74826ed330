// Compares step links (or a link and a step) by the address of the parent step.
#ifndef TOVEXECGRAPHSTEPLINKCMPPARENTSTEP_H
#define TOVEXECGRAPHSTEPLINKCMPPARENTSTEP_H

#include "MORBaseUnknownCmpAddr.h"

class TOVBASIC_API TOVExecGraphStepLinkCmpParentStep : public MORBaseUnknownCmpAddr {
  TOV_DECLARE_CLASS(TOVExecGraphStepLinkCmpParentStep)

public:
  TOVExecGraphStepLinkCmpParentStep() = default;
  ~TOVExecGraphStepLinkCmpParentStep() override;

  /// Each link is replaced by its parent step, a step (or null) stays itself; any other
  /// class is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExecGraphStepLinkCmpParentStep& GetGlobal();

private:
  static TOVExecGraphStepLinkCmpParentStep* _pGlobal;
};

#endif
