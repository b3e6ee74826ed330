// Volatile iterator that yields one object once.
#ifndef TOVVOLATILEONEWAYITERATORONONEOBJECT_H
#define TOVVOLATILEONEWAYITERATORONONEOBJECT_H

#include "TOVVolatileOneWayIterator.h"

class TOVBASIC_API TOVVolatileOneWayIteratorOnOneObject : public TOVVolatileOneWayIterator {
  TOV_DECLARE_CLASS(TOVVolatileOneWayIteratorOnOneObject)
public:
  explicit TOVVolatileOneWayIteratorOnOneObject(const MORBaseUnknown* obj);
  ~TOVVolatileOneWayIteratorOnOneObject() override;

  [[nodiscard]] long Next(const MORBaseUnknown*& out) override;
  /// The object on the first call, then null.
  const MORBaseUnknown* Next() override;
  /// Arms the iterator again with obj.
  virtual void SetpObject(const MORBaseUnknown* obj);

private:
  const MORBaseUnknown* _pObject;
};

#endif
