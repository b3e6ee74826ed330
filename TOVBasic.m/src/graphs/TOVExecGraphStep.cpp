#include "TOVExecGraphStep.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphStep, MORBaseUnknown)

TOVExecGraphStep::TOVExecGraphStep() : _pParentStep(nullptr), _Rank(0) {}

TOVExecGraphStep::~TOVExecGraphStep() = default;

void TOVExecGraphStep::SetHOverride(const TOVExecGraphStepRfHndlr& hStep) {
  if (hStep.Get() == this)
    TOVFatalInternalError("The step can't override itself");
  if (hStep.Get() == nullptr)
    TOVFatalInternalError("An override must be defined");
  if (hStep->GetHOverride().Get() != nullptr)
    TOVFatalInternalError("An override can't be overriden");
  _HOverride = hStep;
}

const TOVExecGraphStepRfHndlr& TOVExecGraphStep::GetHOverride() const {
  return _HOverride;
}

void TOVExecGraphStep::SetParentStep(const TOVExecGraphStep* parent) {
  _pParentStep = parent;
}

const TOVExecGraphStep* TOVExecGraphStep::GetParentStep() const {
  return _pParentStep;
}

void TOVExecGraphStep::SetRankIfGreater(int rank) {
  if (rank > _Rank)
    _Rank = rank;
}

int TOVExecGraphStep::GetRank() const {
  return _Rank;
}
