// Compares objects with a family and a name by family object, then name text.
#ifndef TOVFAMILYANDNAMECMPFAMILYNAMEVAL_H
#define TOVFAMILYANDNAMECMPFAMILYNAMEVAL_H

#include "TOVComparator.h"

class TOVBASIC_API TOVFamilyAndNameCmpFamilyNameVal : public TOVComparator {
  TOV_DECLARE_CLASS(TOVFamilyAndNameCmpFamilyNameVal)

public:
  TOVFamilyAndNameCmpFamilyNameVal() = default;
  ~TOVFamilyAndNameCmpFamilyNameVal() override;

  /// Both must be TOVFamilyAndName objects. Different families: -1 or 1 as their
  /// addresses compare as unsigned numbers; the same family: the names compared by the
  /// shared TOVStringExtCharsCmp. A null argument is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVFamilyAndNameCmpFamilyNameVal& GetGlobal();

protected:
  /// Besides the base rule, a TOVObjWithFamilyCmpFamily (or a kind of it) may search a
  /// set sorted by this comparator: this order refines the family order.
  unsigned int SortsSetAsSecondCanBeUsed(const TOVComparator& first) const override;

private:
  static TOVFamilyAndNameCmpFamilyNameVal* _pGlobal;
};

#endif
