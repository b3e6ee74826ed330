// Compares identified objects (or an identified object and a text key) by identifier.
#ifndef TOVIDENTIFIEDOBJECTCMPIDVAL_H
#define TOVIDENTIFIEDOBJECTCMPIDVAL_H

#include "TOVStringExtCharsCmp.h"

class TOVBASIC_API TOVIdentifiedObjectCmpIdVal : public TOVStringExtCharsCmp {
  TOV_DECLARE_CLASS(TOVIdentifiedObjectCmpIdVal)

public:
  TOVIdentifiedObjectCmpIdVal() = default;
  ~TOVIdentifiedObjectCmpIdVal() override;

  /// Each identified object is replaced by its identifier, anything else (a TOVString or
  /// TOVExtChars key) stays itself; then the texts are compared, case respected. A null
  /// argument is fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVIdentifiedObjectCmpIdVal& GetGlobal();

private:
  static TOVIdentifiedObjectCmpIdVal* _pGlobal;
};

#endif
