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

void TOVHashIterator::BucketNext(Bucket* bucket, Link*& entry) {
  if (entry != &bucket->_Tail)
    entry = entry->_pNext;
  while (entry != &bucket->_Tail && !Matches(entry->_pObject))
    entry = entry->_pNext;
}

void TOVHashIterator::BucketPrevious(Bucket* bucket, Link*& entry) {
  if (entry != &bucket->_Head)
    entry = entry->_pPrevious;
  while (entry != &bucket->_Head && !Matches(entry->_pObject))
    entry = entry->_pPrevious;
}

MORBaseUnknown* TOVHashIterator::Next() {
  if (_pTable == nullptr)
    return nullptr;
  int index = _Cursor.GetBucket();
  // A cursor that designates no place of this table starts from the beginning.
  if (index < 0 || index >= _pTable->_Dimension || _Cursor.GetEntry() == nullptr) {
    ToBegin();
    index = _Cursor.GetBucket();
  }
  Link* entry = _Cursor.GetEntry();
  for (;;) {
    Bucket* bucket = &_pTable->_pBuckets[index];
    BucketNext(bucket, entry);
    if (entry != &bucket->_Tail) {
      _Cursor.SetPosition(index, entry);
      return entry->_pObject;
    }
    if (PatternFlag() || index == _pTable->_Dimension - 1) {
      _Cursor.SetPosition(index, entry);
      return nullptr;
    }
    ++index;
    entry = &_pTable->_pBuckets[index]._Head;
  }
}

MORBaseUnknown* TOVHashIterator::Previous() {
  if (_pTable == nullptr)
    return nullptr;
  int index = _Cursor.GetBucket();
  if (index < 0 || index >= _pTable->_Dimension || _Cursor.GetEntry() == nullptr) {
    ToEnd();
    index = _Cursor.GetBucket();
  }
  Link* entry = _Cursor.GetEntry();
  for (;;) {
    Bucket* bucket = &_pTable->_pBuckets[index];
    BucketPrevious(bucket, entry);
    if (entry != &bucket->_Head) {
      _Cursor.SetPosition(index, entry);
      return entry->_pObject;
    }
    if (PatternFlag() || index == 0) {
      _Cursor.SetPosition(index, entry);
      return nullptr;
    }
    --index;
    entry = &_pTable->_pBuckets[index]._Tail;
  }
}
