// Root of the volatile iterators: each object is valid only until the next call to
// Next or until the iterator dies.
#ifndef TOVVOLATILEONEWAYITERATOR_H
#define TOVVOLATILEONEWAYITERATOR_H

#include "TOVMacro.h"

class TOVBASIC_API TOVVolatileOneWayIterator : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVVolatileOneWayIterator)
public:
  TOVVolatileOneWayIterator() = default;
  ~TOVVolatileOneWayIterator() override;

  /// Stores the next object (null at the end) in out; gives a status (0: success).
  [[nodiscard]] virtual long Next(const MORBaseUnknown*& out) = 0;
  /// The next object, null at the end.
  virtual const MORBaseUnknown* Next() = 0;
};

#endif
