// Compares step links by parent-step address, then by step address.
#ifndef TOVEXECGRAPHSTEPLINKCMPPARENTSTEPSTEP_H
#define TOVEXECGRAPHSTEPLINKCMPPARENTSTEPSTEP_H

#include "TOVComparator.h"

class TOVBASIC_API TOVExecGraphStepLinkCmpParentStepStep : public TOVComparator {
  TOV_DECLARE_CLASS(TOVExecGraphStepLinkCmpParentStepStep)

public:
  TOVExecGraphStepLinkCmpParentStepStep() = default;
  ~TOVExecGraphStepLinkCmpParentStepStep() override;

  /// Both must be step links; -1, 0 or 1 on the addresses taken as unsigned numbers.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExecGraphStepLinkCmpParentStepStep& GetGlobal();

private:
  static TOVExecGraphStepLinkCmpParentStepStep* _pGlobal;
};

#endif
