// One-way iterator that yields one object once.
#ifndef TOVONEWAYITERATORONONEOBJECT_H
#define TOVONEWAYITERATORONONEOBJECT_H

#include "TOVOneWayIterator.h"

class TOVBASIC_API TOVOneWayIteratorOnOneObject : public TOVOneWayIterator {
  TOV_DECLARE_CLASS(TOVOneWayIteratorOnOneObject)
public:
  explicit TOVOneWayIteratorOnOneObject(MORBaseUnknown* obj);
  ~TOVOneWayIteratorOnOneObject() override;

  /// The object on the first call, then null.
  MORBaseUnknown* Next() override;
  /// Arms the iterator again with obj.
  virtual void SetpObject(MORBaseUnknown* obj);

private:
  MORBaseUnknown* _pObject;
};

#endif
