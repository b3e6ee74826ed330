#include "TOVExecGraphNodeWithIdCmpIdVal.h"
#include "TOVExecGraphNodeWithId.h"
#include "TOVFatalInternalError.h"
#include "TOVKindOf.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeWithIdCmpIdVal, TOVStringExtCharsCmp)

TOVExecGraphNodeWithIdCmpIdVal* TOVExecGraphNodeWithIdCmpIdVal::_pGlobal = nullptr;

TOVExecGraphNodeWithIdCmpIdVal::~TOVExecGraphNodeWithIdCmpIdVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

namespace {

/// The identifier of a node with identifier; any other object as it is.
const MORBaseUnknown* IdentifierOf(const MORBaseUnknown* obj) {
  const auto* node = TOVKindOf<TOVExecGraphNodeWithId>(obj);
  return node != nullptr ? &node->GetIdentifier() : obj;
}

} // namespace

int TOVExecGraphNodeWithIdCmpIdVal::CompareObjects(const MORBaseUnknown* pObj1,
                                                   const MORBaseUnknown* pObj2) const {
  if (pObj1 == nullptr || pObj2 == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  return TOVStringExtCharsCmp::CompareObjects(IdentifierOf(pObj1), IdentifierOf(pObj2));
}

TOVExecGraphNodeWithIdCmpIdVal& TOVExecGraphNodeWithIdCmpIdVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
