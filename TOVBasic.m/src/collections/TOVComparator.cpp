#include "TOVComparator.h"

TOV_IMPLEMENT_CLASS(TOVComparator, MORBaseUnknown)

TOVComparator::~TOVComparator() = default;

unsigned int TOVComparator::CanBeUsedInSetSortedBySecond(const TOVComparator& second) const {
  return GetMetaObject()->IsAKindOf(second.GetMetaObject()) ? 1 : 0;
}

unsigned int TOVComparator::SortsSetAsSecondCanBeUsed(const TOVComparator& first) const {
  return first.GetMetaObject()->IsAKindOf(GetMetaObject()) ? 1 : 0;
}

unsigned int TOVComparator::FirstCanBeUsedInSetSortedBySecond(const TOVComparator& first,
                                                              const TOVComparator& second) {
  if (first.CanBeUsedInSetSortedBySecond(second))
    return 1;
  return second.SortsSetAsSecondCanBeUsed(first) ? 1 : 0;
}
