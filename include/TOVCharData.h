// A named text value that may be set at most once.
#ifndef TOVCHARDATA_H
#define TOVCHARDATA_H

#include "TOVString.h"

/// The name says what the value is; it appears in the fatal reports of misuse.
class TOVBASIC_API TOVCharData : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVCharData)

public:
  /// Not defined yet. With iSetOnce not 0, the value may be set only once.
  TOVCharData(const char* name, unsigned int iSetOnce);
  /// Defined with value (null: empty).
  TOVCharData(const char* name, const char* value, unsigned int iSetOnce);
  ~TOVCharData() override;

  virtual const TOVString& GetName() const;
  /// 1 once a value was given, else 0.
  virtual unsigned int IsDefined() const;
  /// Stores a copy of value (null: empty) and marks it defined. A second value of a
  /// set-once datum is a fatal internal error naming the datum.
  virtual void SetValue(const char* value);
  /// The value; a fatal internal error naming the datum when it is not defined.
  virtual const TOVString& GetValue() const;

private:
  TOVString _Name;
  unsigned int _SetOnce;
  unsigned int _Defined;
  TOVString _Value;
};

#endif
