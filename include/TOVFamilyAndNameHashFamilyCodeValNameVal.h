// Hashes objects with a family and a name by family code text and name text.
#ifndef TOVFAMILYANDNAMEHASHFAMILYCODEVALNAMEVAL_H
#define TOVFAMILYANDNAMEHASHFAMILYCODEVALNAMEVAL_H

#include "TOVHashCoder.h"

class TOVBASIC_API TOVFamilyAndNameHashFamilyCodeValNameVal : public TOVHashCoder {
  TOV_DECLARE_CLASS(TOVFamilyAndNameHashFamilyCodeValNameVal)

public:
  TOVFamilyAndNameHashFamilyCodeValNameVal() = default;
  ~TOVFamilyAndNameHashFamilyCodeValNameVal() override;

  /// Must be a TOVFamilyAndName: the text hash of the family's code plus the text hash of
  /// the name, modulo 2^32; the same in every run. A null argument is fatal.
  unsigned int Code(const MORBaseUnknown* pObj1) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVFamilyAndNameHashFamilyCodeValNameVal& GetGlobal();

private:
  static TOVFamilyAndNameHashFamilyCodeValNameVal* _pGlobal;
};

#endif
