#include "TOVExecGraphNodeWithIdHashIdVal.h"
#include "TOVExecGraphNodeWithId.h"
#include "TOVFatalInternalError.h"
#include "TOVKindOf.h"
#include "TOVSharedInstance.h"

TOV_IMPLEMENT_CLASS(TOVExecGraphNodeWithIdHashIdVal, TOVStringExtCharsHash)

TOVExecGraphNodeWithIdHashIdVal* TOVExecGraphNodeWithIdHashIdVal::_pGlobal = nullptr;

TOVExecGraphNodeWithIdHashIdVal::~TOVExecGraphNodeWithIdHashIdVal() {
  TOVForgetSharedInstance(_pGlobal, this);
}

unsigned int TOVExecGraphNodeWithIdHashIdVal::Code(const MORBaseUnknown* pObject) const {
  if (pObject == nullptr)
    TOVFatalInternalError("pObject == NULL");
  const auto* node = TOVKindOf<TOVExecGraphNodeWithId>(pObject);
  return TOVStringExtCharsHash::Code(node != nullptr ? &node->GetIdentifier() : pObject);
}

TOVExecGraphNodeWithIdHashIdVal& TOVExecGraphNodeWithIdHashIdVal::GetGlobal() {
  return TOVGetSharedInstance(_pGlobal);
}
