#include "TOVIdAndParentId.h"

TOV_IMPLEMENT_CLASS(TOVIdAndParentId, TOVIdentifiedObject)

TOVIdAndParentId::TOVIdAndParentId(const TOVString& identifier, const TOVString& parentId)
    : _Identifier(identifier), _ParentId(parentId) {}

TOVIdAndParentId::~TOVIdAndParentId() = default;

const TOVString& TOVIdAndParentId::GetIdentifier() const {
  return _Identifier;
}

const TOVString& TOVIdAndParentId::GetParentId() const {
  return _ParentId;
}
