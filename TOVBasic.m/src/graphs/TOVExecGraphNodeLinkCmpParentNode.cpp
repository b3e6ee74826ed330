#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphNode.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVFatalInternalError.h"
#include "TOVKindOf.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeLinkCmpParentNode, MORBaseUnknownCmpAddr)

TOVExecGraphNodeLinkCmpParentNode* TOVExecGraphNodeLinkCmpParentNode::_pGlobal = nullptr;

TOVExecGraphNodeLinkCmpParentNode::~TOVExecGraphNodeLinkCmpParentNode() {
  TOVForgetSharedInstance(_pGlobal, this);
}

namespace {

/// The parent node of a link; a node or null as it is.
const MORBaseUnknown* ParentNodeOf(const MORBaseUnknown* obj, const char* which) {
  if (obj == nullptr)
    return nullptr;
  if (const auto* link = TOVKindOf<TOVExecGraphNodeLink>(obj))
    return link->GetParentNode();
  if (TOVKindOf<TOVExecGraphNode>(obj) != nullptr)
    return obj;
  TOVFatalInternalError(which, " is neither an TOVExecGraphNodeLink nor an TOVExecGraphNode but a ",
                        obj->IsA());
}

} // namespace

int TOVExecGraphNodeLinkCmpParentNode::CompareObjects(const MORBaseUnknown* pObj1,
                                                      const MORBaseUnknown* pObj2) const {
  return MORBaseUnknownCmpAddr::CompareObjects(ParentNodeOf(pObj1, "pObj1"),
                                               ParentNodeOf(pObj2, "pObj2"));
}

TOVExecGraphNodeLinkCmpParentNode& TOVExecGraphNodeLinkCmpParentNode::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
