#include "TOVList.h"
#include "MORBaseUnknownCmpAddr.h"
#include "TOVContainersLink.h"
#include "TOVFatalInternalError.h"
#include "TOVListCursor.h"
#include "TOVListIterator.h"

TOV_IMPLEMENT_CLASS(TOVList, TOVSeqCollection)

TOVList::TOVList(TOVContainerWhatToDoAtDeleteEnum whatToDo) : TOVSeqCollection(whatToDo), _Size(0) {
  _Head.SetNext(&_Tail);
  _Head.SetPrevious(&_Head);
  _Tail.SetNext(&_Tail);
  _Tail.SetPrevious(&_Head);
}

TOVList::TOVList(TOVList& other) : TOVList(TOVContainerNothingAtDelete) {
  CopyFrom(other);
}

TOVList::~TOVList() {
  ApplyWhatToDoAtDelete();
  FreeLinks(false);
}

TOVList& TOVList::operator=(TOVList& other) {
  if (&other != this)
    CopyFrom(other);
  return *this;
}

void TOVList::CopyFrom(TOVList& other) {
  if (ContainersLink() != nullptr)
    TOVFatalInternalError("Not yet implemented with a Link");
  FreeLinks(false);
  for (TOVListLink* link = CheckedNext(&other._Head); link != &other._Tail;
       link = CheckedNext(link))
    InsertAfterLink(_Tail.GetPrevious(), link->GetData(), false);
  SetWhatToDoAtDelete(other.WhatToDoAtDelete());
}

namespace {

// Lets a link of the list go. A link that nobody else holds (the usual case) is deleted
// at once, which is what its Release would do, without the atomic count change; a link
// that someone still holds loses the list's reference and lives on until released.
inline void FreeLink(TOVListLink* link) {
  if (link->GetRefCount() == 1)
    delete link;
  else
    link->Release();
}

} // namespace

TOVListLink* TOVList::CheckedNext(const TOVListLink* link) {
  TOVListLink* next = link != nullptr ? link->GetNext() : nullptr;
  if (next == nullptr)
    TOVFatalInternalError("link is NULL");
  return next;
}

TOVListLink* TOVList::CheckedPrevious(const TOVListLink* link) {
  TOVListLink* previous = link != nullptr ? link->GetPrevious() : nullptr;
  if (previous == nullptr)
    TOVFatalInternalError("link is NULL");
  return previous;
}

TOVListLink* TOVList::CursorLink(const TOVCursor* c) {
  if (c == nullptr)
    TOVFatalInternalError("cursor is NULL");
  TOVListLink* link = TOVCheckedCast<TOVListCursor>(c)->GetLink();
  if (link == nullptr)
    TOVFatalInternalError("link is NULL");
  return link;
}

TOVListLink* TOVList::LinkAt(int index) const {
  TOVListLink* link = CheckedNext(&_Head);
  for (int i = 0; i < index && link != &_Tail; ++i)
    link = CheckedNext(link);
  return link;
}

void TOVList::InsertAfterLink(TOVListLink* link, MORBaseUnknown* obj, bool tell) {
  if (tell && ContainersLink() != nullptr)
    ContainersLink()->AddObject(obj, this);
  TOVListLink* next = CheckedNext(link);
  TOVListLink* made = new TOVListLink(obj, next, link);
  link->SetNext(made);
  next->SetPrevious(made);
  ++_Size;
}

MORBaseUnknown* TOVList::RemoveLink(TOVListLink* link, bool tell) {
  MORBaseUnknown* obj = link->GetData();
  if (tell && ContainersLink() != nullptr)
    ContainersLink()->RemoveObject(obj, this);
  TOVListLink* next = CheckedNext(link);
  TOVListLink* previous = CheckedPrevious(link);
  next->SetPrevious(previous);
  previous->SetNext(next);
  FreeLink(link);
  --_Size;
  return obj;
}

TOVListLink* TOVList::FindObject(const TOVListLink* start, const MORBaseUnknown* obj) const {
  TOVListLink* link = CheckedNext(start);
  while (link != &_Tail && link->GetData() != obj)
    link = CheckedNext(link);
  return link;
}

TOVListLink* TOVList::Search(const TOVListLink* start, bool forward, const MORBaseUnknown* pattern,
                             const TOVComparator& cmp) const {
  const TOVListLink* end = forward ? &_Tail : &_Head;
  TOVListLink* link = forward ? CheckedNext(start) : CheckedPrevious(start);
  while (link != end && cmp.CompareObjects(pattern, link->GetData()) != 0)
    link = forward ? CheckedNext(link) : CheckedPrevious(link);
  return link;
}

void TOVList::FreeLinks(bool release) {
  // Emptied first: an object's destructor that reaches this list finds it empty.
  TOVListLink* link = CheckedNext(&_Head);
  _Head.SetNext(&_Tail);
  _Tail.SetPrevious(&_Head);
  _Size = 0;
  while (link != &_Tail) {
    TOVListLink* next = CheckedNext(link);
    if (release && link->GetData() != nullptr)
      link->GetData()->Release();
    FreeLink(link);
    link = next;
  }
}

int TOVList::Size() const {
  return _Size;
}

unsigned int TOVList::IsEmpty() const {
  return _Size == 0 ? 1 : 0;
}

unsigned int TOVList::Contains(const MORBaseUnknown* obj) const {
  return FindObject(&_Head, obj) != &_Tail ? 1 : 0;
}

MORBaseUnknown* TOVList::LookupOne(const MORBaseUnknown* pattern) const {
  return LookupOne(pattern, MORBaseUnknownCmpAddr::GetGlobal());
}

