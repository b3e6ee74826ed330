// Root of the external data types: one value of a simple kind, or null.
#ifndef TOVEXTDATATYPE_H
#define TOVEXTDATATYPE_H

#include "TOVMacro.h"

/// A value that may be null, as a database column can be. Reading the value of a null
/// object stops the process.
class TOVBASIC_API TOVExtDataType : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVExtDataType)
public:
  TOVExtDataType() = default;
  TOVExtDataType(const TOVExtDataType&) = default;
  TOVExtDataType& operator=(const TOVExtDataType&) = default;
  ~TOVExtDataType() override;

  /// 1 when the object holds no value, else 0.
  virtual unsigned int IsDbNull() const = 0;

protected:
  /// Stops the process with "The Value is null" when the object is null.
  void CheckIsNotDbNull() const;
};

#endif
