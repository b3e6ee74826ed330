#include "TOVVector.h"
#include "MORBaseUnknownCmpAddr.h"
#include "TOVContainersLink.h"
#include "TOVFatalInternalError.h"
#include "TOVVectorCursor.h"
#include "TOVVectorIterator.h"

#include <cstdlib>
#include <cstring>

TOV_IMPLEMENT_CLASS(TOVVector, TOVSeqCollection)

namespace {

MORBaseUnknown** AllocateSlots(int count) {
  void* slots = std::malloc(sizeof(MORBaseUnknown*) * static_cast<size_t>(count));
  if (slots == nullptr)
    TOVFatalInternalError("TOVVector: out of memory for ", count, " objects");
  return static_cast<MORBaseUnknown**>(slots);
}

} // namespace

TOVVector::TOVVector(TOVContainerWhatToDoAtDeleteEnum whatToDo)
    : TOVSeqCollection(whatToDo), _Size(0), _Capacity(0), _pContents(nullptr) {}

TOVVector::TOVVector(TOVContainerWhatToDoAtDeleteEnum whatToDo, int capacity)
    : TOVSeqCollection(whatToDo), _Size(0), _Capacity(0), _pContents(nullptr) {
  if (capacity < 1)
    TOVFatalInternalError("Can not create an empty vector");
  _pContents = AllocateSlots(capacity);
  _Capacity = capacity;
}

TOVVector::TOVVector(const TOVVector& other)
    : TOVSeqCollection(other.WhatToDoAtDelete()), _Size(0), _Capacity(0), _pContents(nullptr) {
  if (other._Size > 0) {
    _pContents = AllocateSlots(other._Size);
    _Capacity = other._Size;
    Copy(_pContents, other._pContents, other._Size);
    _Size = other._Size;
  }
}

TOVVector::~TOVVector() {
  ApplyWhatToDoAtDelete();
  std::free(_pContents);
  _pContents = nullptr;
  _Size = _Capacity = 0;
}

TOVVector& TOVVector::operator=(const TOVVector& other) {
  if (ContainersLink() != nullptr)
    TOVFatalInternalError("Not yet implemented with a Link");
  if (&other == this)
    return *this;
  if (_Capacity < other._Size) {
    MORBaseUnknown** slots = AllocateSlots(other._Size);
    std::free(_pContents);
    _pContents = slots;
    _Capacity = other._Size;
  }
  Copy(_pContents, other._pContents, other._Size);
  _Size = other._Size;
  SetWhatToDoAtDelete(other.WhatToDoAtDelete());
  return *this;
}

int TOVVector::Size() const {
  return _Size;
}

unsigned int TOVVector::IsEmpty() const {
  return _Size == 0 ? 1 : 0;
}

unsigned int TOVVector::Contains(const MORBaseUnknown* obj) const {
  return SearchObject(0, 1, obj) < _Size ? 1 : 0;
}

MORBaseUnknown* TOVVector::LookupOne(const MORBaseUnknown* pattern) const {
  return LookupOne(pattern, MORBaseUnknownCmpAddr::GetGlobal());
}

MORBaseUnknown* TOVVector::LookupOne(const MORBaseUnknown* pattern,
                                     const TOVComparator& cmp) const {
  int index = Search(0, 1, 1, pattern, cmp);
  return IsValidIndex(index) ? _pContents[index] : nullptr;
}

TOVIterator* TOVVector::LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern) const {
  return new TOVVectorIterator(this, from, pattern, 1, nullptr);
}

TOVIterator* TOVVector::LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern,
                                  const TOVComparator& cmp) const {
  return new TOVVectorIterator(this, from, pattern, 1, &cmp);
}

TOVIterator* TOVVector::LookupAll(const MORBaseUnknown* pattern) const {
  return LookupAll(nullptr, pattern);
}

TOVIterator* TOVVector::LookupAll(const MORBaseUnknown* pattern, const TOVComparator& cmp) const {
  return LookupAll(nullptr, pattern, cmp);
}

TOVIterator* TOVVector::MakeIterator(const TOVCursor* from) const {
  return new TOVVectorIterator(this, from, nullptr, 0, nullptr);
}

