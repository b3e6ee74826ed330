#include "TOVVolatileOneWayIteratorForIterator.h"
#include "TOVConvertStep.h"
#include "TOVOneWayIterator.h"

TOV_IMPLEMENT_CLASS(TOVVolatileOneWayIteratorForIterator, TOVVolatileOneWayIterator)

TOVVolatileOneWayIteratorForIterator::TOVVolatileOneWayIteratorForIterator(
    TOVOneWayIterator& source, TOVConvertor* conv)
    : _Source(source), _pConvertor(conv) {}

TOVVolatileOneWayIteratorForIterator::~TOVVolatileOneWayIteratorForIterator() = default;

long TOVVolatileOneWayIteratorForIterator::Next(const MORBaseUnknown*& out) {
  out = Next();
  return 0;
}

const MORBaseUnknown* TOVVolatileOneWayIteratorForIterator::Next() {
  return TOVConvertStep(_pConvertor, _Source.Next());
}
