// Strategy that turns one object into another, for iteration.
#ifndef TOVCONVERTOR_H
#define TOVCONVERTOR_H

#include "TOVMacro.h"

class TOVBASIC_API TOVConvertor : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVConvertor)
public:
  TOVConvertor() = default;
  ~TOVConvertor() override;

  /// Gives the object to convert.
  virtual void Set(const MORBaseUnknown* obj) = 0;
  /// The converted object, owned by the convertor and valid until the next Set; null
  /// after Set(nullptr).
  virtual const MORBaseUnknown* GetConverted() const = 0;
};

#endif