MORBaseUnknown* TOVList::LookupOne(const MORBaseUnknown* pattern, const TOVComparator& cmp) const {
  return Search(&_Head, true, pattern, cmp)->GetData();
}

TOVIterator* TOVList::LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern) const {
  return new TOVListIterator(this, from, pattern, 1, nullptr);
}

TOVIterator* TOVList::LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern,
                                const TOVComparator& cmp) const {
  return new TOVListIterator(this, from, pattern, 1, &cmp);
}

TOVIterator* TOVList::LookupAll(const MORBaseUnknown* pattern) const {
  return LookupAll(nullptr, pattern);
}

TOVIterator* TOVList::LookupAll(const MORBaseUnknown* pattern, const TOVComparator& cmp) const {
  return LookupAll(nullptr, pattern, cmp);
}

TOVIterator* TOVList::MakeIterator(const TOVCursor* from) const {
  return new TOVListIterator(this, from, nullptr, 0, nullptr);
}

void TOVList::Add(MORBaseUnknown* obj, unsigned int flag) {
  InsertAfterLink(&_Head, obj, flag);
}

void TOVList::Append(MORBaseUnknown* obj) {
  InsertAfterLink(_Tail.GetPrevious(), obj, true);
}

void TOVList::Insert(MORBaseUnknown* obj, int index) {
  if (index > _Size)
    TOVFatalInternalError("TOVList::Insert(MORBaseUnknown *, int): wrong index");
  InsertAfterLink(index < 1 ? &_Head : LinkAt(index - 1), obj, true);
}

unsigned int TOVList::InsertAfter(TOVCursor* c, MORBaseUnknown* obj) {
  TOVListLink* link = CursorLink(c);
  if (link == &_Tail)
    return 0;
  InsertAfterLink(link, obj, true);
  return 1;
}

unsigned int TOVList::InsertBefore(TOVCursor* c, MORBaseUnknown* obj) {
  TOVListLink* link = CursorLink(c);
  if (link == &_Head)
    return 0;
  InsertAfterLink(CheckedPrevious(link), obj, true);
  return 1;
}

unsigned int TOVList::Remove(const MORBaseUnknown* obj, unsigned int flag) {
  TOVListLink* current = FindObject(&_Head, obj);
  if (current == &_Tail)
    return 0;
  while (current != &_Tail) {
    TOVListLink* next = FindObject(current, obj);
    RemoveLink(current, flag);
    current = next;
  }
  return 1;
}

MORBaseUnknown* TOVList::Remove(TOVCursor* c) {
  TOVListLink* link = CursorLink(c);
  if (IsSentinel(link))
    return nullptr;
  // The cursor steps back first, so that a forward walk goes on with the next link.
  static_cast<TOVListCursor*>(c)->SetLink(CheckedPrevious(link));
  return RemoveLink(link, true);
}

unsigned int TOVList::Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                              unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->ReplaceObject(old, newObj, this);
  unsigned int found = 0;
  for (TOVListLink* link = FindObject(&_Head, old); link != &_Tail; link = FindObject(link, old)) {
    link->SetData(newObj);
    found = 1;
  }
  return found;
}

MORBaseUnknown* TOVList::Replace(const TOVCursor* c, MORBaseUnknown* obj) {
  TOVListLink* link = CursorLink(c);
  if (IsSentinel(link))
    return nullptr;
  MORBaseUnknown* old = link->GetData();
  if (ContainersLink() != nullptr)
    ContainersLink()->ReplaceObject(old, obj, this);
  link->SetData(obj);
  return old;
}

MORBaseUnknown* TOVList::operator[](const TOVCursor* c) const {
  TOVListLink* link = CursorLink(c);
  return IsSentinel(link) ? nullptr : link->GetData();
}

MORBaseUnknown* TOVList::operator[](int index) const {
  TOVListLink* link = LinkAt(index);
  return link != &_Tail ? link->GetData() : nullptr;
}

void TOVList::Set(const TOVCursor* c, MORBaseUnknown* obj) {
  if (ContainersLink() != nullptr)
    TOVFatalInternalError("Not yet implemented with a Link");
  TOVListLink* link = CursorLink(c);
  if (IsSentinel(link))
    TOVFatalInternalError("TOVList::operator [](const MORBaseUnknown *) const: wrong object");
  link->SetData(obj);
}

void TOVList::Set(int index, MORBaseUnknown* obj) {
  if (ContainersLink() != nullptr)
    TOVFatalInternalError("Not yet implemented with a Link");
  // An empty list has no link to set, whatever the index.
  TOVListLink* link = index < _Size ? LinkAt(index) : &_Tail;
  if (link == &_Tail)
    TOVFatalInternalError("TOVList::operator [](int index): wrong index");
  link->SetData(obj);
}

MORBaseUnknown* TOVList::First() const {
  return _Size > 0 ? _Head.GetNext()->GetData() : nullptr;
}

MORBaseUnknown* TOVList::Last() const {
  return _Size > 0 ? _Tail.GetPrevious()->GetData() : nullptr;
}

MORBaseUnknown* TOVList::ExtractFirst() {
  return _Size > 0 ? RemoveLink(CheckedNext(&_Head), true) : nullptr;
}

MORBaseUnknown* TOVList::ExtractLast() {
  return _Size > 0 ? RemoveLink(CheckedPrevious(&_Tail), true) : nullptr;
}

void TOVList::Clear(unsigned int flag) {
  if (flag && ContainersLink() != nullptr)
    ContainersLink()->Clear(this);
  FreeLinks(false);
}

void TOVList::ReleaseElementsAndClear() {
  if (ContainersLink() != nullptr)
    ContainersLink()->Clear(this);
  FreeLinks(true);
}

void TOVList::Destroy() {
  ReleaseElementsAndClear();
}
