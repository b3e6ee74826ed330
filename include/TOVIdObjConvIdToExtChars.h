// Convertor of identified objects into external character values of their identifier.
#ifndef TOVIDOBJCONVIDTOEXTCHARS_H
#define TOVIDOBJCONVIDTOEXTCHARS_H

#include "TOVConvertor.h"
#include "TOVExtAnyChars.h"

class TOVIdentifiedObject;

/// The converted value refers to the identifier's text (no copy): valid while the
/// object's identifier is unchanged and until the next Set.
class TOVBASIC_API TOVIdObjConvIdToExtChars : public TOVConvertor {
  TOV_DECLARE_CLASS(TOVIdObjConvIdToExtChars)

public:
  /// No object: the converted value is null.
  TOVIdObjConvIdToExtChars();
  /// As Set(object).
  explicit TOVIdObjConvIdToExtChars(const TOVIdentifiedObject* object);
  ~TOVIdObjConvIdToExtChars() override;

  /// obj must be an identified object or null (the converted value is then null).
  void Set(const MORBaseUnknown* obj) override;
  /// The converted TOVExtAnyChars, null (IsDbNull) when no object is set.
  const MORBaseUnknown* GetConverted() const override;

private:
  const TOVIdentifiedObject* _pObject;
  TOVExtAnyChars _Converted;
};

#endif
