#include "TOVSearchOnFamilyAndName.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVSearchOnFamilyAndName, TOVFamilyAndName)

TOVSearchOnFamilyAndName::TOVSearchOnFamilyAndName() : _pFamily(nullptr) {}

TOVSearchOnFamilyAndName::TOVSearchOnFamilyAndName(const TOVMappedCode& family,
                                                   const TOVString& name)
    : _pFamily(&family), _Name(name) {}

TOVSearchOnFamilyAndName::~TOVSearchOnFamilyAndName() = default;

const TOVMappedCode& TOVSearchOnFamilyAndName::GetFamily() const {
  if (_pFamily == nullptr)
    TOVFatalInternalError("_pFamily == NULL");
  return *_pFamily;
}

const TOVString& TOVSearchOnFamilyAndName::GetName() const {
  return _Name;
}

void TOVSearchOnFamilyAndName::SetFamily(const TOVMappedCode& family) {
  _pFamily = &family;
}

void TOVSearchOnFamilyAndName::SetName(const TOVString& name) {
  _Name = name;
}
