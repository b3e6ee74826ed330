#include "TOVExecGraphNodeLink.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeLink, MORBaseUnknown)

TOVExecGraphNodeLink::TOVExecGraphNodeLink(TOVExecGraphNode* parent, TOVExecGraphNode& node)
    : _pParentNode(parent), _pNode(&node) {}

TOVExecGraphNodeLink::TOVExecGraphNodeLink(const TOVExecGraphNodeLink& other)
    : MORBaseUnknown(), _pParentNode(other._pParentNode), _pNode(other._pNode) {}

TOVExecGraphNodeLink::~TOVExecGraphNodeLink() = default;

TOVExecGraphNodeLink& TOVExecGraphNodeLink::operator=(const TOVExecGraphNodeLink& other) {
  _pParentNode = other._pParentNode;
  _pNode = other._pNode;
  return *this;
}

TOVExecGraphNode* TOVExecGraphNodeLink::GetParentNode() const {
  return _pParentNode;
}

TOVExecGraphNode& TOVExecGraphNodeLink::GetNode() const {
  return *_pNode;
}
