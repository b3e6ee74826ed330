#include "TOVVolatileIteratorOnPatternForContainer.h"
#include "TOVContainer.h"
#include "TOVConvertStep.h"
#include "TOVFatalInternalError.h"
#include "TOVIterator.h"

TOV_IMPLEMENT_CLASS(TOVVolatileIteratorOnPatternForContainer, TOVVolatileIteratorOnPattern)

TOVVolatileIteratorOnPatternForContainer::TOVVolatileIteratorOnPatternForContainer(
    const TOVContainer& container, const TOVComparator* cmp, TOVConvertor* conv)
    : _Container(container), _pComparator(cmp), _pConvertor(conv), _pIterator(nullptr) {}

TOVVolatileIteratorOnPatternForContainer::~TOVVolatileIteratorOnPatternForContainer() {
  if (_pIterator != nullptr)
    _pIterator->Release();
}

long TOVVolatileIteratorOnPatternForContainer::Next(const MORBaseUnknown*& out) {
  out = Next();
  return 0;
}

const MORBaseUnknown* TOVVolatileIteratorOnPatternForContainer::Next() {
  if (_pIterator == nullptr)
    TOVFatalInternalError("GoToFirst() must be called before");
  return TOVConvertStep(_pConvertor, _pIterator->Next());
}

void TOVVolatileIteratorOnPatternForContainer::GoToFirst(const MORBaseUnknown* pattern) {
  if (_pIterator == nullptr) {
    _pIterator = _pComparator == nullptr ? _Container.LookupAll(pattern)
                                         : _Container.LookupAll(pattern, *_pComparator);
    return;
  }
  _pIterator->SetPattern(pattern);
  _pIterator->ToBegin();
}
