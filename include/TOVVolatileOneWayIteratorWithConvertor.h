// Volatile iterator that converts what another volatile iterator yields.
#ifndef TOVVOLATILEONEWAYITERATORWITHCONVERTOR_H
#define TOVVOLATILEONEWAYITERATORWITHCONVERTOR_H

#include "TOVVolatileOneWayIterator.h"

class TOVConvertor;

class TOVBASIC_API TOVVolatileOneWayIteratorWithConvertor : public TOVVolatileOneWayIterator {
  TOV_DECLARE_CLASS(TOVVolatileOneWayIteratorWithConvertor)
public:
  /// Neither the source nor the convertor is owned.
  TOVVolatileOneWayIteratorWithConvertor(TOVVolatileOneWayIterator& source, TOVConvertor& conv);
  ~TOVVolatileOneWayIteratorWithConvertor() override;

  [[nodiscard]] long Next(const MORBaseUnknown*& out) override;
  const MORBaseUnknown* Next() override;

private:
  TOVVolatileOneWayIterator& _Source;
  TOVConvertor& _Convertor;
};

#endif