void TOVVector::AppendInternal(MORBaseUnknown* obj) {
  if (_Size < _Capacity) {
    _pContents[_Size++] = obj;
    return;
  }
  SetDimension(_Size + 1);
  _pContents[_Size - 1] = obj;
}

void TOVVector::Add(MORBaseUnknown* obj, unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->AddObject(obj, this);
  AppendInternal(obj);
}

void TOVVector::AppendTellingAndGrowing(MORBaseUnknown* obj) {
  if (ContainersLink() != nullptr)
    ContainersLink()->AddObject(obj, this);
  AppendInternal(obj);
}

void TOVVector::Insert(MORBaseUnknown* obj, int index) {
  if (index < 0 || index > _Size)
    TOVFatalInternalError("TOVVector::Insert(MORBaseUnknown *, int): wrong position");
  InsertInternal(index, obj);
}

unsigned int TOVVector::InsertAfter(TOVCursor* c, MORBaseUnknown* obj) {
  int index = CursorIndex(c);
  // A cursor before -1 designates no place; inserting there would write before the array.
  if (index < -1 || index >= _Size)
    return 0;
  InsertInternal(index + 1, obj);
  return 1;
}

unsigned int TOVVector::InsertBefore(TOVCursor* c, MORBaseUnknown* obj) {
  int index = CursorIndex(c);
  // A cursor past the end designates no place; inserting there would write past the array.
  if (index < 0 || index > _Size)
    return 0;
  InsertInternal(index, obj);
  static_cast<TOVVectorCursor*>(c)->SetIndex(index + 1);
  return 1;
}

unsigned int TOVVector::Remove(const MORBaseUnknown* obj, unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->RemoveObject(obj, this);
  int kept = 0;
  for (int i = 0; i < _Size; ++i)
    if (_pContents[i] != obj)
      _pContents[kept++] = _pContents[i];
  unsigned int found = kept != _Size ? 1 : 0;
  _Size = kept;
  return found;
}

MORBaseUnknown* TOVVector::Remove(TOVCursor* c) {
  int index = CursorIndex(c);
  if (!IsValidIndex(index))
    return nullptr;
  MORBaseUnknown* obj = RemoveInternal(index);
  if (ContainersLink() != nullptr)
    ContainersLink()->RemoveObject(obj, this);
  static_cast<TOVVectorCursor*>(c)->SetIndex(index - 1);
  return obj;
}

unsigned int TOVVector::Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                                unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->ReplaceObject(old, newObj, this);
  unsigned int found = 0;
  for (int i = 0; i < _Size; ++i) {
    if (_pContents[i] == old) {
      _pContents[i] = newObj;
      found = 1;
    }
  }
  return found;
}

MORBaseUnknown* TOVVector::Replace(const TOVCursor* c, MORBaseUnknown* obj) {
  int index = CursorIndex(c);
  if (!IsValidIndex(index))
    return nullptr;
  MORBaseUnknown* old = _pContents[index];
  if (ContainersLink() != nullptr)
    ContainersLink()->ReplaceObject(old, obj, this);
  _pContents[index] = obj;
  return old;
}

MORBaseUnknown* TOVVector::operator[](const TOVCursor* c) const {
  int index = CursorIndex(c);
  return IsValidIndex(index) ? _pContents[index] : nullptr;
}

MORBaseUnknown* TOVVector::operator[](int index) const {
  return IsValidIndex(index) ? _pContents[index] : nullptr;
}

void TOVVector::Set(const TOVCursor* c, MORBaseUnknown* obj) {
  int index = CursorIndex(c);
  if (!IsValidIndex(index))
    TOVFatalInternalError("TOVVector::operator[](const MORBaseUnknown *): wrong position");
  if (ContainersLink() != nullptr)
    ContainersLink()->ReplaceObject(_pContents[index], obj, this);
  _pContents[index] = obj;
}

