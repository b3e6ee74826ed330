#include "TOVExecGraphStepLink.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphStepLink, MORBaseUnknown)

TOVExecGraphStepLink::TOVExecGraphStepLink(TOVExecGraphStep* parent, TOVExecGraphStep& step)
    : TOVExecGraphLinkOf(parent, step) {}

TOVExecGraphStepLink::TOVExecGraphStepLink(const TOVExecGraphStepLink& other) = default;
TOVExecGraphStepLink::~TOVExecGraphStepLink() = default;
TOVExecGraphStepLink& TOVExecGraphStepLink::operator=(const TOVExecGraphStepLink& other) = default;

TOVExecGraphStep* TOVExecGraphStepLink::GetParentStep() const {
  return _pParent;
}

TOVExecGraphStep& TOVExecGraphStepLink::GetStep() const {
  return *_pChild;
}
