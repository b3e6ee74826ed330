// Convertor of identified objects into their identifier string.
#ifndef TOVIDOBJCONVIDTOSTRING_H
#define TOVIDOBJCONVIDTOSTRING_H

#include "TOVConvertor.h"

class TOVIdentifiedObject;

class TOVBASIC_API TOVIdObjConvIdToString : public TOVConvertor {
  TOV_DECLARE_CLASS(TOVIdObjConvIdToString)

public:
  /// No object.
  TOVIdObjConvIdToString();
  /// As Set(object).
  explicit TOVIdObjConvIdToString(const TOVIdentifiedObject* object);
  ~TOVIdObjConvIdToString() override;

  /// obj must be an identified object or null.
  void Set(const MORBaseUnknown* obj) override;
  /// The object's identifier (a TOVString), or null when no object is set.
  const MORBaseUnknown* GetConverted() const override;

private:
  const TOVIdentifiedObject* _pObject;
};

#endif
