// A node of an execution graph, carried out by a step.
#ifndef TOVEXECGRAPHNODE_H
#define TOVEXECGRAPHNODE_H

#include "TOVExecGraphStepRfHndlr.h"

/// A node has a step of its own (replaceable) and a build step telling how far a build
/// went with it: 0 not visited, 1 visited by the loop treatment, 2 analysed.
class TOVBASIC_API TOVExecGraphNode : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVExecGraphNode)

public:
  /// A new step of its own, build step 0.
  TOVExecGraphNode();
  ~TOVExecGraphNode() override;

  /// Prepares the node for a new build: a new step, build step 0.
  void Init();
  /// The node's current step gets hStep as override; then hStep becomes the node's step.
  virtual void OverrideHStep(const TOVExecGraphStepRfHndlr& hStep);
  /// The effective step: the end of the override chain that starts at the node's step.
  virtual const TOVExecGraphStepRfHndlr& GetHStep() const;
  /// As GetHStep, making the effective step the node's own step (shortening the chain).
  virtual const TOVExecGraphStepRfHndlr& GetHStepWithReinit();
  virtual void SetBuildStep(int buildStep);
  virtual int GetBuildStep() const;

private:
  TOVExecGraphStepRfHndlr _HStep;
  int _BuildStep;
};

#endif
