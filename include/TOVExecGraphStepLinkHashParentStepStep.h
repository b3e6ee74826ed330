// Hashes a step link on its parent step and its step.
#ifndef TOVEXECGRAPHSTEPLINKHASHPARENTSTEPSTEP_H
#define TOVEXECGRAPHSTEPLINKHASHPARENTSTEPSTEP_H

#include "TOVHashCoder.h"

class TOVBASIC_API TOVExecGraphStepLinkHashParentStepStep : public TOVHashCoder {
  TOV_DECLARE_CLASS(TOVExecGraphStepLinkHashParentStepStep)

public:
  TOVExecGraphStepLinkHashParentStepStep() = default;
  ~TOVExecGraphStepLinkHashParentStepStep() override;

  /// The address hash of the step plus that of the parent step, wrapping.
  unsigned int Code(const MORBaseUnknown* pObj1) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExecGraphStepLinkHashParentStepStep& GetGlobal();

private:
  static TOVExecGraphStepLinkHashParentStepStep* _pGlobal;
};

#endif
