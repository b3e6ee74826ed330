#include "TOVExecGraphNodeWithId.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeWithId, TOVExecGraphNode)

TOVExecGraphNodeWithId::TOVExecGraphNodeWithId(const TOVString& identifier)
    : _Identifier(identifier) {}

TOVExecGraphNodeWithId::~TOVExecGraphNodeWithId() = default;

const TOVString& TOVExecGraphNodeWithId::GetIdentifier() const {
  return _Identifier;
}
