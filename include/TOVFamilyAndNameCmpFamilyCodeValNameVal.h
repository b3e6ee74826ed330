// Compares objects with a family and a name by family code text, then name text.
#ifndef TOVFAMILYANDNAMECMPFAMILYCODEVALNAMEVAL_H
#define TOVFAMILYANDNAMECMPFAMILYCODEVALNAMEVAL_H

#include "TOVComparator.h"

class TOVBASIC_API TOVFamilyAndNameCmpFamilyCodeValNameVal : public TOVComparator {
  TOV_DECLARE_CLASS(TOVFamilyAndNameCmpFamilyCodeValNameVal)

public:
  TOVFamilyAndNameCmpFamilyCodeValNameVal() = default;
  ~TOVFamilyAndNameCmpFamilyCodeValNameVal() override;

  /// Both must be TOVFamilyAndName objects: their families' codes, then their names,
  /// compared by the shared TOVStringExtCharsCmp. The order is the same in every run. A
  /// null argument is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVFamilyAndNameCmpFamilyCodeValNameVal& GetGlobal();

private:
  static TOVFamilyAndNameCmpFamilyCodeValNameVal* _pGlobal;
};

#endif
