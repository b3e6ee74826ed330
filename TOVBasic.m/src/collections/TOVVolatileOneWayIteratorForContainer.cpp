#include "TOVVolatileOneWayIteratorForContainer.h"
#include "TOVContainer.h"
#include "TOVConvertStep.h"
#include "TOVIterator.h"

TOV_IMPLEMENT_CLASS(TOVVolatileOneWayIteratorForContainer, TOVVolatileOneWayIterator)

TOVVolatileOneWayIteratorForContainer::TOVVolatileOneWayIteratorForContainer(
    const TOVContainer& container, TOVConvertor* conv)
    : _Container(container), _pIterator(nullptr), _pConvertor(conv) {}

TOVVolatileOneWayIteratorForContainer::~TOVVolatileOneWayIteratorForContainer() {
  if (_pIterator != nullptr)
    _pIterator->Release();
}

long TOVVolatileOneWayIteratorForContainer::Next(const MORBaseUnknown*& out) {
  out = Next();
  return 0;
}

const MORBaseUnknown* TOVVolatileOneWayIteratorForContainer::Next() {
  if (_pIterator == nullptr)
    _pIterator = _Container.MakeIterator(nullptr);
  return TOVConvertStep(_pConvertor, _pIterator->Next());
}
