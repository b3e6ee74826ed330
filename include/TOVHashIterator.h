// Iterator over a hash table: bucket by bucket, or within the pattern's bucket.
#ifndef TOVHASHITERATOR_H
#define TOVHASHITERATOR_H

#include "TOVHashCursor.h"
#include "TOVIterator.h"

class TOVBASIC_API TOVHashIterator : public TOVIterator {
  TOV_DECLARE_CLASS(TOVHashIterator)
public:
  /// At the beginning; a null comparator selects the address one.
  TOVHashIterator(const TOVHashTable* table, const MORBaseUnknown* pattern,
                  unsigned int withPattern, const TOVComparator* cmp);
  /// At from (a hash cursor), or at the beginning.
  TOVHashIterator(const TOVHashTable* table, const TOVCursor* from, const MORBaseUnknown* pattern,
                  unsigned int withPattern, const TOVComparator* cmp);
  ~TOVHashIterator() override;

  MORBaseUnknown* Next() override;
  MORBaseUnknown* Previous() override;
  void ToBegin() override;
  void ToEnd() override;
  TOVCursor* Position() override;

private:
  using Bucket = TOVHashTable::Bucket;
  using Link = TOVHashTable::Link;

  /// Steps from entry towards end (the bucket's tail when forward, else its head) to the
  /// next matching entry, or to end.
  TOVBASIC_LOCAL void BucketStep(const Link* end, bool forward, Link*& entry);
  /// Next (forward) or Previous: the next matching object in that direction, bucket by
  /// bucket (within the pattern's bucket only), or null at the end.
  TOVBASIC_LOCAL MORBaseUnknown* Step(bool forward);
  /// The bucket the pattern's code designates.
  TOVBASIC_LOCAL int PatternBucket() const;

  const TOVHashTable* _pTable;
  TOVHashCursor _Cursor;
};

#endif
