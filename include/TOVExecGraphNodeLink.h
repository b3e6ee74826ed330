// A link from a parent node to a node of an execution graph.
#ifndef TOVEXECGRAPHNODELINK_H
#define TOVEXECGRAPHNODELINK_H

#include "TOVExecGraphLinkOf.h"

class TOVExecGraphNode;

/// Neither node is owned; the parent may be null.
class TOVBASIC_API TOVExecGraphNodeLink : public TOVExecGraphLinkOf<TOVExecGraphNode> {
  TOV_DECLARE_CLASS(TOVExecGraphNodeLink)

public:
  TOVExecGraphNodeLink(TOVExecGraphNode* parent, TOVExecGraphNode& node);
  TOVExecGraphNodeLink(const TOVExecGraphNodeLink& other);
  ~TOVExecGraphNodeLink() override;
  TOVExecGraphNodeLink& operator=(const TOVExecGraphNodeLink& other);

  virtual TOVExecGraphNode* GetParentNode() const;
  virtual TOVExecGraphNode& GetNode() const;
};

#endif
