// Volatile view of a stable iterator, optionally converted.
#ifndef TOVVOLATILEONEWAYITERATORFORITERATOR_H
#define TOVVOLATILEONEWAYITERATORFORITERATOR_H

#include "TOVVolatileOneWayIterator.h"

class TOVConvertor;
class TOVOneWayIterator;

class TOVBASIC_API TOVVolatileOneWayIteratorForIterator : public TOVVolatileOneWayIterator {
  TOV_DECLARE_CLASS(TOVVolatileOneWayIteratorForIterator)
public:
  /// Neither the source nor the convertor (which may be null) is owned.
  TOVVolatileOneWayIteratorForIterator(TOVOneWayIterator& source, TOVConvertor* conv);
  ~TOVVolatileOneWayIteratorForIterator() override;

  [[nodiscard]] long Next(const MORBaseUnknown*& out) override;
  const MORBaseUnknown* Next() override;

private:
  TOVOneWayIterator& _Source;
  TOVConvertor* _pConvertor;
};

#endif
