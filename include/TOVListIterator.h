// Iterator over a list.
#ifndef TOVLISTITERATOR_H
#define TOVLISTITERATOR_H

#include "TOVIterator.h"
#include "TOVListCursor.h"

class TOVList;

class TOVBASIC_API TOVListIterator : public TOVIterator {
  TOV_DECLARE_CLASS(TOVListIterator)
public:
  /// An iterator without a list: every move is fatal.
  TOVListIterator();
  /// At the head of the list; a null comparator selects the address one.
  TOVListIterator(const TOVList* list, const MORBaseUnknown* pattern, unsigned int withPattern,
                  const TOVComparator* cmp);
  /// At the link of from (a list cursor), or at the head.
  TOVListIterator(const TOVList* list, const TOVCursor* from, const MORBaseUnknown* pattern,
                  unsigned int withPattern, const TOVComparator* cmp);
  ~TOVListIterator() override;

  MORBaseUnknown* Next() override;
  MORBaseUnknown* Previous() override;
  void ToBegin() override;
  void ToEnd() override;
  TOVCursor* Position() override;

private:
  TOVBASIC_LOCAL const TOVList* CheckedList() const;
  /// Next (forward) or Previous over list: the next matching object in that direction,
  /// or null at the end.
  TOVBASIC_LOCAL MORBaseUnknown* Step(const TOVList* list, bool forward);

  const TOVList* _pList;
  TOVListCursor _Cursor;
};

#endif
