#include "TOVHashTable.h"
#include "MORBaseUnknownCmpAddr.h"
#include "MORBaseUnknownHashAddr.h"
#include "TOVContainersLink.h"
#include "TOVFatalInternalError.h"
#include "TOVHashCursor.h"
#include "TOVHashIterator.h"

TOV_IMPLEMENT_CLASS(TOVHashTable, TOVDirAccContainer)

namespace {

const int kMaxDimension = 1073741824;

// Detaches the whole chain of bucket first (so that whatever action does to the table
// finds the bucket empty), then gives each object to action and frees its entry.
template <class Action> void EmptyBucket(TOVHashTable::Bucket& bucket, Action action) {
  TOVHashTable::Link* entry = bucket._Head._pNext;
  const TOVHashTable::Link* end = &bucket._Tail;
  bucket._Head._pNext = &bucket._Tail;
  bucket._Tail._pPrevious = &bucket._Head;
  while (entry != end) {
    TOVHashTable::Link* next = entry->_pNext;
    MORBaseUnknown* obj = entry->_pObject;
    delete entry;
    if (obj != nullptr)
      action(obj);
    entry = next;
  }
}

} // namespace

TOVHashTable::TOVHashTable(TOVContainerWhatToDoAtDeleteEnum whatToDo, int size)
    : TOVHashTable(MORBaseUnknownHashAddr::GetGlobal(), MORBaseUnknownCmpAddr::GetGlobal(),
                   whatToDo, size) {}

TOVHashTable::TOVHashTable(const TOVHashCoder& coder, const TOVComparator& cmp,
                           TOVContainerWhatToDoAtDeleteEnum whatToDo, int size)
    : TOVDirAccContainer(whatToDo), _Dimension(PowerTwoRounding(size)), _Count(0),
      _pBuckets(nullptr), _pCoder(&coder), _pComparator(&cmp) {
  Init();
}

TOVHashTable::TOVHashTable(const TOVHashTable& other)
    : TOVDirAccContainer(TOVContainerNothingAtDelete), _Dimension(0), _Count(0), _pBuckets(nullptr),
      _pCoder(other._pCoder), _pComparator(other._pComparator) {
  Copy(other);
}

TOVHashTable::~TOVHashTable() {
  ApplyWhatToDoAtDelete();
  Free();
}

TOVHashTable& TOVHashTable::operator=(const TOVHashTable& other) {
  if (ContainersLink() != nullptr)
    TOVFatalInternalError("Not yet implemented with a Link");
  if (&other != this) {
    Free();
    Copy(other);
  }
  return *this;
}

int TOVHashTable::PowerTwoRounding(int size) {
  int dimension = 16;
  while (size > dimension && dimension < kMaxDimension)
    dimension *= 2;
  return dimension;
}

void TOVHashTable::Init() {
  _pBuckets = new Bucket[_Dimension];
  for (int i = 0; i < _Dimension; ++i)
    BucketInit(_pBuckets[i]);
}

void TOVHashTable::Free() {
  if (_pBuckets != nullptr) {
    for (int i = 0; i < _Dimension; ++i)
      BucketDelete(_pBuckets[i]);
    delete[] _pBuckets;
    _pBuckets = nullptr;
  }
  _Count = 0;
}

void TOVHashTable::Copy(const TOVHashTable& other) {
  if (ContainersLink() != nullptr)
    TOVFatalInternalError("Not yet implemented with a Link");
  _Dimension = other._Dimension;
  Init();
  for (int i = 0; i < _Dimension; ++i) {
    const Bucket& source = other._pBuckets[i];
    for (const Link* entry = source._Head._pNext; entry != &source._Tail; entry = entry->_pNext)
      BucketInsert(_pBuckets[i], new Link{nullptr, nullptr, entry->_pObject, entry->_Code});
  }
  _Count = other._Count;
  _pCoder = other._pCoder;
  _pComparator = other._pComparator;
  SetWhatToDoAtDelete(other.WhatToDoAtDelete());
}

