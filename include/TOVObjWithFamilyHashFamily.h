// Hashes objects with a family (or a mapped-code key) by family address.
#ifndef TOVOBJWITHFAMILYHASHFAMILY_H
#define TOVOBJWITHFAMILYHASHFAMILY_H

#include "MORBaseUnknownHashAddr.h"

class TOVBASIC_API TOVObjWithFamilyHashFamily : public MORBaseUnknownHashAddr {
  TOV_DECLARE_CLASS(TOVObjWithFamilyHashFamily)

public:
  TOVObjWithFamilyHashFamily() = default;
  ~TOVObjWithFamilyHashFamily() override;

  /// The address hash of the family (of the key itself for any other object). A null
  /// argument is fatal.
  unsigned int Code(const MORBaseUnknown* pObj1) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVObjWithFamilyHashFamily& GetGlobal();

private:
  static TOVObjWithFamilyHashFamily* _pGlobal;
};

#endif
