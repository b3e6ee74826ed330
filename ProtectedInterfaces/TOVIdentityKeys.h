// What the identity comparators and hash coders compare: an object's code, identifier or
// family in place of the object, any other object (a key) as it is.
#ifndef TOVIDENTITYKEYS_H
#define TOVIDENTITYKEYS_H

#include "TOVFamilyAndName.h"
#include "TOVIdentifiedObject.h"
#include "TOVKindOf.h"
#include "TOVMappedCode.h"

/// The code of a mapped code; any other object as it is.
inline const MORBaseUnknown* TOVCodeOrKey(const MORBaseUnknown* obj) {
  const auto* code = TOVKindOf<TOVMappedCode>(obj);
  return code != nullptr ? &code->GetCode() : obj;
}

/// The identifier of an identified object; any other object as it is.
inline const MORBaseUnknown* TOVIdentifierOrKey(const MORBaseUnknown* obj) {
  const auto* identified = TOVKindOf<TOVIdentifiedObject>(obj);
  return identified != nullptr ? &identified->GetIdentifier() : obj;
}

/// The family of an object with a family; any other object as it is.
inline const MORBaseUnknown* TOVFamilyOrKey(const MORBaseUnknown* obj) {
  const auto* member = TOVKindOf<TOVObjWithFamily>(obj);
  return member != nullptr ? &member->GetFamily() : obj;
}

#endif
