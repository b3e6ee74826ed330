#include "TOVIteratorWithAllRfHndlr.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVIteratorWithAllRfHndlr, TOVIterator)

namespace {

// The iterator to wrap; a null one stops the process before anything uses it.
TOVIterator* CheckIterator(TOVIterator* it) {
  if (it == nullptr)
    TOVFatalInternalError("pIterator == NULL");
  return it;
}

} // namespace

TOVIteratorWithAllRfHndlr::TOVIteratorWithAllRfHndlr(TOVIterator* it,
                                                     const TOVContainerRfHndlr& hContainer,
                                                     const MORBaseUnknownRfHndlr& hPattern,
                                                     const TOVComparatorRfHndlr& hComparator)
    // Arguments are evaluated in no set order: each one checks the iterator.
    : TOVIterator(CheckIterator(it)->GetPattern(), CheckIterator(it)->WithPattern(),
                  &CheckIterator(it)->GetComparator()),
      _pIterator(it) {
  if (hComparator.Get() != nullptr && hComparator.Get() != &it->GetComparator())
    TOVFatalInternalError("Wrong comparator");
  if (hPattern.Get() != it->GetPattern())
    TOVFatalInternalError("Wrong Pattern");
  _HContainer = hContainer;
  _HPattern = hPattern;
  _HComparator = hComparator;
}

TOVIteratorWithAllRfHndlr::~TOVIteratorWithAllRfHndlr() {
  // The iterator goes first: it may point into the container that the handles keep.
  if (_pIterator != nullptr)
    _pIterator->Release();
}

MORBaseUnknown* TOVIteratorWithAllRfHndlr::Next() {
  return _pIterator->Next();
}

MORBaseUnknown* TOVIteratorWithAllRfHndlr::Previous() {
  return _pIterator->Previous();
}

void TOVIteratorWithAllRfHndlr::ToBegin() {
  _pIterator->ToBegin();
}

void TOVIteratorWithAllRfHndlr::ToEnd() {
  _pIterator->ToEnd();
}

TOVCursor* TOVIteratorWithAllRfHndlr::Position() {
  return _pIterator->Position();
}

void TOVIteratorWithAllRfHndlr::SetWithPattern(unsigned int withPattern) {
  _pIterator->SetWithPattern(withPattern);
}

unsigned int TOVIteratorWithAllRfHndlr::WithPattern() const {
  return _pIterator->WithPattern();
}

const MORBaseUnknown* TOVIteratorWithAllRfHndlr::GetPattern() const {
  return _pIterator->GetPattern();
}

void TOVIteratorWithAllRfHndlr::SetPattern(const MORBaseUnknown*) {
  TOVFatalInternalError("SetPattern() is prohibited here");
}

void TOVIteratorWithAllRfHndlr::SetComparator(const TOVComparator&) {
  TOVFatalInternalError("SetComparator() is prohibited here");
}

void TOVIteratorWithAllRfHndlr::SetHComparator(const TOVComparatorRfHndlr& hCmp) {
  _HComparator = hCmp;
  _pIterator->SetHComparator(hCmp);
}

const TOVComparator& TOVIteratorWithAllRfHndlr::GetComparator() const {
  return _pIterator->GetComparator();
}

const TOVComparatorRfHndlr& TOVIteratorWithAllRfHndlr::GetHComparator() const {
  return _pIterator->GetHComparator();
}
