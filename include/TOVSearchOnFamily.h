// A search key that stands for any object of one family.
#ifndef TOVSEARCHONFAMILY_H
#define TOVSEARCHONFAMILY_H

#include "TOVObjWithFamily.h"

/// The family is not owned: mapped codes are shared, long-lived objects.
class TOVBASIC_API TOVSearchOnFamily : public TOVObjWithFamily {
  TOV_DECLARE_CLASS(TOVSearchOnFamily)

public:
  /// No family yet.
  TOVSearchOnFamily();
  explicit TOVSearchOnFamily(const TOVMappedCode& family);
  ~TOVSearchOnFamily() override;

  /// The family; a fatal internal error when none was set.
  const TOVMappedCode& GetFamily() const override;
  virtual void SetFamily(const TOVMappedCode& family);

private:
  const TOVMappedCode* _pFamily;
};

#endif
