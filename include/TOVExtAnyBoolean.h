// Settable boolean value with a null flag.
#ifndef TOVEXTANYBOOLEAN_H
#define TOVEXTANYBOOLEAN_H

#include "TOVExtBoolean.h"

/// A boolean with a separate null flag: becoming null keeps the boolean underneath.
class TOVBASIC_API TOVExtAnyBoolean : public TOVExtBoolean {
  TOV_DECLARE_CLASS(TOVExtAnyBoolean)
public:
  /// A null value.
  TOVExtAnyBoolean();
  TOVExtAnyBoolean(unsigned int iValue);
  TOVExtAnyBoolean(const TOVExtBoolean& iOther);
  TOVExtAnyBoolean(const TOVExtAnyBoolean& iOther);
  ~TOVExtAnyBoolean() override;

  TOVExtAnyBoolean& operator=(unsigned int iValue);
  TOVExtAnyBoolean& operator=(const TOVExtBoolean& iOther);
  TOVExtAnyBoolean& operator=(const TOVExtAnyBoolean& iOther);

  unsigned int IsDbNull() const override;
  /// The boolean as it was set; stops the process when the value is null.
  unsigned int GetBoolean() const override;
  virtual void SetToDbNull();
  virtual void SetBoolean(unsigned int iValue);
  /// Takes iOther's boolean, or becomes null.
  virtual void SetExtBoolean(const TOVExtBoolean& iOther);

private:
  unsigned int _IsNull;
  unsigned int _Value;
};

#endif
