#include "TOVExecGraphNodeLink.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeLink, MORBaseUnknown)

TOVExecGraphNodeLink::TOVExecGraphNodeLink(TOVExecGraphNode* parent, TOVExecGraphNode& node)
    : TOVExecGraphLinkOf(parent, node) {}

TOVExecGraphNodeLink::TOVExecGraphNodeLink(const TOVExecGraphNodeLink& other) = default;
TOVExecGraphNodeLink::~TOVExecGraphNodeLink() = default;
TOVExecGraphNodeLink& TOVExecGraphNodeLink::operator=(const TOVExecGraphNodeLink& other) = default;

TOVExecGraphNode* TOVExecGraphNodeLink::GetParentNode() const {
  return _pParent;
}

TOVExecGraphNode& TOVExecGraphNodeLink::GetNode() const {
  return *_pChild;
}
