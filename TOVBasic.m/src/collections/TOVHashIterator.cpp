#include "TOVHashIterator.h"
#include "TOVHashCoder.h"

TOV_IMPLEMENT_CLASS(TOVHashIterator, TOVIterator)

TOVHashIterator::TOVHashIterator(const TOVHashTable* table, const MORBaseUnknown* pattern,
                                 unsigned int withPattern, const TOVComparator* cmp)
    : TOVHashIterator(table, nullptr, pattern, withPattern, cmp) {}

TOVHashIterator::TOVHashIterator(const TOVHashTable* table, const TOVCursor* from,
                                 const MORBaseUnknown* pattern, unsigned int withPattern,
                                 const TOVComparator* cmp)
    : TOVIterator(pattern, withPattern, cmp), _pTable(table) {
  if (from != nullptr)
    _Cursor = *TOVCheckedCast<TOVHashCursor>(from);
  else
    TOVHashIterator::ToBegin();
}

TOVHashIterator::~TOVHashIterator() = default;

int TOVHashIterator::PatternBucket() const {
  return static_cast<int>(_pTable->_pCoder->Code(GetPattern()) &
                          static_cast<unsigned int>(_pTable->_Dimension - 1));
}

void TOVHashIterator::ToBegin() {
  if (_pTable == nullptr)
    return;
  int index = PatternFlag() ? PatternBucket() : 0;
  _Cursor.SetPosition(index, &_pTable->_pBuckets[index]._Head);
}

void TOVHashIterator::ToEnd() {
  if (_pTable == nullptr)
    return;
  int index = PatternFlag() ? PatternBucket() : _pTable->_Dimension - 1;
  _Cursor.SetPosition(index, &_pTable->_pBuckets[index]._Tail);
}

TOVCursor* TOVHashIterator::Position() {
  return &_Cursor;
}

void TOVHashIterator::BucketStep(const Link* end, bool forward, Link*& entry) {
  auto step = [forward](const Link* e) { return forward ? e->_pNext : e->_pPrevious; };
  if (entry != end)
    entry = step(entry);
  while (entry != end && !Matches(entry->_pObject))
    entry = step(entry);
}

MORBaseUnknown* TOVHashIterator::Step(bool forward) {
  if (_pTable == nullptr)
    return nullptr;
  int index = _Cursor.GetBucket();
  // A cursor that designates no place of this table starts from the beginning (forward)
  // or the end (backward).
  if (index < 0 || index >= _pTable->_Dimension || _Cursor.GetEntry() == nullptr) {
    if (forward)
      ToBegin();
    else
      ToEnd();
    index = _Cursor.GetBucket();
  }
  const int last = forward ? _pTable->_Dimension - 1 : 0;
  Link* entry = _Cursor.GetEntry();
  for (;;) {
    Bucket* bucket = &_pTable->_pBuckets[index];
    const Link* end = forward ? &bucket->_Tail : &bucket->_Head;
    BucketStep(end, forward, entry);
    if (entry != end) {
      _Cursor.SetPosition(index, entry);
      return entry->_pObject;
    }
    if (PatternFlag() || index == last) {
      _Cursor.SetPosition(index, entry);
      return nullptr;
    }
    index += forward ? 1 : -1;
    entry = forward ? &_pTable->_pBuckets[index]._Head : &_pTable->_pBuckets[index]._Tail;
  }
}

MORBaseUnknown* TOVHashIterator::Next() {
  return Step(true);
}

MORBaseUnknown* TOVHashIterator::Previous() {
  return Step(false);
}
