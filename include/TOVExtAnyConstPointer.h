// Settable const object-pointer value.
#ifndef TOVEXTANYCONSTPOINTER_H
#define TOVEXTANYCONSTPOINTER_H

#include "TOVExtConstPointer.h"

/// Holds a const object pointer that it does not own; null when the pointer is null.
class TOVBASIC_API TOVExtAnyConstPointer : public TOVExtConstPointer {
  TOV_DECLARE_CLASS(TOVExtAnyConstPointer)
public:
  /// A null value.
  TOVExtAnyConstPointer();
  TOVExtAnyConstPointer(const MORBaseUnknown* iPointer);
  TOVExtAnyConstPointer(const TOVExtPointer& iOther);
  TOVExtAnyConstPointer(const TOVExtAnyConstPointer& iOther);
  ~TOVExtAnyConstPointer() override;

  TOVExtAnyConstPointer& operator=(const MORBaseUnknown* iPointer);
  TOVExtAnyConstPointer& operator=(const TOVExtPointer& iOther);
  TOVExtAnyConstPointer& operator=(const TOVExtAnyConstPointer& iOther);

  unsigned int IsDbNull() const override;
  const MORBaseUnknown* GetConstPointer() const override;
  const MORBaseUnknown& GetConstRef() const override;
  virtual void SetToDbNull();
  virtual void SetConstPointer(const MORBaseUnknown* iPointer);
  /// Takes iOther's pointer, null included.
  virtual void SetExtConstPointer(const TOVExtPointer& iOther);

private:
  const MORBaseUnknown* _pObject;
};

#endif
