// Strategy that orders objects and decides their equality.
#ifndef TOVCOMPARATOR_H
#define TOVCOMPARATOR_H

#include "TOVMacro.h"

class TOVBASIC_API TOVComparator : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVComparator)
public:
  TOVComparator() = default;
  ~TOVComparator() override;

  /// Negative when a sorts before b, 0 when they are equal, positive otherwise.
  virtual int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const = 0;

  /// 1 when a set kept sorted by second may be searched by bisection with first.
  static unsigned int FirstCanBeUsedInSetSortedBySecond(const TOVComparator& first,
                                                        const TOVComparator& second);

protected:
  /// 1 when this comparator's class is second's class or derives from it.
  virtual unsigned int CanBeUsedInSetSortedBySecond(const TOVComparator& second) const;
  /// 1 when first's class is this comparator's class or derives from it.
  virtual unsigned int SortsSetAsSecondCanBeUsed(const TOVComparator& first) const;
};

#endif
