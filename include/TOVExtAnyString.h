// Text value that keeps its own copy of the text.
#ifndef TOVEXTANYSTRING_H
#define TOVEXTANYSTRING_H

#include "TOVExtChars.h"
#include "TOVString.h"

/// Holds a TOVString; the value is null when the string's text is empty.
class TOVBASIC_API TOVExtAnyString : public TOVExtChars {
  TOV_DECLARE_CLASS(TOVExtAnyString)
public:
  /// A null value.
  TOVExtAnyString();
  TOVExtAnyString(const char* iChars);
  TOVExtAnyString(const TOVString& iString);
  TOVExtAnyString(const TOVExtChars& iOther);
  TOVExtAnyString(const TOVExtAnyString& iOther);
  ~TOVExtAnyString() override;

  TOVExtAnyString& operator=(const char* iChars);
  TOVExtAnyString& operator=(const TOVString& iString);
  TOVExtAnyString& operator=(const TOVExtChars& iOther);
  TOVExtAnyString& operator=(const TOVExtAnyString& iOther);

  unsigned int IsDbNull() const override;
  /// The text; stops the process when the value is null.
  const char* GetChars() const override;
  /// Empties the held string.
  virtual void SetToDbNull();
  /// Copies iChars (null or empty: the value becomes null).
  virtual void SetChars(const char* iChars);
  /// Copies iString.
  virtual void SetString(const TOVString& iString);
  /// Copies the value of iOther (the whole string when iOther holds one), or becomes null.
  virtual void SetExtChars(const TOVExtChars& iOther);
  /// The held string; stops the process when the value is null.
  virtual const TOVString& GetString() const;
  /// The held string itself, null or not.
  virtual TOVString& String();

private:
  TOVString _Value;
};

#endif
