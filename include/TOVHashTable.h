// Hash table of objects: buckets of doubly linked chains, chosen by a hash coder and
// searched with a comparator.
#ifndef TOVHASHTABLE_H
#define TOVHASHTABLE_H

#include "MORSmallObjectPool.h"
#include "TOVDirAccContainer.h"

class TOVComparator;
class TOVHashCoder;

class TOVBASIC_API TOVHashTable : public TOVDirAccContainer {
  TOV_DECLARE_CLASS(TOVHashTable)
public:
  /// One entry: neighbours, the object and the code the coder gave it.
  struct Link {
    Link* _pNext;
    Link* _pPrevious;
    MORBaseUnknown* _pObject;
    unsigned int _Code;
    // Entries are many and small: they come from the runtime's pool.
    static void* operator new(size_t size) { return MORSmallObjectPool::New(size); }
    static void operator delete(void* p) { MORSmallObjectPool::Delete(p); }
  };
  /// One chain, between two sentinel entries.
  struct Bucket {
    Link _Head;
    Link _Tail;
  };

  /// Keyed by address (the shared address coder and comparator).
  TOVHashTable(TOVContainerWhatToDoAtDeleteEnum whatToDo, int size);
  /// Keyed by coder and cmp, which must outlive the table.
  TOVHashTable(const TOVHashCoder& coder, const TOVComparator& cmp,
               TOVContainerWhatToDoAtDeleteEnum whatToDo, int size);
  /// An unlinked table with other's entries, strategies and policy.
  TOVHashTable(const TOVHashTable& other);
  /// Applies the delete policy, then frees the entries and buckets.
  ~TOVHashTable() override;

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
  void Add(MORBaseUnknown* obj, unsigned int flag) override;
  unsigned int Remove(const MORBaseUnknown* obj, unsigned int flag) override;
  unsigned int Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                       unsigned int flag) override;
  void Clear(unsigned int flag) override;
  void ReleaseElementsAndClear() override;
  void Destroy() override;
  TOVIterator* MakeIterator(const TOVCursor* from) const override;
  /// Unlinks the cursor's entry and gives its object; the cursor may still move on
  /// from there. Null on a sentinel.
  virtual MORBaseUnknown* Remove(TOVCursor* c);

  /// Frees this table's entries (objects untouched), then copies other; fatal when
  /// this table is linked.
  virtual TOVHashTable& operator=(const TOVHashTable& other);

  int GetDimension() const;
  const TOVHashCoder& GetCoder() const;
  const TOVComparator& GetComparator() const;

protected:
  void SetCoder(const TOVHashCoder& coder);
  void SetComparator(const TOVComparator& cmp);
  /// Allocates the buckets of the current dimension, all empty.
  void Init();
  /// Frees every entry and the buckets; objects untouched.
  void Free();
  void Copy(const TOVHashTable& other);
  /// Doubles the dimension, moving every entry by its stored code.
  void ResizeTable();

private:
  friend class TOVHashIterator;

  TOVBASIC_LOCAL static int PowerTwoRounding(int size);
  TOVBASIC_LOCAL static void BucketInit(Bucket& bucket);
  TOVBASIC_LOCAL static void BucketDelete(Bucket& bucket);
  TOVBASIC_LOCAL static void BucketReleaseElements(Bucket& bucket);
  TOVBASIC_LOCAL static void BucketDestroy(Bucket& bucket);
  TOVBASIC_LOCAL static Link* BucketSearch(const Bucket& bucket, const MORBaseUnknown* pattern,
                                           const TOVComparator& cmp);
  TOVBASIC_LOCAL static void BucketInsert(Bucket& bucket, Link* entry);
  TOVBASIC_LOCAL static void BucketMove(Bucket& from, Bucket& low, Bucket& high, unsigned int bit);

  Bucket& BucketOf(unsigned int code) const {
    return _pBuckets[code & static_cast<unsigned int>(_Dimension - 1)];
  }
  TOVBASIC_LOCAL unsigned int RemoveEntries(const MORBaseUnknown* obj);
  TOVBASIC_LOCAL void AddEntry(MORBaseUnknown* obj);
  TOVBASIC_LOCAL void TellClear();
  template <class Action> void EmptyBuckets(Action action);

  int _Dimension;
  int _Count;
  Bucket* _pBuckets;
  const TOVHashCoder* _pCoder;
  const TOVComparator* _pComparator;
};

#endif
