// A calendar date and time of day, to the second, without a time zone of its own.
#ifndef TOVDATE_H
#define TOVDATE_H

#include "TOVMacro.h"

#include <ctime>

/// One date and time of day. A default-constructed date is not set (its day is 0); the
/// reading operations that need a set date stop the process when it is not.
class TOVBASIC_API TOVDate : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVDate)
public:
  /// A date that is not set.
  TOVDate();
  /// The date of the six fields, checked as SetDate does.
  TOVDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond);
  /// A copy of the six fields of other.
  TOVDate(const TOVDate& other);
  /// The date of time stamp iTime, local time when iLocal is not 0, else universal time.
  TOVDate(long iTime, unsigned int iLocal);
  /// The date of the broken-down time iTm.
  explicit TOVDate(const struct tm& iTm);
  /// Copies the six fields.
  TOVDate& operator=(const TOVDate& other);

  /// Sets the date from a broken-down time (years since 1900, months from 0).
  virtual void SetDate(const struct tm& iTm);
  /// Sets the date from a time stamp, in local time when iLocal is not 0, else in
  /// universal time. A stamp before 1970 or beyond the years an int holds stops the
  /// process.
  virtual void SetDate(long iTime, unsigned int iLocal);
  /// Copies the six fields of other, set or not, without checks.
  virtual void SetDate(const TOVDate& other);
  /// Checks month, day (for that year and month), hour, minute and second, stopping the
  /// process at the first invalid one, then stores the six fields. The year is free.
  virtual void SetDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond);
  /// The six fields, whether the date is set or not.
  virtual void GetDate(int& oYear, int& oMonth, int& oDay, int& oHour, int& oMinute,
                       int& oSecond) const;
  /// One field of a set date.
  virtual int GetYear() const;
  virtual int GetMonth() const;
  virtual int GetDay() const;
  virtual int GetHour() const;
  virtual int GetMinute() const;
  virtual int GetSecond() const;
  /// The time stamp of a set date of the years 1970 to 2037, read as local time when
  /// iLocal is not 0 (daylight saving decided by the system), else as universal time.
  virtual long Gettime_t(unsigned int iLocal) const;
  /// The broken-down time of a set date, with day of the week and of the year, and
  /// daylight saving left to the system (-1).
  virtual struct tm GetTM() const;

  /// The first non-zero difference this - other among year, month, day, hour, minute and
  /// second, in that order (kept within the int range), or 0. This date must be set.
  int Compare(const TOVDate& other) const;
  bool operator==(const TOVDate& other) const { return Compare(other) == 0; }
  bool operator!=(const TOVDate& other) const { return Compare(other) != 0; }
  bool operator<(const TOVDate& other) const { return Compare(other) < 0; }
  bool operator>(const TOVDate& other) const { return Compare(other) > 0; }
  bool operator<=(const TOVDate& other) const { return Compare(other) <= 0; }
  bool operator>=(const TOVDate& other) const { return Compare(other) >= 0; }

private:
  /// Stops the process when the date was never set.
  void CheckSet() const;

  int _Year;
  unsigned char _Month;
  unsigned char _Day;
  unsigned char _Hour;
  unsigned char _Minute;
  unsigned char _Second;
};

#endif
