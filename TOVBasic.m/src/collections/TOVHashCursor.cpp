#include "TOVHashCursor.h"

TOV_IMPLEMENT_CLASS(TOVHashCursor, TOVCursor)

TOVHashCursor::~TOVHashCursor() {
  FreeRemoved();
}

TOVHashCursor& TOVHashCursor::operator=(const TOVHashCursor& other) {
  SetPosition(other._Bucket, other._pEntry);
  return *this;
}

void TOVHashCursor::SetPosition(int bucket, TOVHashTable::Link* entry) {
  _Bucket = bucket;
  _pEntry = entry;
  if (_pRemoved != nullptr && _pRemoved != entry)
    FreeRemoved();
}

void TOVHashCursor::AdoptRemoved() {
  if (_pRemoved != _pEntry)
    FreeRemoved();
  _pRemoved = _pEntry;
}

void TOVHashCursor::FreeRemoved() {
  delete _pRemoved;
  _pRemoved = nullptr;
}
