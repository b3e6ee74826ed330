#include "TOVDateUtilities.h"
#include "TOVFatalInternalError.h"

#include <climits>
#include <clocale>
#include <cstdio>
#include <ctime>

namespace {

const int FirstOfMonthDayIdx[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
const int MostDaysOfMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Floor division, so that years before year 1 follow the same calendar.
long FloorDiv(long a, long b) {
  long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

unsigned int TOVDateUtilities::YearIsLeap(int iYear) {
  return (iYear % 400 == 0 || (iYear % 4 == 0 && iYear % 100 != 0)) ? 1 : 0;
}

unsigned int TOVDateUtilities::DayIsValid(int iYear, int iMonth, int iDay) {
  if (iDay < 1)
    return 0;
  if (iMonth < 1)
    return iDay <= 31 ? 1 : 0;
  if (iMonth > 12 || iDay > MostDaysOfMonth[iMonth - 1])
    return 0;
  if (iYear < 1)
    return 1;
  if (iMonth == 2 && iDay == 29)
    return YearIsLeap(iYear);
  return 1;
}

int TOVDateUtilities::GetFirstOfMonthDayIdx(int iMonth, unsigned int iLeap) {
  if (iMonth < 1 || iMonth > 12)
    TOVFatalInternalError("Invalid month ", iMonth);
  return FirstOfMonthDayIdx[iMonth - 1] + (iMonth >= 3 && iLeap != 0 ? 1 : 0);
}

void TOVDateUtilities::GetDayIdx(int iYear, int iMonth, int iDay, int& oDayIdx, int& oWeekDay) {
  long dayIdx = static_cast<long>(GetFirstOfMonthDayIdx(iMonth, YearIsLeap(iYear))) + iDay - 1;
  if (dayIdx < INT_MIN || dayIdx > INT_MAX)
    TOVFatalInternalError("Day = ", iDay, " is out of range");
  // Days from 0001-01-01 (a Monday) to the first of the year, in long so that no year
  // overflows; floor division keeps years before 1 on the same calendar.
  long y = static_cast<long>(iYear) - 1;
  long days = y * 365 + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) + dayIdx + 1;
  long weekDay = days % 7;
  oDayIdx = static_cast<int>(dayIdx);
  oWeekDay = static_cast<int>(weekDay < 0 ? weekDay + 7 : weekDay);
}

long TOVDateUtilities::GetSystemTime() {
  return static_cast<long>(time(nullptr));
}

TOVDate TOVDateUtilities::GetCurrentDate(unsigned int iLocal) {
  return TOVDate(GetSystemTime(), iLocal);
}

MORUnicodeString TOVDateUtilities::ConvertDateToStringForMsg(const TOVDate& iDate) {
  int year, month, day, hour, minute, second;
  iDate.GetDate(year, month, day, hour, minute, second);
  // A year that a struct tm cannot hold is shown in the program form rather than lost.
  if (day != 0 && year < INT_MIN + 1900)
    return MORUnicodeString(ConvertDateToStringForProgram(iDate));
  struct tm broken = iDate.GetTM();
  char text[1024];
  size_t length = strftime(text, sizeof text, "%c", &broken);
  text[length] = '\0';
  return MORUnicodeString(text);
}

TOVString TOVDateUtilities::ConvertDateToStringForProgram(const TOVDate& iDate) {
  int year, month, day, hour, minute, second;
  iDate.GetDate(year, month, day, hour, minute, second);
  char text[64];
  snprintf(text, sizeof text, "%04d/%02d/%02d-%02d:%02d:%02d", year, month, day, hour, minute,
           second);
  return TOVString(text);
}
