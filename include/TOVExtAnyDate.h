// Settable date value with a null flag.
#ifndef TOVEXTANYDATE_H
#define TOVEXTANYDATE_H

#include "TOVExtDate.h"

/// A TOVDate with a separate null flag: becoming null keeps the date underneath.
class TOVBASIC_API TOVExtAnyDate : public TOVExtDate {
  TOV_DECLARE_CLASS(TOVExtAnyDate)
public:
  /// A null value (the date underneath is not set).
  TOVExtAnyDate();
  TOVExtAnyDate(const TOVDate& iDate);
  TOVExtAnyDate(const TOVExtDate& iOther);
  TOVExtAnyDate(const TOVExtAnyDate& iOther);
  ~TOVExtAnyDate() override;

  TOVExtAnyDate& operator=(const TOVDate& iDate);
  TOVExtAnyDate& operator=(const TOVExtDate& iOther);
  TOVExtAnyDate& operator=(const TOVExtAnyDate& iOther);

  unsigned int IsDbNull() const override;
  /// The date; stops the process when the value is null.
  const TOVDate& GetDate() const override;
  virtual void SetToDbNull();
  virtual void SetDate(const TOVDate& iDate);
  /// Takes iOther's date, or becomes null.
  virtual void SetExtDate(const TOVExtDate& iOther);
  /// The held date itself, null or not.
  virtual TOVDate& Date();

private:
  unsigned int _IsNull;
  TOVDate _Value;
};

#endif
