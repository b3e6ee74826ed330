// Settable modifiable object-pointer value.
#ifndef TOVEXTANYVARPOINTER_H
#define TOVEXTANYVARPOINTER_H

#include "TOVExtVarPointer.h"

/// Holds an object pointer that it does not own; null when the pointer is null.
class TOVBASIC_API TOVExtAnyVarPointer : public TOVExtVarPointer {
  TOV_DECLARE_CLASS(TOVExtAnyVarPointer)
public:
  /// A null value.
  TOVExtAnyVarPointer();
  TOVExtAnyVarPointer(MORBaseUnknown* iPointer);
  TOVExtAnyVarPointer(const TOVExtVarPointer& iOther);
  TOVExtAnyVarPointer(const TOVExtAnyVarPointer& iOther);
  ~TOVExtAnyVarPointer() override;

  TOVExtAnyVarPointer& operator=(MORBaseUnknown* iPointer);
  TOVExtAnyVarPointer& operator=(const TOVExtVarPointer& iOther);
  TOVExtAnyVarPointer& operator=(const TOVExtAnyVarPointer& iOther);

  unsigned int IsDbNull() const override;
  const MORBaseUnknown* GetConstPointer() const override;
  const MORBaseUnknown& GetConstRef() const override;
  MORBaseUnknown* GetVarPointer() const override;
  MORBaseUnknown& GetVarRef() const override;
  virtual void SetToDbNull();
  virtual void SetVarPointer(MORBaseUnknown* iPointer);
  /// Takes iOther's pointer, or becomes null.
  virtual void SetExtVarPointer(const TOVExtVarPointer& iOther);

private:
  MORBaseUnknown* _pObject;
};

#endif
