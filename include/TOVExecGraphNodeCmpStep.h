// Compares nodes (or a node and a step) by the address of their effective step.
#ifndef TOVEXECGRAPHNODECMPSTEP_H
#define TOVEXECGRAPHNODECMPSTEP_H

#include "MORBaseUnknownCmpAddr.h"

class TOVBASIC_API TOVExecGraphNodeCmpStep : public MORBaseUnknownCmpAddr {
  TOV_DECLARE_CLASS(TOVExecGraphNodeCmpStep)

public:
  TOVExecGraphNodeCmpStep() = default;
  ~TOVExecGraphNodeCmpStep() override;

  /// Each node is replaced by its effective step, a step stays itself; both null or any
  /// other class is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExecGraphNodeCmpStep& GetGlobal();

private:
  static TOVExecGraphNodeCmpStep* _pGlobal;
};

#endif
