// An execution-graph node named by an identifier.
#ifndef TOVEXECGRAPHNODEWITHID_H
#define TOVEXECGRAPHNODEWITHID_H

#include "TOVExecGraphNode.h"
#include "TOVString.h"

class TOVBASIC_API TOVExecGraphNodeWithId : public TOVExecGraphNode {
  TOV_DECLARE_CLASS(TOVExecGraphNodeWithId)

public:
  /// Copies the identifier.
  explicit TOVExecGraphNodeWithId(const TOVString& identifier);
  ~TOVExecGraphNodeWithId() override;

  virtual const TOVString& GetIdentifier() const;

private:
  TOVString _Identifier;
};

#endif
