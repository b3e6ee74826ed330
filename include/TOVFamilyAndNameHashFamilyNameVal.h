// Hashes objects with a family and a name by family object and name text.
#ifndef TOVFAMILYANDNAMEHASHFAMILYNAMEVAL_H
#define TOVFAMILYANDNAMEHASHFAMILYNAMEVAL_H

#include "TOVHashCoder.h"

class TOVBASIC_API TOVFamilyAndNameHashFamilyNameVal : public TOVHashCoder {
  TOV_DECLARE_CLASS(TOVFamilyAndNameHashFamilyNameVal)

public:
  TOVFamilyAndNameHashFamilyNameVal() = default;
  ~TOVFamilyAndNameHashFamilyNameVal() override;

  /// Must be a TOVFamilyAndName: the address hash of the family plus the text hash of the
  /// name, modulo 2^32. A null argument is fatal.
  unsigned int Code(const MORBaseUnknown* pObj1) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVFamilyAndNameHashFamilyNameVal& GetGlobal();

private:
  static TOVFamilyAndNameHashFamilyNameVal* _pGlobal;
};

#endif
