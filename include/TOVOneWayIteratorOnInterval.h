// One-way iterator over a run of consecutive slots of a vector.
#ifndef TOVONEWAYITERATORONINTERVAL_H
#define TOVONEWAYITERATORONINTERVAL_H

#include "TOVOneWayIterator.h"

class TOVVector;

class TOVBASIC_API TOVOneWayIteratorOnInterval : public TOVOneWayIterator {
  TOV_DECLARE_CLASS(TOVOneWayIteratorOnInterval)
public:
  /// Yields the objects at indexes first to first + count - 1; v must outlive it.
  TOVOneWayIteratorOnInterval(const TOVVector& v, int first, int count);
  ~TOVOneWayIteratorOnInterval() override;

  MORBaseUnknown* Next() override;
  /// Starts over at the first index.
  virtual void ToBegin();

private:
  const TOVVector& _Vector;
  int _First;
  int _Current;
  int _Last;
};

#endif
