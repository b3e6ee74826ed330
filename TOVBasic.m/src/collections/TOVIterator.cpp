#include "TOVIterator.h"
#include "MORBaseUnknownCmpAddr.h"

TOV_IMPLEMENT_CLASS(TOVIterator, TOVOneWayIterator)

TOVIterator::TOVIterator(const MORBaseUnknown* pattern, unsigned int withPattern,
                         const TOVComparator* cmp)
    : _pPattern(pattern), _WithPattern(withPattern), _pComparator(nullptr) {
  TOVIterator::SetComparator(cmp != nullptr ? *cmp : MORBaseUnknownCmpAddr::GetGlobal());
}

TOVIterator::TOVIterator(const MORBaseUnknown* pattern, unsigned int withPattern,
                         const TOVComparatorRfHndlr& hCmp)
    : _pPattern(pattern), _WithPattern(withPattern), _pComparator(nullptr) {
  TOVIterator::SetHComparator(hCmp);
}

TOVIterator::~TOVIterator() = default;

void TOVIterator::SetWithPattern(unsigned int withPattern) {
  _WithPattern = withPattern;
}

unsigned int TOVIterator::WithPattern() const {
  return _WithPattern;
}

const MORBaseUnknown* TOVIterator::GetPattern() const {
  return _pPattern;
}

void TOVIterator::SetPattern(const MORBaseUnknown* pattern) {
  _pPattern = pattern;
}

void TOVIterator::SetComparator(const TOVComparator& cmp) {
  _pComparator = &cmp;
  _HComparator.Set(TOVRfHndlrAddRef, nullptr);
}

void TOVIterator::SetHComparator(const TOVComparatorRfHndlr& hCmp) {
  if (hCmp.Get() == nullptr)
    _HComparator.Set(TOVRfHndlrAddRef, &MORBaseUnknownCmpAddr::GetGlobal());
  else
    _HComparator = hCmp;
  _pComparator = _HComparator.Get();
}

const TOVComparator& TOVIterator::GetComparator() const {
  return *_pComparator;
}

const TOVComparatorRfHndlr& TOVIterator::GetHComparator() const {
  return _HComparator;
}
