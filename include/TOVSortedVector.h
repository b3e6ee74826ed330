// Vector with a sort comparator, searched by bisection while it is known to be sorted.
#ifndef TOVSORTEDVECTOR_H
#define TOVSORTEDVECTOR_H

#include "TOVVector.h"

class TOVBASIC_API TOVSortedVector : public TOVVector {
  TOV_DECLARE_CLASS(TOVSortedVector)
public:
  /// Sorted by address (the shared address comparator).
  explicit TOVSortedVector(TOVContainerWhatToDoAtDeleteEnum whatToDo);
  TOVSortedVector(TOVContainerWhatToDoAtDeleteEnum whatToDo, int capacity);
  /// Sorted by cmp, which must outlive the vector.
  TOVSortedVector(const TOVComparator& cmp, TOVContainerWhatToDoAtDeleteEnum whatToDo);
  TOVSortedVector(const TOVComparator& cmp, TOVContainerWhatToDoAtDeleteEnum whatToDo,
                  int capacity);
  TOVSortedVector(const TOVSortedVector& other);
  ~TOVSortedVector() override;

  /// Takes the other's objects, policy, sorted flag and comparator.
  TOVSortedVector& operator=(const TOVSortedVector& other);
  TOVVector& operator=(const TOVVector& other) override;

  using TOVVector::LookupAll;
  using TOVVector::LookupOne;
  using TOVVector::Remove;

  /// The first object equal to pattern under the sort comparator, or null.
  MORBaseUnknown* LookupOne(const MORBaseUnknown* pattern) const override;
  TOVIterator* LookupAll(const TOVCursor* from, const MORBaseUnknown* pattern) const override;
  TOVIterator* LookupAll(const MORBaseUnknown* pattern) const override;
  void Add(MORBaseUnknown* obj, unsigned int flag) override;
  unsigned int Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                       unsigned int flag) override;
  void Clear(unsigned int flag) override;
  void ReleaseElementsAndClear() override;
  void Destroy() override;
  MORBaseUnknown* Replace(const TOVCursor* c, MORBaseUnknown* obj) override;
  void Set(const TOVCursor* c, MORBaseUnknown* obj) override;
  void Set(int index, MORBaseUnknown* obj) override;
  void Insert(MORBaseUnknown* obj, int index) override;
  void Append(MORBaseUnknown* obj) override;
  unsigned int InsertAfter(TOVCursor* c, MORBaseUnknown* obj) override;
  unsigned int InsertBefore(TOVCursor* c, MORBaseUnknown* obj) override;

  /// 1 when the contents are known to be sorted (always for at most one object).
  unsigned int IsSorted() const;
  /// Makes cmp the sort comparator; the vector stays sorted only when the contents,
  /// sorted by the old comparator, may be searched with cmp.
  void SetComparator(const TOVComparator& cmp);
  const TOVComparator& GetComparator() const;
  /// 1 when a search with cmp may bisect.
  unsigned int SearchUsesSort(const TOVComparator& cmp) const;
  unsigned int SearchUsesSort() const;
  /// Sorts the contents by the sort comparator and marks them sorted.
  void Sort();
  /// Declares the contents sorted or not; with check, an out-of-order pair is fatal.
  void SetIsSorted(unsigned int sorted, unsigned int check);

protected:
  int Search(int start, unsigned int forward, unsigned int restart, const MORBaseUnknown* pattern,
             const TOVComparator& cmp) const override;
  int SearchObject(int start, unsigned int restart, const MORBaseUnknown* obj) const override;

private:
  unsigned int _Sorted;
  const TOVComparator* _pComparator;
};

#endif
