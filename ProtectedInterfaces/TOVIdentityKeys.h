// What the identity comparators and hash coders compare: an object's code, identifier or
// family in place of the object, any other object (a key) as it is.
#ifndef TOVIDENTITYKEYS_H
#define TOVIDENTITYKEYS_H

#include "TOVKindOf.h"
#include "TOVMappedCode.h"

/// The code of a mapped code; any other object as it is.
inline const MORBaseUnknown* TOVCodeOrKey(const MORBaseUnknown* obj) {
  const auto* code = TOVKindOf<TOVMappedCode>(obj);
  return code != nullptr ? &code->GetCode() : obj;
}

#endif
