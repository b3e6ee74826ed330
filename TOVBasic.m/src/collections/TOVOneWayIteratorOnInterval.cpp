#include "TOVOneWayIteratorOnInterval.h"
#include "TOVVector.h"

TOV_IMPLEMENT_CLASS(TOVOneWayIteratorOnInterval, TOVOneWayIterator)

TOVOneWayIteratorOnInterval::TOVOneWayIteratorOnInterval(const TOVVector& v, int first, int count)
    : _Vector(v), _First(first), _Current(first), _Last(first + count - 1) {}

TOVOneWayIteratorOnInterval::~TOVOneWayIteratorOnInterval() = default;

MORBaseUnknown* TOVOneWayIteratorOnInterval::Next() {
  if (_Current > _Last)
    return nullptr;
  return _Vector[_Current++];
}

void TOVOneWayIteratorOnInterval::ToBegin() {
  _Current = _First;
}
