// A message builder with an array of parameters.
#ifndef TOVPARAMNLSMSGBLDR_H
#define TOVPARAMNLSMSGBLDR_H

#include "TOVNLSMsgBldr.h"
#include "TOVString.h"

/// Abstract builder whose text is filled with parameters (0-based here, %1 for the first
/// in the catalog text). Integers become their decimal text, narrow texts are UTF-8.
class TOVBASIC_API TOVParamNLSMsgBldr : public TOVNLSMsgBldr {
  TOV_DECLARE_CLASS(TOVParamNLSMsgBldr)
public:
  TOVParamNLSMsgBldr() = default;
  ~TOVParamNLSMsgBldr() override;

  /// No parameter any more; the storage stays.
  virtual void ClearParameterArray() = 0;
  /// Sets the parameter after the last one set.
  virtual void AddNewParameter(int value) = 0;
  virtual void AddNewParameter(const char* value) = 0;
  virtual void AddNewParameter(const TOVString& value) = 0;
  virtual void AddNewParameter(const MORUnicodeString& value) = 0;
  /// Sets parameter iIndex, extending the count to iIndex + 1 when it is beyond it.
  virtual void SetParameter(int iIndex, int value) = 0;
  virtual void SetParameter(int iIndex, const char* value) = 0;
  virtual void SetParameter(int iIndex, const TOVString& value) = 0;
  virtual void SetParameter(int iIndex, const MORUnicodeString& value) = 0;
};

#endif
