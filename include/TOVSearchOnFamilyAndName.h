// A search key that stands for the object of one family and one name.
#ifndef TOVSEARCHONFAMILYANDNAME_H
#define TOVSEARCHONFAMILYANDNAME_H

#include "TOVFamilyAndName.h"

/// The family is not owned: mapped codes are shared, long-lived objects. The name is
/// copied.
class TOVBASIC_API TOVSearchOnFamilyAndName : public TOVFamilyAndName {
  TOV_DECLARE_CLASS(TOVSearchOnFamilyAndName)

public:
  /// No family yet, empty name.
  TOVSearchOnFamilyAndName();
  TOVSearchOnFamilyAndName(const TOVMappedCode& family, const TOVString& name);
  ~TOVSearchOnFamilyAndName() override;

  /// The family; a fatal internal error when none was set.
  const TOVMappedCode& GetFamily() const override;
  const TOVString& GetName() const override;
  virtual void SetFamily(const TOVMappedCode& family);
  virtual void SetName(const TOVString& name);

private:
  const TOVMappedCode* _pFamily;
  TOVString _Name;
};

#endif
