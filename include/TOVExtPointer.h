// Read-only object-pointer value that may be null.
#ifndef TOVEXTPOINTER_H
#define TOVEXTPOINTER_H

#include "TOVExtDataType.h"

/// An object pointer, read as const; the null pointer is the null value.
class TOVBASIC_API TOVExtPointer : public TOVExtDataType {
  TOV_DECLARE_CLASS(TOVExtPointer)
public:
  TOVExtPointer() = default;
  TOVExtPointer(const TOVExtPointer&) = default;
  TOVExtPointer& operator=(const TOVExtPointer&) = default;
  ~TOVExtPointer() override;

  unsigned int IsDbNull() const override = 0;
  /// The pointer, null included.
  virtual const MORBaseUnknown* GetConstPointer() const = 0;
  /// The object pointed at; stops the process when the value is null.
  virtual const MORBaseUnknown& GetConstRef() const = 0;
};

#endif
