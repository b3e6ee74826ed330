// A link from a parent step to a step; a root link has no parent step.
#ifndef TOVEXECGRAPHSTEPLINK_H
#define TOVEXECGRAPHSTEPLINK_H

#include "TOVExecGraphLinkOf.h"

class TOVExecGraphStep;

/// Neither step is owned; the parent is null for a root link.
class TOVBASIC_API TOVExecGraphStepLink : public TOVExecGraphLinkOf<TOVExecGraphStep> {
  TOV_DECLARE_CLASS(TOVExecGraphStepLink)

public:
  TOVExecGraphStepLink(TOVExecGraphStep* parent, TOVExecGraphStep& step);
  TOVExecGraphStepLink(const TOVExecGraphStepLink& other);
  ~TOVExecGraphStepLink() override;
  TOVExecGraphStepLink& operator=(const TOVExecGraphStepLink& other);

  virtual TOVExecGraphStep* GetParentStep() const;
  virtual TOVExecGraphStep& GetStep() const;
};

#endif
