#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphNode.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVExecGraphParentOf.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeLinkCmpParentNode, MORBaseUnknownCmpAddr)

TOVExecGraphNodeLinkCmpParentNode* TOVExecGraphNodeLinkCmpParentNode::_pGlobal = nullptr;

TOVExecGraphNodeLinkCmpParentNode::~TOVExecGraphNodeLinkCmpParentNode() {
  TOVForgetSharedInstance(_pGlobal, this);
}

int TOVExecGraphNodeLinkCmpParentNode::CompareObjects(const MORBaseUnknown* pObj1,
                                                      const MORBaseUnknown* pObj2) const {
  return TOVExecGraphCompareParents<TOVExecGraphNodeLink, TOVExecGraphNode,
                                    &TOVExecGraphNodeLink::GetParentNode, MORBaseUnknownCmpAddr>(
      *this, pObj1, pObj2, __FILE__, __LINE__);
}

TOVExecGraphNodeLinkCmpParentNode& TOVExecGraphNodeLinkCmpParentNode::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
