#include "TOVMacro.h"
#include "TOVFatalInternalError.h"

namespace {

// Head of the list of class records; constant-initialized, so records made by the
// static initializers of any module find it ready.
const TOVClassRecord* gFirstClassRecord = nullptr;

const MORBaseUnknown* Check(const MORBaseUnknown* object, MORMetaClass* expected) {
  if (object == nullptr)
    return nullptr;
  if (expected == nullptr)
    TOVFatalInternalError("pMetaClass is NULL");
  if (!object->GetMetaObject()->IsAKindOf(expected))
    TOVFatalInternalError("TOVConversionCheck::Check: object is not a \"", expected->_Name,
                          "\" but a \"", object->IsA(), "\"");
  return object;
}

} // namespace

extern "C" MORBaseUnknown* TOVConversionCheckVar(MORBaseUnknown* object, MORMetaClass* expected) {
  return const_cast<MORBaseUnknown*>(Check(object, expected));
}

extern "C" const MORBaseUnknown* TOVConversionCheckConst(const MORBaseUnknown* object,
                                                         MORMetaClass* expected) {
  return Check(object, expected);
}

extern "C" MORBaseUnknown* TOVConversionCheckConstToVar(const MORBaseUnknown* object,
                                                        MORMetaClass* expected) {
  return const_cast<MORBaseUnknown*>(Check(object, expected));
}

TOVClassRecord::TOVClassRecord(MORMetaClass* (*metaObject)())
    : _pMetaObject(metaObject), _pNext(gFirstClassRecord) {
  gFirstClassRecord = this;
}

extern "C" int TOVRegisterAllClasses() {
  int count = 0;
  for (const TOVClassRecord* r = gFirstClassRecord; r != nullptr; r = r->_pNext, ++count)
    r->_pMetaObject();
  return count;
}
