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

MORBaseUnknown* TOVListIterator::Next() {
  TOVListLink* link = _Cursor.GetLink();
  if (link == nullptr || _pList == nullptr)
    TOVFatalInternalError("link is NULL");
  const TOVListLink* tail = &_pList->_Tail;
  if (link != tail)
    link = TOVList::CheckedNext(link);
  if (PatternFlag() && link != tail && !Matches(link->GetData()))
    link = _pList->Search(link, true, GetPattern(), GetComparator());
  _Cursor.SetLink(link);
  return link != tail ? link->GetData() : nullptr;
}

MORBaseUnknown* TOVListIterator::Previous() {
  const TOVList* list = CheckedList();
  TOVListLink* link = _Cursor.GetLink();
  if (link == nullptr)
    TOVFatalInternalError("link is NULL");
  const TOVListLink* head = &list->_Head;
  if (link != head)
    link = TOVList::CheckedPrevious(link);
  if (PatternFlag() && link != head && !Matches(link->GetData()))
    link = list->Search(link, false, GetPattern(), GetComparator());
  _Cursor.SetLink(link);
  return link != head ? link->GetData() : nullptr;
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
