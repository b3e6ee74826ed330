// A step of an execution graph: what carries out one or more nodes.
#ifndef TOVEXECGRAPHSTEP_H
#define TOVEXECGRAPHSTEP_H

#include "TOVExecGraphStepRfHndlr.h"
#include "TOVMacro.h"

/// A step may be overridden by another step (then the nodes of this step are carried
/// out by the other). After a build it has a rank (1 for roots, more than the rank of a
/// parent) and the parent step through which it got that rank.
class TOVBASIC_API TOVExecGraphStep : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVExecGraphStep)

public:
  /// No override, no parent step, rank 0.
  TOVExecGraphStep();
  ~TOVExecGraphStep() override;

  /// Makes hStep this step's override. Fatal when hStep is this step, is empty, or has
  /// an override of its own (the end of an override chain never has one).
  virtual void SetHOverride(const TOVExecGraphStepRfHndlr& hStep);
  virtual const TOVExecGraphStepRfHndlr& GetHOverride() const;
  virtual void SetParentStep(const TOVExecGraphStep* parent);
  /// The parent through which the step got its rank; null for roots.
  virtual const TOVExecGraphStep* GetParentStep() const;
  /// The rank becomes rank when rank is greater; otherwise nothing changes.
  virtual void SetRankIfGreater(int rank);
  virtual int GetRank() const;

private:
  TOVExecGraphStepRfHndlr _HOverride;
  const TOVExecGraphStep* _pParentStep;
  int _Rank;
};

#endif
