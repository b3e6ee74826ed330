// Position in a hash table: a bucket and an entry of it (possibly a sentinel).
#ifndef TOVHASHCURSOR_H
#define TOVHASHCURSOR_H

#include "TOVCursor.h"
#include "TOVHashTable.h"

class TOVBASIC_API TOVHashCursor : public TOVCursor {
  TOV_DECLARE_CLASS(TOVHashCursor)
public:
  TOVHashCursor() : _Bucket(-1), _pEntry(nullptr), _pRemoved(nullptr) {}
  TOVHashCursor(int bucket, TOVHashTable::Link* entry)
      : _Bucket(bucket), _pEntry(entry), _pRemoved(nullptr) {}
  /// Copies the position (not the ownership of an entry removed through other).
  TOVHashCursor(const TOVHashCursor& other)
      : TOVCursor(), _Bucket(other._Bucket), _pEntry(other._pEntry), _pRemoved(nullptr) {}
  TOVHashCursor& operator=(const TOVHashCursor& other);
  /// Frees the entry removed through this cursor, if any.
  ~TOVHashCursor() override;

  int GetBucket() const { return _Bucket; }
  TOVHashTable::Link* GetEntry() const { return _pEntry; }
  /// Moves to entry of bucket; an entry removed through this cursor is freed once the
  /// cursor leaves it.
  void SetPosition(int bucket, TOVHashTable::Link* entry);
  /// Takes over the entry the cursor stands on, just unlinked from its bucket.
  void AdoptRemoved();
  /// 1 when the cursor stands on an entry removed through it.
  bool OnRemoved() const { return _pRemoved != nullptr && _pRemoved == _pEntry; }

private:
  void FreeRemoved();

  int _Bucket;
  TOVHashTable::Link* _pEntry;
  TOVHashTable::Link* _pRemoved;
};

#endif
