#include "TOVSearchOnFamily.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVSearchOnFamily, TOVObjWithFamily)

TOVSearchOnFamily::TOVSearchOnFamily() : _pFamily(nullptr) {}

TOVSearchOnFamily::TOVSearchOnFamily(const TOVMappedCode& family) : _pFamily(&family) {}

TOVSearchOnFamily::~TOVSearchOnFamily() = default;

const TOVMappedCode& TOVSearchOnFamily::GetFamily() const {
  if (_pFamily == nullptr)
    TOVFatalInternalError("_pFamily == NULL");
  return *_pFamily;
}

void TOVSearchOnFamily::SetFamily(const TOVMappedCode& family) {
  _pFamily = &family;
}