void TOVVector::Set(int index, MORBaseUnknown* obj) {
  // A negative index designates no slot; writing there would corrupt memory.
  if (index < 0)
    TOVFatalInternalError("TOVVector::Set(int, MORBaseUnknown *): wrong position");
  if (index >= _Size) {
    int oldSize = _Size;
    SetDimension(index + 1);
    for (int i = oldSize; i < _Size; ++i)
      _pContents[i] = nullptr;
  }
  if (ContainersLink() != nullptr)
    ContainersLink()->ReplaceObject(_pContents[index], obj, this);
  _pContents[index] = obj;
}

MORBaseUnknown* TOVVector::First() const {
  return _Size > 0 ? _pContents[0] : nullptr;
}

MORBaseUnknown* TOVVector::Last() const {
  return _Size > 0 ? _pContents[_Size - 1] : nullptr;
}

MORBaseUnknown* TOVVector::ExtractFirst() {
  return _Size > 0 ? RemoveInternal(0) : nullptr;
}

MORBaseUnknown* TOVVector::ExtractLast() {
  return _Size > 0 ? RemoveInternal(_Size - 1) : nullptr;
}

void TOVVector::TellClear() {
  if (ContainersLink() != nullptr)
    ContainersLink()->Clear(this);
}

void TOVVector::Clear(unsigned int flag) {
  if (flag)
    TellClear();
  _Size = 0;
}

void TOVVector::ReleaseElementsAndClear() {
  TellClear();
  // Emptied first: an object's destructor that reaches this vector finds it empty.
  int count = _Size;
  _Size = 0;
  for (int i = 0; i < count; ++i)
    if (_pContents[i] != nullptr)
      _pContents[i]->Release();
}

void TOVVector::Destroy() {
  TellClear();
  int count = _Size;
  _Size = 0;
  for (int i = 0; i < count; ++i)
    delete _pContents[i];
}

int TOVVector::Search(int start, unsigned int forward, unsigned int, const MORBaseUnknown* pattern,
                      const TOVComparator& cmp) const {
  if (forward) {
    for (int i = start < 0 ? 0 : start; i < _Size; ++i)
      if (cmp.CompareObjects(pattern, _pContents[i]) == 0)
        return i;
    return _Size;
  }
  for (int i = start >= _Size ? _Size - 1 : start; i >= 0; --i)
    if (cmp.CompareObjects(pattern, _pContents[i]) == 0)
      return i;
  return -1;
}

int TOVVector::SearchObject(int start, unsigned int, const MORBaseUnknown* obj) const {
  for (int i = start < 0 ? 0 : start; i < _Size; ++i)
    if (_pContents[i] == obj)
      return i;
  return _Size;
}

// Out of line so that the appending paths, which grow the storage once in many calls,
// stay a few instructions without saving registers.
__attribute__((noinline)) void TOVVector::SetDimension(int newSize) {
  if (newSize > _Capacity) {
    long long grown = static_cast<long long>(_Capacity) * 2 + 8;
    int capacity = grown < newSize ? newSize : (grown > 0x7FFFFFFF ? 0x7FFFFFFF : int(grown));
    MORBaseUnknown** slots = AllocateSlots(capacity);
    Copy(slots, _pContents, _Size);
    std::free(_pContents);
    _pContents = slots;
    _Capacity = capacity;
  }
  _Size = newSize;
}

void TOVVector::InsertInternal(int position, MORBaseUnknown* obj) {
  if (ContainersLink() != nullptr)
    ContainersLink()->AddObject(obj, this);
  SetDimension(_Size + 1);
  Copy(_pContents + position + 1, _pContents + position, _Size - 1 - position);
  _pContents[position] = obj;
}

MORBaseUnknown* TOVVector::RemoveInternal(int position) {
  MORBaseUnknown* obj = _pContents[position];
  Copy(_pContents + position, _pContents + position + 1, _Size - 1 - position);
  --_Size;
  return obj;
}

void TOVVector::Copy(MORBaseUnknown** destination, MORBaseUnknown* const* source, int count) {
  if (count > 0)
    std::memmove(destination, source, sizeof(MORBaseUnknown*) * static_cast<size_t>(count));
}

int TOVVector::CursorIndex(const TOVCursor* c) {
  if (c == nullptr)
    TOVFatalInternalError("cursor is NULL");
  return TOVCheckedCast<TOVVectorCursor>(c)->GetIndex();
}
