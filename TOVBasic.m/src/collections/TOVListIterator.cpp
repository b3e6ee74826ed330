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

MORBaseUnknown* TOVListIterator::Step(const TOVList* list, bool forward) {
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
  // Without a list, Next reports the missing link (Previous the missing list).
  if (_pList == nullptr)
    TOVFatalInternalError("link is NULL");
  return Step(_pList, true);
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
