// Comparator of objects by address.
#ifndef MORBASEUNKNOWNCMPADDR_H
#define MORBASEUNKNOWNCMPADDR_H

#include "TOVComparator.h"

class TOVBASIC_API MORBaseUnknownCmpAddr : public TOVComparator {
  TOV_DECLARE_CLASS(MORBaseUnknownCmpAddr)
public:
  MORBaseUnknownCmpAddr() = default;
  ~MORBaseUnknownCmpAddr() override;

  /// -1, 0 or 1 as the two addresses compare as unsigned numbers.
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static MORBaseUnknownCmpAddr& GetGlobal();

private:
  static MORBaseUnknownCmpAddr* _pGlobal;
};

#endif
