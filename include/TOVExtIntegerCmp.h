// Comparator of integer values, null first.
#ifndef TOVEXTINTEGERCMP_H
#define TOVEXTINTEGERCMP_H

#include "TOVComparator.h"

/// Orders TOVExtInteger objects: null before every integer, two nulls equal, integers by
/// value.
class TOVBASIC_API TOVExtIntegerCmp : public TOVComparator {
  TOV_DECLARE_CLASS(TOVExtIntegerCmp)
public:
  TOVExtIntegerCmp() = default;
  ~TOVExtIntegerCmp() override;

  /// -1, 0 or 1. Both objects must be TOVExtInteger objects.
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVExtIntegerCmp& GetGlobal();

private:
  static TOVExtIntegerCmp* _pGlobal;
};

#endif
