#include "TOVDate.h"
#include "TOVDateUtilities.h"
#include "TOVFatalInternalError.h"

#include <climits>

TOV_IMPLEMENT_CLASS(TOVDate, MORBaseUnknown)

namespace {

const long SecondsPerDay = 86400;

// Floor division and remainder, so that times before an epoch count backwards.
long FloorDiv(long a, long b) {
  long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The proleptic Gregorian year, month and day of days counted from 1970-01-01. Exact for
// every year, including the century years that are not leap; within the range of 32-bit
// time stamps this is the same as counting every fourth year from 1972 as leap.
void CivilFromDays(long days, long& year, int& month, int& day) {
  days += 719468; // Days from 0000-03-01 to 1970-01-01.
  long era = FloorDiv(days, 146097);
  long dayOfEra = days - era * 146097;
  long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  long monthFromMarch = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

// The difference a - b kept within the int range, its sign intact.
int ClampedDifference(long a, long b) {
  long d = a - b;
  if (d > INT_MAX)
    return INT_MAX;
  if (d < INT_MIN)
    return INT_MIN;
  return static_cast<int>(d);
}

} // namespace

TOVDate::TOVDate() : _Year(0), _Month(0), _Day(0), _Hour(0), _Minute(0), _Second(0) {}

TOVDate::TOVDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond) : TOVDate() {
  SetDate(iYear, iMonth, iDay, iHour, iMinute, iSecond);
}

TOVDate::TOVDate(const TOVDate& other) : TOVDate() {
  SetDate(other);
}

TOVDate::TOVDate(long iTime, unsigned int iLocal) : TOVDate() {
  SetDate(iTime, iLocal);
}

TOVDate::TOVDate(const struct tm& iTm) : TOVDate() {
  SetDate(iTm);
}

TOVDate& TOVDate::operator=(const TOVDate& other) {
  _Year = other._Year;
  _Month = other._Month;
  _Day = other._Day;
  _Hour = other._Hour;
  _Minute = other._Minute;
  _Second = other._Second;
  return *this;
}

void TOVDate::SetDate(const struct tm& iTm) {
  // The offsets are added in long so that no field of a broken-down time can overflow.
  long year = static_cast<long>(iTm.tm_year) + 1900;
  long month = static_cast<long>(iTm.tm_mon) + 1;
  if (month < 1 || month > 12)
    TOVFatalInternalError("Month = ", month, " > 12");
  if (year > INT_MAX)
    TOVFatalInternalError("Year = ", year, " is out of range");
  SetDate(static_cast<int>(year), static_cast<int>(month), iTm.tm_mday, iTm.tm_hour, iTm.tm_min,
          iTm.tm_sec);
}

void TOVDate::SetDate(long iTime, unsigned int iLocal) {
  if (iLocal != 0) {
    time_t stamp = static_cast<time_t>(iTime);
    struct tm local {};
    if (localtime_r(&stamp, &local) == nullptr)
      TOVFatalInternalError("time_t ", iTime, " is out of range");
    SetDate(local);
    return;
  }
  long days = FloorDiv(iTime, SecondsPerDay);
  if (days < 0)
    TOVFatalInternalError("DayIdx = ", days, " < 0");
  long year = 0;
  int month = 0;
  int day = 0;
  CivilFromDays(days, year, month, day);
  if (year > INT_MAX)
    TOVFatalInternalError("time_t ", iTime, " is out of range");
  long s = iTime - days * SecondsPerDay;
  SetDate(static_cast<int>(year), month, day, static_cast<int>(s / 3600),
          static_cast<int>((s % 3600) / 60), static_cast<int>(s % 60));
}

void TOVDate::SetDate(const TOVDate& other) {
  int year, month, day, hour, minute, second;
  other.GetDate(year, month, day, hour, minute, second);
  _Year = year;
  _Month = static_cast<unsigned char>(month);
  _Day = static_cast<unsigned char>(day);
  _Hour = static_cast<unsigned char>(hour);
  _Minute = static_cast<unsigned char>(minute);
  _Second = static_cast<unsigned char>(second);
}

void TOVDate::SetDate(int iYear, int iMonth, int iDay, int iHour, int iMinute, int iSecond) {
  if (iMonth < 1 || iMonth > 12)
    TOVFatalInternalError("Month = ", iMonth, " > 12");
  if (TOVDateUtilities::DayIsValid(iYear, iMonth, iDay) == 0)
    TOVFatalInternalError("The day ", iDay, " is invalid for year ", iYear, " and month ", iMonth);
  if (iHour < 0 || iHour > 23)
    TOVFatalInternalError("Hour = ", iHour);
  if (iMinute < 0 || iMinute > 59)
    TOVFatalInternalError("Minute = ", iMinute);
  if (iSecond < 0 || iSecond > 59)
    TOVFatalInternalError("Second = ", iSecond);
  _Year = iYear;
  _Month = static_cast<unsigned char>(iMonth);
  _Day = static_cast<unsigned char>(iDay);
  _Hour = static_cast<unsigned char>(iHour);
  _Minute = static_cast<unsigned char>(iMinute);
  _Second = static_cast<unsigned char>(iSecond);
}

void TOVDate::GetDate(int& oYear, int& oMonth, int& oDay, int& oHour, int& oMinute,
                      int& oSecond) const {
  oYear = _Year;
  oMonth = _Month;
  oDay = _Day;
  oHour = _Hour;
  oMinute = _Minute;
  oSecond = _Second;
}

void TOVDate::CheckSet() const {
  if (_Day == 0)
    TOVFatalInternalError("SetDate() must be called before");
}

int TOVDate::GetYear() const {
  CheckSet();
  return _Year;
}

int TOVDate::GetMonth() const {
  CheckSet();
  return _Month;
}

int TOVDate::GetDay() const {
  CheckSet();
  return _Day;
}

int TOVDate::GetHour() const {
  CheckSet();
  return _Hour;
}

int TOVDate::GetMinute() const {
  CheckSet();
  return _Minute;
}

int TOVDate::GetSecond() const {
  CheckSet();
  return _Second;
}

long TOVDate::Gettime_t(unsigned int iLocal) const {
  CheckSet();
  if (_Year < 1970 || _Year > 2037)
    TOVFatalInternalError("The year = ", _Year, " but it must be between 1970 and 2037");
  if (iLocal != 0) {
    struct tm local {};
    local.tm_year = _Year - 1900;
    local.tm_mon = _Month - 1;
    local.tm_mday = _Day;
    local.tm_hour = _Hour;
    local.tm_min = _Minute;
    local.tm_sec = _Second;
    local.tm_isdst = -1;
    return static_cast<long>(mktime(&local));
  }
  int dayIdx = 0;
  int weekDay = 0;
  TOVDateUtilities::GetDayIdx(_Year, _Month, _Day, dayIdx, weekDay);
  long days = (static_cast<long>(_Year) - 1970) * 365 + dayIdx + (_Year - 1969) / 4;
  return ((days * 24 + _Hour) * 60 + _Minute) * 60 + _Second;
}

struct tm TOVDate::GetTM() const {
  CheckSet();
  if (_Year < INT_MIN + 1900)
    TOVFatalInternalError("The year = ", _Year, " cannot be held by a struct tm");
  struct tm result {};
  result.tm_sec = _Second;
  result.tm_min = _Minute;
  result.tm_hour = _Hour;
  result.tm_mday = _Day;
  result.tm_mon = _Month - 1;
  result.tm_year = _Year - 1900;
  TOVDateUtilities::GetDayIdx(_Year, _Month, _Day, result.tm_yday, result.tm_wday);
  result.tm_isdst = -1;
  return result;
}

int TOVDate::Compare(const TOVDate& other) const {
  CheckSet();
  int year, month, day, hour, minute, second;
  other.GetDate(year, month, day, hour, minute, second);
  if (_Year != year)
    return ClampedDifference(_Year, year);
  if (_Month != month)
    return _Month - month;
  if (_Day != day)
    return _Day - day;
  if (_Hour != hour)
    return _Hour - hour;
  if (_Minute != minute)
    return _Minute - minute;
  return _Second - second;
}