void TOVHashTable::ResizeTable() {
  if (_Dimension >= kMaxDimension)
    return;
  Bucket* grown = new Bucket[2 * _Dimension];
  for (int i = 0; i < _Dimension; ++i) {
    BucketInit(grown[i]);
    BucketInit(grown[i + _Dimension]);
    BucketMove(_pBuckets[i], grown[i], grown[i + _Dimension],
               static_cast<unsigned int>(_Dimension));
  }
  delete[] _pBuckets;
  _pBuckets = grown;
  _Dimension *= 2;
}

void TOVHashTable::BucketInit(Bucket& bucket) {
  bucket._Head = Link{&bucket._Tail, &bucket._Head, nullptr, 0};
  bucket._Tail = Link{&bucket._Tail, &bucket._Head, nullptr, 0};
}

void TOVHashTable::BucketDelete(Bucket& bucket) {
  EmptyBucket(bucket, [](MORBaseUnknown*) {});
}

void TOVHashTable::BucketReleaseElements(Bucket& bucket) {
  EmptyBucket(bucket, [](MORBaseUnknown* obj) { obj->Release(); });
}

void TOVHashTable::BucketDestroy(Bucket& bucket) {
  EmptyBucket(bucket, [](MORBaseUnknown* obj) { delete obj; });
}

TOVHashTable::Link* TOVHashTable::BucketSearch(const Bucket& bucket, const MORBaseUnknown* pattern,
                                               const TOVComparator& cmp) {
  for (Link* entry = bucket._Head._pNext; entry != &bucket._Tail; entry = entry->_pNext)
    if (cmp.CompareObjects(pattern, entry->_pObject) == 0)
      return entry;
  return nullptr;
}

void TOVHashTable::BucketInsert(Bucket& bucket, Link* entry) {
  Link* last = bucket._Tail._pPrevious;
  entry->_pNext = &bucket._Tail;
  entry->_pPrevious = last;
  last->_pNext = entry;
  bucket._Tail._pPrevious = entry;
}

void TOVHashTable::BucketMove(Bucket& from, Bucket& low, Bucket& high, unsigned int bit) {
  Link* entry = from._Head._pNext;
  while (entry != &from._Tail) {
    Link* next = entry->_pNext;
    BucketInsert((entry->_Code & bit) == 0 ? low : high, entry);
    entry = next;
  }
  BucketInit(from);
}

int TOVHashTable::Size() const {
  return _Count;
}

unsigned int TOVHashTable::IsEmpty() const {
  return _Count == 0 ? 1 : 0;
}

unsigned int TOVHashTable::Contains(const MORBaseUnknown* obj) const {
  const Bucket& bucket = BucketOf(_pCoder->Code(obj));
  for (const Link* entry = bucket._Head._pNext; entry != &bucket._Tail; entry = entry->_pNext)
    if (entry->_pObject == obj)
      return 1;
  return 0;
}

MORBaseUnknown* TOVHashTable::LookupOne(const MORBaseUnknown* pattern) const {
  return LookupOne(pattern, *_pComparator);
}

MORBaseUnknown* TOVHashTable::LookupOne(const MORBaseUnknown* pattern,
                                        const TOVComparator& cmp) const {
  const unsigned int code = _pCoder->Code(pattern);
  const Bucket& bucket = BucketOf(code);
  // The table's own comparator calls equal only objects of equal codes (the coder and
  // the comparator of a table go together), so an entry of another code is passed over
  // without a call. Any other comparator sees every entry of the bucket.
  if (&cmp == _pComparator) {
    for (Link* entry = bucket._Head._pNext; entry != &bucket._Tail; entry = entry->_pNext)
      if (entry->_Code == code && cmp.CompareObjects(pattern, entry->_pObject) == 0)
        return entry->_pObject;
    return nullptr;
  }
  Link* entry = BucketSearch(bucket, pattern, cmp);
  return entry != nullptr ? entry->_pObject : nullptr;
}

TOVIterator* TOVHashTable::LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern) const {
  return new TOVHashIterator(this, from, pattern, 1, _pComparator);
}

TOVIterator* TOVHashTable::LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern,
                                     const TOVComparator& cmp) const {
  return new TOVHashIterator(this, from, pattern, 1, &cmp);
}

TOVIterator* TOVHashTable::LookupAll(const MORBaseUnknown* pattern) const {
  return LookupAll(nullptr, pattern);
}

