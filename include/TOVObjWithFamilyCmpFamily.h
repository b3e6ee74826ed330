// Compares objects with a family (or an object and a mapped-code key) by family.
#ifndef TOVOBJWITHFAMILYCMPFAMILY_H
#define TOVOBJWITHFAMILYCMPFAMILY_H

#include "MORBaseUnknownCmpAddr.h"

class TOVBASIC_API TOVObjWithFamilyCmpFamily : public MORBaseUnknownCmpAddr {
  TOV_DECLARE_CLASS(TOVObjWithFamilyCmpFamily)

public:
  TOVObjWithFamilyCmpFamily() = default;
  ~TOVObjWithFamilyCmpFamily() override;

  /// Each object with a family is replaced by its family, anything else (a mapped code
  /// as key) stays itself; then the addresses are compared. A null argument is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVObjWithFamilyCmpFamily& GetGlobal();

private:
  static TOVObjWithFamilyCmpFamily* _pGlobal;
};

#endif
