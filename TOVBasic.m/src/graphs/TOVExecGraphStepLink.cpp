#include "TOVExecGraphStepLink.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphStepLink, MORBaseUnknown)

TOVExecGraphStepLink::TOVExecGraphStepLink(TOVExecGraphStep* parent, TOVExecGraphStep& step)
    : _pParentStep(parent), _pStep(&step) {}

TOVExecGraphStepLink::TOVExecGraphStepLink(const TOVExecGraphStepLink& other)
    : MORBaseUnknown(), _pParentStep(other._pParentStep), _pStep(other._pStep) {}

TOVExecGraphStepLink::~TOVExecGraphStepLink() = default;

TOVExecGraphStepLink& TOVExecGraphStepLink::operator=(const TOVExecGraphStepLink& other) {
  _pParentStep = other._pParentStep;
  _pStep = other._pStep;
  return *this;
}

TOVExecGraphStep* TOVExecGraphStepLink::GetParentStep() const {
  return _pParentStep;
}

TOVExecGraphStep& TOVExecGraphStepLink::GetStep() const {
  return *_pStep;
}
