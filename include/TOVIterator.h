// Two-way iterator over a container, with a position and an optional pattern filter.
#ifndef TOVITERATOR_H
#define TOVITERATOR_H

#include "TOVComparatorRfHndlr.h"
#include "TOVOneWayIterator.h"

class TOVCursor;

class TOVBASIC_API TOVIterator : public TOVOneWayIterator {
  TOV_DECLARE_CLASS(TOVIterator)
public:
  /// A null comparator selects the shared address comparator.
  TOVIterator(const MORBaseUnknown* pattern, unsigned int withPattern, const TOVComparator* cmp);
  /// An empty handle selects the shared address comparator.
  TOVIterator(const MORBaseUnknown* pattern, unsigned int withPattern,
              const TOVComparatorRfHndlr& hCmp);
  ~TOVIterator() override;

  /// The previous object, null before the first.
  virtual MORBaseUnknown* Previous() = 0;
  /// Positions before the first object.
  virtual void ToBegin() = 0;
  /// Positions after the last object.
  virtual void ToEnd() = 0;
  /// The iterator's own cursor, standing on the object last returned.
  virtual TOVCursor* Position() = 0;
  /// Non-zero makes Next and Previous skip objects that do not match the pattern.
  virtual void SetWithPattern(unsigned int withPattern);
  virtual unsigned int WithPattern() const;
  virtual const MORBaseUnknown* GetPattern() const;
  /// Replaces the pattern; the with-pattern flag is unchanged.
  virtual void SetPattern(const MORBaseUnknown* pattern);
  /// Uses cmp (not counted) and empties the comparator handle.
  virtual void SetComparator(const TOVComparator& cmp);
  /// Uses the handle's comparator (counted); an empty handle selects the shared address
  /// comparator.
  virtual void SetHComparator(const TOVComparatorRfHndlr& hCmp);
  virtual const TOVComparator& GetComparator() const;
  virtual const TOVComparatorRfHndlr& GetHComparator() const;

protected:
  /// The with-pattern flag, read without a virtual call on the walking path.
  unsigned int PatternFlag() const { return _WithPattern; }
  /// 1 when the with-pattern flag is off or object matches the pattern.
  bool Matches(const MORBaseUnknown* object) const {
    return !_WithPattern || _pComparator->CompareObjects(_pPattern, object) == 0;
  }

private:
  const MORBaseUnknown* _pPattern;
  unsigned int _WithPattern;
  const TOVComparator* _pComparator;
  TOVComparatorRfHndlr _HComparator;
};

#endif
