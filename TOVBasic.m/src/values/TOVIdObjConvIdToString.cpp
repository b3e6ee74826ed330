#include "TOVIdObjConvIdToString.h"
#include "TOVIdentifiedObject.h"

TOV_IMPLEMENT_CLASS(TOVIdObjConvIdToString, TOVConvertor)

TOVIdObjConvIdToString::TOVIdObjConvIdToString() : _pObject(nullptr) {}

TOVIdObjConvIdToString::TOVIdObjConvIdToString(const TOVIdentifiedObject* object)
    : _pObject(nullptr) {
  Set(object);
}

TOVIdObjConvIdToString::~TOVIdObjConvIdToString() = default;

void TOVIdObjConvIdToString::Set(const MORBaseUnknown* obj) {
  _pObject = TOVCheckedCast<TOVIdentifiedObject>(obj);
}

const MORBaseUnknown* TOVIdObjConvIdToString::GetConverted() const {
  return _pObject != nullptr ? &_pObject->GetIdentifier() : nullptr;
}
