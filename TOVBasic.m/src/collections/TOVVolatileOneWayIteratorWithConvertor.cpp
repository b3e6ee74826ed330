#include "TOVVolatileOneWayIteratorWithConvertor.h"
#include "TOVConvertStep.h"

TOV_IMPLEMENT_CLASS(TOVVolatileOneWayIteratorWithConvertor, TOVVolatileOneWayIterator)

TOVVolatileOneWayIteratorWithConvertor::TOVVolatileOneWayIteratorWithConvertor(
    TOVVolatileOneWayIterator& source, TOVConvertor& conv)
    : _Source(source), _Convertor(conv) {}

TOVVolatileOneWayIteratorWithConvertor::~TOVVolatileOneWayIteratorWithConvertor() = default;

long TOVVolatileOneWayIteratorWithConvertor::Next(const MORBaseUnknown*& out) {
  out = Next();
  return 0;
}

const MORBaseUnknown* TOVVolatileOneWayIteratorWithConvertor::Next() {
  return TOVConvertStep(&_Convertor, _Source.Next());
}
