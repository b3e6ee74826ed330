// Object-pointer value that can also be read as modifiable.
#ifndef TOVEXTVARPOINTER_H
#define TOVEXTVARPOINTER_H

#include "TOVExtPointer.h"

/// An object pointer that gives its object as const or as modifiable.
class TOVBASIC_API TOVExtVarPointer : public TOVExtPointer {
  TOV_DECLARE_CLASS(TOVExtVarPointer)
public:
  TOVExtVarPointer() = default;
  TOVExtVarPointer(const TOVExtVarPointer&) = default;
  TOVExtVarPointer& operator=(const TOVExtVarPointer&) = default;
  ~TOVExtVarPointer() override;

  unsigned int IsDbNull() const override = 0;
  const MORBaseUnknown* GetConstPointer() const override = 0;
  const MORBaseUnknown& GetConstRef() const override = 0;
  /// The pointer, null included.
  virtual MORBaseUnknown* GetVarPointer() const = 0;
  /// The object pointed at; stops the process when the value is null.
  virtual MORBaseUnknown& GetVarRef() const = 0;
};

#endif
