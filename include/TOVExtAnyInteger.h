// Settable integer value with a null flag.
#ifndef TOVEXTANYINTEGER_H
#define TOVEXTANYINTEGER_H

#include "TOVExtInteger.h"

/// An int with a separate null flag: becoming null keeps the integer underneath.
class TOVBASIC_API TOVExtAnyInteger : public TOVExtInteger {
  TOV_DECLARE_CLASS(TOVExtAnyInteger)
public:
  /// A null value.
  TOVExtAnyInteger();
  TOVExtAnyInteger(int iValue);
  TOVExtAnyInteger(const TOVExtInteger& iOther);
  TOVExtAnyInteger(const TOVExtAnyInteger& iOther);
  ~TOVExtAnyInteger() override;

  TOVExtAnyInteger& operator=(int iValue);
  TOVExtAnyInteger& operator=(const TOVExtInteger& iOther);
  TOVExtAnyInteger& operator=(const TOVExtAnyInteger& iOther);

  unsigned int IsDbNull() const override;
  /// The integer; stops the process when the value is null.
  int GetInteger() const override;
  virtual void SetToDbNull();
  virtual void SetInteger(int iValue);
  /// Takes iOther's integer, or becomes null.
  virtual void SetExtInteger(const TOVExtInteger& iOther);

private:
  unsigned int _IsNull;
  int _Value;
};

#endif
