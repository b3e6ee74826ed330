#include "TOVIdObjConvIdToExtChars.h"
#include "TOVIdentifiedObject.h"

TOV_IMPLEMENT_CLASS(TOVIdObjConvIdToExtChars, TOVConvertor)

TOVIdObjConvIdToExtChars::TOVIdObjConvIdToExtChars() : _pObject(nullptr) {}

TOVIdObjConvIdToExtChars::TOVIdObjConvIdToExtChars(const TOVIdentifiedObject* object)
    : _pObject(nullptr) {
  Set(object);
}

TOVIdObjConvIdToExtChars::~TOVIdObjConvIdToExtChars() = default;

void TOVIdObjConvIdToExtChars::Set(const MORBaseUnknown* obj) {
  _pObject = TOVCheckedCast<TOVIdentifiedObject>(obj);
  if (_pObject == nullptr)
    _Converted.SetToDbNull();
  else
    _Converted.SetChars(_pObject->GetIdentifier());
}

const MORBaseUnknown* TOVIdObjConvIdToExtChars::GetConverted() const {
  return &_Converted;
}
