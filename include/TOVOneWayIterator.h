// Root of the stable iterators: objects that outlive the iterator, one way.
#ifndef TOVONEWAYITERATOR_H
#define TOVONEWAYITERATOR_H

#include "TOVMacro.h"

class TOVBASIC_API TOVOneWayIterator : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVOneWayIterator)
public:
  TOVOneWayIterator() = default;
  ~TOVOneWayIterator() override;

  /// The next object, null when there is none.
  virtual MORBaseUnknown* Next() = 0;
};

#endif
