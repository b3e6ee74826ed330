// Compares node links (or a link and a node) by the address of the parent node.
#ifndef TOVEXECGRAPHNODELINKCMPPARENTNODE_H
#define TOVEXECGRAPHNODELINKCMPPARENTNODE_H

#include "MORBaseUnknownCmpAddr.h"

class TOVBASIC_API TOVExecGraphNodeLinkCmpParentNode : public MORBaseUnknownCmpAddr {
  TOV_DECLARE_CLASS(TOVExecGraphNodeLinkCmpParentNode)

public:
  TOVExecGraphNodeLinkCmpParentNode() = default;
  ~TOVExecGraphNodeLinkCmpParentNode() override;

  /// Each link is replaced by its parent node, a node (or null) stays itself; any other
  /// class is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExecGraphNodeLinkCmpParentNode& GetGlobal();

private:
  static TOVExecGraphNodeLinkCmpParentNode* _pGlobal;
};

#endif
