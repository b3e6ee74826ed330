// Volatile iterator over a whole container, optionally converted.
#ifndef TOVVOLATILEONEWAYITERATORFORCONTAINER_H
#define TOVVOLATILEONEWAYITERATORFORCONTAINER_H

#include "TOVVolatileOneWayIterator.h"

class TOVContainer;
class TOVConvertor;
class TOVIterator;

class TOVBASIC_API TOVVolatileOneWayIteratorForContainer : public TOVVolatileOneWayIterator {
  TOV_DECLARE_CLASS(TOVVolatileOneWayIteratorForContainer)
public:
  /// Neither the container nor the convertor (which may be null) is owned.
  TOVVolatileOneWayIteratorForContainer(const TOVContainer& container, TOVConvertor* conv);
  ~TOVVolatileOneWayIteratorForContainer() override;

  [[nodiscard]] long Next(const MORBaseUnknown*& out) override;
  const MORBaseUnknown* Next() override;

private:
  const TOVContainer& _Container;
  TOVIterator* _pIterator;
  TOVConvertor* _pConvertor;
};

#endif