TOVIterator* TOVHashTable::LookupAll(const MORBaseUnknown* pattern,
                                     const TOVComparator& cmp) const {
  return LookupAll(nullptr, pattern, cmp);
}

TOVIterator* TOVHashTable::MakeIterator(const TOVCursor* from) const {
  return new TOVHashIterator(this, from, nullptr, 0, nullptr);
}

void TOVHashTable::AddEntry(MORBaseUnknown* obj) {
  const unsigned int code = _pCoder->Code(obj);
  BucketInsert(BucketOf(code), new Link{nullptr, nullptr, obj, code});
  ++_Count;
  if (static_cast<long long>(_Count) > 2LL * _Dimension)
    ResizeTable();
}

unsigned int TOVHashTable::RemoveEntries(const MORBaseUnknown* obj) {
  Bucket& bucket = BucketOf(_pCoder->Code(obj));
  unsigned int found = 0;
  Link* entry = bucket._Head._pNext;
  while (entry != &bucket._Tail) {
    Link* next = entry->_pNext;
    if (entry->_pObject == obj) {
      entry->_pPrevious->_pNext = next;
      next->_pPrevious = entry->_pPrevious;
      delete entry;
      --_Count;
      found = 1;
    }
    entry = next;
  }
  return found;
}

void TOVHashTable::Add(MORBaseUnknown* obj, unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->AddObject(obj, this);
  AddEntry(obj);
}

unsigned int TOVHashTable::Remove(const MORBaseUnknown* obj, unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->RemoveObject(obj, this);
  return RemoveEntries(obj);
}

unsigned int TOVHashTable::Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                                   unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->ReplaceObject(old, newObj, this);
  if (!RemoveEntries(old))
    return 0;
  AddEntry(newObj);
  return 1;
}

MORBaseUnknown* TOVHashTable::Remove(TOVCursor* c) {
  if (c == nullptr)
    TOVFatalInternalError("cursor is NULL");
  TOVHashCursor* cursor = TOVCheckedCast<TOVHashCursor>(c);
  const int index = cursor->GetBucket();
  Link* entry = cursor->GetEntry();
  // A sentinel, a position outside the table or an entry already removed through this
  // cursor holds nothing to remove.
  if (index < 0 || index >= _Dimension || entry == nullptr || cursor->OnRemoved())
    return nullptr;
  const Bucket& bucket = _pBuckets[index];
  if (entry == &bucket._Head || entry == &bucket._Tail)
    return nullptr;
  // The entry keeps its neighbours, so that the cursor can move on from it; the cursor
  // frees it when it does.
  entry->_pPrevious->_pNext = entry->_pNext;
  entry->_pNext->_pPrevious = entry->_pPrevious;
  cursor->AdoptRemoved();
  --_Count;
  MORBaseUnknown* obj = entry->_pObject;
  if (obj != nullptr && ContainersLink() != nullptr)
    ContainersLink()->RemoveObject(obj, this);
  return obj;
}

void TOVHashTable::TellClear() {
  if (ContainersLink() != nullptr)
    ContainersLink()->Clear(this);
}

template <class Action> void TOVHashTable::EmptyBuckets(Action action) {
  _Count = 0;
  for (int i = 0; i < _Dimension; ++i)
    action(_pBuckets[i]);
}

void TOVHashTable::Clear(unsigned int flag) {
  if (flag)
    TellClear();
  EmptyBuckets(BucketDelete);
}

void TOVHashTable::ReleaseElementsAndClear() {
  TellClear();
  EmptyBuckets(BucketReleaseElements);
}

void TOVHashTable::Destroy() {
  TellClear();
  EmptyBuckets(BucketDestroy);
}

int TOVHashTable::GetDimension() const {
  return _Dimension;
}

const TOVHashCoder& TOVHashTable::GetCoder() const {
  return *_pCoder;
}

const TOVComparator& TOVHashTable::GetComparator() const {
  return *_pComparator;
}

void TOVHashTable::SetCoder(const TOVHashCoder& coder) {
  _pCoder = &coder;
}

void TOVHashTable::SetComparator(const TOVComparator& cmp) {
  _pComparator = &cmp;
}
