#include "TOVExecGraphNode.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNode, MORBaseUnknown)

TOVExecGraphNode::TOVExecGraphNode() : _BuildStep(0) {
  Init();
}

TOVExecGraphNode::~TOVExecGraphNode() = default;

void TOVExecGraphNode::Init() {
  _HStep = TOVExecGraphStepRfHndlr(TOVRfHndlrNoAddRef, new TOVExecGraphStep);
  _BuildStep = 0;
}

void TOVExecGraphNode::OverrideHStep(const TOVExecGraphStepRfHndlr& hStep) {
  _HStep->SetHOverride(hStep);
  _HStep = hStep;
}

const TOVExecGraphStepRfHndlr& TOVExecGraphNode::GetHStep() const {
  const TOVExecGraphStepRfHndlr* h = &_HStep;
  while ((*h)->GetHOverride().Get() != nullptr)
    h = &(*h)->GetHOverride();
  return *h;
}

const TOVExecGraphStepRfHndlr& TOVExecGraphNode::GetHStepWithReinit() {
  // Copied first: the effective step's handler may be owned by a step that the
  // assignment releases.
  TOVExecGraphStepRfHndlr effective(GetHStep());
  _HStep = effective;
  return _HStep;
}

void TOVExecGraphNode::SetBuildStep(int buildStep) {
  _BuildStep = buildStep;
}

int TOVExecGraphNode::GetBuildStep() const {
  return _BuildStep;
}
