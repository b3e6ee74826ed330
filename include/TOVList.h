// Doubly linked sequential container.
#ifndef TOVLIST_H
#define TOVLIST_H

#include "TOVListLink.h"
#include "TOVSeqCollection.h"

class TOVComparator;

class TOVBASIC_API TOVList : public TOVSeqCollection {
  TOV_DECLARE_CLASS(TOVList)
public:
  explicit TOVList(TOVContainerWhatToDoAtDeleteEnum whatToDo);
  /// An unlinked list with other's objects in order and other's policy.
  TOVList(TOVList& other);
  /// Applies the delete policy, then frees the links.
  ~TOVList() override;

  int Size() const override;
  unsigned int IsEmpty() const override;
  unsigned int Contains(const MORBaseUnknown* obj) const override;
  MORBaseUnknown* LookupOne(const MORBaseUnknown* pattern) const override;
  MORBaseUnknown* LookupOne(const MORBaseUnknown* pattern, const TOVComparator& cmp) const override;
  TOVIterator* LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern) const override;
  TOVIterator* LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern,
                         const TOVComparator& cmp) const override;
  TOVIterator* LookupAll(const MORBaseUnknown* pattern) const override;
  TOVIterator* LookupAll(const MORBaseUnknown* pattern, const TOVComparator& cmp) const override;
  /// Adds obj at the front.
  void Add(MORBaseUnknown* obj, unsigned int flag) override;
  unsigned int Remove(const MORBaseUnknown* obj, unsigned int flag) override;
  unsigned int Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                       unsigned int flag) override;
  void Clear(unsigned int flag) override;
  void ReleaseElementsAndClear() override;
  /// Releases every object once (as ReleaseElementsAndClear).
  void Destroy() override;
  TOVIterator* MakeIterator(const TOVCursor* from) const override;

  MORBaseUnknown* Remove(TOVCursor* c) override;
  MORBaseUnknown* Replace(const TOVCursor* c, MORBaseUnknown* obj) override;
  MORBaseUnknown* operator[](const TOVCursor* c) const override;
  MORBaseUnknown* operator[](int index) const override;
  void Set(const TOVCursor* c, MORBaseUnknown* obj) override;
  void Set(int index, MORBaseUnknown* obj) override;
  void Insert(MORBaseUnknown* obj, int index) override;
  void Append(MORBaseUnknown* obj) override;
  unsigned int InsertAfter(TOVCursor* c, MORBaseUnknown* obj) override;
  unsigned int InsertBefore(TOVCursor* c, MORBaseUnknown* obj) override;
  MORBaseUnknown* First() const override;
  MORBaseUnknown* Last() const override;
  MORBaseUnknown* ExtractFirst() override;
  MORBaseUnknown* ExtractLast() override;

  /// Empties this list (objects untouched), then copies other; fatal when linked.
  virtual TOVList& operator=(TOVList& other);

private:
  friend class TOVListIterator;

  bool IsSentinel(const TOVListLink* link) const { return link == &_Head || link == &_Tail; }
  /// The link of a cursor of this list; a null cursor is fatal.
  TOVBASIC_LOCAL static TOVListLink* CursorLink(const TOVCursor* c);
  TOVBASIC_LOCAL static TOVListLink* CheckedNext(const TOVListLink* link);
  TOVBASIC_LOCAL static TOVListLink* CheckedPrevious(const TOVListLink* link);
  TOVBASIC_LOCAL TOVListLink* LinkAt(int index) const;
  TOVBASIC_LOCAL void InsertAfterLink(TOVListLink* link, MORBaseUnknown* obj, bool tell);
  TOVBASIC_LOCAL MORBaseUnknown* RemoveLink(TOVListLink* link, bool tell);
  /// The first link holding exactly obj after start (exclusive), or the tail.
  TOVBASIC_LOCAL TOVListLink* FindObject(const TOVListLink* start, const MORBaseUnknown* obj) const;
  /// The first link from start (exclusive) in the direction whose object matches
  /// pattern, or the sentinel of that direction.
  TOVBASIC_LOCAL TOVListLink* Search(const TOVListLink* start, bool forward,
                                     const MORBaseUnknown* pattern, const TOVComparator& cmp) const;
  TOVBASIC_LOCAL void FreeLinks(bool release);
  TOVBASIC_LOCAL void CopyFrom(TOVList& other);

  int _Size;
  TOVListLink _Head;
  TOVListLink _Tail;
};

#endif
