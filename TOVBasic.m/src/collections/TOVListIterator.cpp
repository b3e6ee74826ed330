#include "TOVListIterator.h"
#include "TOVFatalInternalError.h"
#include "TOVList.h"

TOV_IMPLEMENT_CLASS(TOVListIterator, TOVIterator)

TOVListIterator::TOVListIterator()
    : TOVIterator(nullptr, 0, static_cast<const TOVComparator*>(nullptr)), _pList(nullptr) {}

TOVListIterator::TOVListIterator(const TOVList* list, const MORBaseUnknown* pattern,
                                 unsigned int withPattern, const TOVComparator* cmp)
    : TOVListIterator(list, nullptr, pattern, withPattern, cmp) {}

TOVListIterator::TOVListIterator(const TOVList* list, const TOVCursor* from,
                                 const MORBaseUnknown* pattern, unsigned int withPattern,
                                 const TOVComparator* cmp)
    : TOVIterator(pattern, withPattern, cmp), _pList(list) {
  if (from != nullptr)
    _Cursor = *TOVCheckedCast<TOVListCursor>(from);
  else if (list != nullptr)
    _Cursor.SetLink(const_cast<TOVListLink*>(&list->_Head));
}

TOVListIterator::~TOVListIterator() = default;

const TOVList* TOVListIterator::CheckedList() const {
  if (_pList == nullptr)
    TOVFatalInternalError("list_ is NULL");
  return _pList;
}

// Out of line, so that the common step of Next saves no registers.
__attribute__((noinline)) MORBaseUnknown* TOVListIterator::Step(const TOVList* list, bool forward) {
  TOVListLink* link = _Cursor.GetLink();
  if (link == nullptr)
    TOVFatalInternalError("link is NULL");
  const TOVListLink* end = forward ? &list->_Tail : &list->_Head;
  if (link != end)
    link = forward ? TOVList::CheckedNext(link) : TOVList::CheckedPrevious(link);
  if (PatternFlag() && link != end && !Matches(link->GetData()))
    link = list->Search(link, forward, GetPattern(), GetComparator());
  _Cursor.SetLink(link);
  return link != end ? link->GetData() : nullptr;
}

MORBaseUnknown* TOVListIterator::Next() {
  // The common step, without a pattern and before the tail, takes no call; anything
  // else (no list, no link, a broken chain, a pattern, the end) goes the checked way.
  const TOVList* list = _pList;
  TOVListLink* link = _Cursor.GetLink();
  if (list != nullptr && link != nullptr && link != &list->_Tail && !PatternFlag()) {
    TOVListLink* next = link->GetNext();
    if (next != nullptr) {
      _Cursor.SetLink(next);
      if (next == &list->_Tail)
        return nullptr;
      // Asks for the object after this one, so that its cache miss, if any, overlaps
      // what the caller does with this one. The tail's next is the tail itself, and a
      // link without a next ends the walk ahead (the step to it reports it).
      const TOVListLink* ahead = next->GetNext();
      if (ahead != nullptr && ahead != &list->_Tail)
        __builtin_prefetch(ahead->GetData());
      return next->GetData();
    }
  }
  // Without a list, Next reports the missing link (Previous the missing list).
  if (list == nullptr)
    TOVFatalInternalError("link is NULL");
  return Step(list, true);
}

MORBaseUnknown* TOVListIterator::Previous() {
  return Step(CheckedList(), false);
}

void TOVListIterator::ToBegin() {
  _Cursor.SetLink(const_cast<TOVListLink*>(&CheckedList()->_Head));
}

void TOVListIterator::ToEnd() {
  _Cursor.SetLink(const_cast<TOVListLink*>(&CheckedList()->_Tail));
}

TOVCursor* TOVListIterator::Position() {
  return &_Cursor;
}
