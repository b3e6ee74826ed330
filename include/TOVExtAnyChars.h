// Text value that refers to the caller's characters without copying them.
#ifndef TOVEXTANYCHARS_H
#define TOVEXTANYCHARS_H

#include "TOVExtChars.h"

/// Holds only a pointer to a zero-terminated text that the caller keeps alive: a change
/// of the caller's buffer changes the value. A null pointer or an empty text is null.
class TOVBASIC_API TOVExtAnyChars : public TOVExtChars {
  TOV_DECLARE_CLASS(TOVExtAnyChars)
public:
  /// A null value.
  TOVExtAnyChars();
  TOVExtAnyChars(const char* iChars);
  TOVExtAnyChars(const TOVExtChars& iOther);
  TOVExtAnyChars(const TOVExtAnyChars& iOther);
  ~TOVExtAnyChars() override;

  TOVExtAnyChars& operator=(const char* iChars);
  TOVExtAnyChars& operator=(const TOVExtChars& iOther);
  TOVExtAnyChars& operator=(const TOVExtAnyChars& iOther);

  unsigned int IsDbNull() const override;
  /// The text; stops the process when the value is null.
  const char* GetChars() const override;
  virtual void SetToDbNull();
  /// Refers to iChars as given (null or empty: the value becomes null).
  virtual void SetChars(const char* iChars);
  /// Refers to the text of iOther (which must outlive this use), or becomes null.
  virtual void SetExtChars(const TOVExtChars& iOther);

private:
  const char* _pChars;
};

#endif
