// An object with a family and a text name.
#ifndef TOVFAMILYANDNAME_H
#define TOVFAMILYANDNAME_H

#include "TOVObjWithFamily.h"
#include "TOVString.h"

/// Containers keyed by the FamilyNameVal or FamilyCodeValNameVal strategies find such
/// objects from a family and a name (see TOVSearchOnFamilyAndName).
class TOVBASIC_API TOVFamilyAndName : public TOVObjWithFamily {
  TOV_DECLARE_CLASS(TOVFamilyAndName)

public:
  TOVFamilyAndName() = default;
  ~TOVFamilyAndName() override;

  const TOVMappedCode& GetFamily() const override = 0;
  virtual const TOVString& GetName() const = 0;
};

#endif
