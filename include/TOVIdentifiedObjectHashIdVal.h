// Hashes identified objects (or a text key) by identifier.
#ifndef TOVIDENTIFIEDOBJECTHASHIDVAL_H
#define TOVIDENTIFIEDOBJECTHASHIDVAL_H

#include "TOVStringExtCharsHash.h"

class TOVBASIC_API TOVIdentifiedObjectHashIdVal : public TOVStringExtCharsHash {
  TOV_DECLARE_CLASS(TOVIdentifiedObjectHashIdVal)

public:
  TOVIdentifiedObjectHashIdVal() = default;
  ~TOVIdentifiedObjectHashIdVal() override;

  /// The text hash of the identifier (of the key itself for a text key): an identified
  /// object and the text of its identifier get the same code. A null argument is fatal.
  unsigned int Code(const MORBaseUnknown* pObject) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVIdentifiedObjectHashIdVal& GetGlobal();

private:
  static TOVIdentifiedObjectHashIdVal* _pGlobal;
};

#endif
