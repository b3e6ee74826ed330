#include "TOVOneWayIteratorOnOneObject.h"

TOV_IMPLEMENT_CLASS(TOVOneWayIteratorOnOneObject, TOVOneWayIterator)

TOVOneWayIteratorOnOneObject::TOVOneWayIteratorOnOneObject(MORBaseUnknown* obj) : _pObject(obj) {}

TOVOneWayIteratorOnOneObject::~TOVOneWayIteratorOnOneObject() = default;

MORBaseUnknown* TOVOneWayIteratorOnOneObject::Next() {
  MORBaseUnknown* obj = _pObject;
  _pObject = nullptr;
  return obj;
}

void TOVOneWayIteratorOnOneObject::SetpObject(MORBaseUnknown* obj) {
  _pObject = obj;
}
