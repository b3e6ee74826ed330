// Iterator over a vector.
#ifndef TOVVECTORITERATOR_H
#define TOVVECTORITERATOR_H

#include "TOVIterator.h"
#include "TOVVectorCursor.h"

class TOVVector;

class TOVBASIC_API TOVVectorIterator : public TOVIterator {
  TOV_DECLARE_CLASS(TOVVectorIterator)
public:
  /// Positioned before the first object; a null comparator selects the address one.
  TOVVectorIterator(const TOVVector* v, const MORBaseUnknown* pattern, unsigned int withPattern,
                    const TOVComparator* cmp);
  /// Positioned at the index of from (a vector cursor), or before the first object.
  TOVVectorIterator(const TOVVector* v, const TOVCursor* from, const MORBaseUnknown* pattern,
                    unsigned int withPattern, const TOVComparator* cmp);
  ~TOVVectorIterator() override;

  MORBaseUnknown* Next() override;
  MORBaseUnknown* Previous() override;
  void ToBegin() override;
  void ToEnd() override;
  TOVCursor* Position() override;
  void SetWithPattern(unsigned int withPattern) override;
  void SetPattern(const MORBaseUnknown* pattern) override;
  void SetComparator(const TOVComparator& cmp) override;
  const TOVComparator& GetComparator() const override;

private:
  TOVBASIC_LOCAL const TOVVector* CheckedVector() const;
  /// Next in full: with a pattern, at the ends, or without a vector.
  TOVBASIC_LOCAL __attribute__((noinline)) MORBaseUnknown* NextSearching();
  // Moves to index, or to the next match of the pattern from it in the given direction
  // (1 forward); gives the object there, or null at either end.
  TOVBASIC_LOCAL MORBaseUnknown* MoveTo(const TOVVector* v, int index, int forward);

  const TOVVector* _pVector;
  TOVVectorCursor _Cursor;
  unsigned int _Restart;
};

#endif
