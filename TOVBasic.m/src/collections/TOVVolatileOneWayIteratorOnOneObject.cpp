#include "TOVVolatileOneWayIteratorOnOneObject.h"

TOV_IMPLEMENT_CLASS(TOVVolatileOneWayIteratorOnOneObject, TOVVolatileOneWayIterator)

TOVVolatileOneWayIteratorOnOneObject::TOVVolatileOneWayIteratorOnOneObject(
    const MORBaseUnknown* obj)
    : _pObject(obj) {}

TOVVolatileOneWayIteratorOnOneObject::~TOVVolatileOneWayIteratorOnOneObject() = default;

long TOVVolatileOneWayIteratorOnOneObject::Next(const MORBaseUnknown*& out) {
  out = Next();
  return 0;
}

const MORBaseUnknown* TOVVolatileOneWayIteratorOnOneObject::Next() {
  const MORBaseUnknown* obj = _pObject;
  _pObject = nullptr;
  return obj;
}

void TOVVolatileOneWayIteratorOnOneObject::SetpObject(const MORBaseUnknown* obj) {
  _pObject = obj;
}
