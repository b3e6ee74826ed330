#include "TOVMacro.h"
#include "TOVFatalInternalError.h"

namespace {

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
