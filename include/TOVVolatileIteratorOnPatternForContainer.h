// Volatile iterator over the objects of a container that match a pattern.
#ifndef TOVVOLATILEITERATORONPATTERNFORCONTAINER_H
#define TOVVOLATILEITERATORONPATTERNFORCONTAINER_H

#include "TOVVolatileIteratorOnPattern.h"

class TOVComparator;
class TOVContainer;
class TOVConvertor;
class TOVIterator;

class TOVBASIC_API TOVVolatileIteratorOnPatternForContainer : public TOVVolatileIteratorOnPattern {
  TOV_DECLARE_CLASS(TOVVolatileIteratorOnPatternForContainer)
public:
  /// A null comparator searches with the container's own; a null convertor yields the
  /// objects themselves. None of the three is owned.
  TOVVolatileIteratorOnPatternForContainer(const TOVContainer& container, const TOVComparator* cmp,
                                           TOVConvertor* conv);
  ~TOVVolatileIteratorOnPatternForContainer() override;

  [[nodiscard]] long Next(const MORBaseUnknown*& out) override;
  /// Fatal before the first GoToFirst.
  const MORBaseUnknown* Next() override;
  void GoToFirst(const MORBaseUnknown* pattern) override;

private:
  const TOVContainer& _Container;
  const TOVComparator* _pComparator;
  TOVConvertor* _pConvertor;
  TOVIterator* _pIterator;
};

#endif
