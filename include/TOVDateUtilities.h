// Calendar rules, time stamps and the text forms of dates and time spans.
#ifndef TOVDATEUTILITIES_H
#define TOVDATEUTILITIES_H

#include "MORUnicodeString.h"
#include "TOVDate.h"
#include "TOVString.h"

class TOVNLSMsgBldrRfHndlr;

/// Static operations around TOVDate. Dates travel between programs as
/// "YYYY/MM/DD-hh:mm:ss"; time spans as up to six numbers such as "1/15-0:0:30" (one month,
/// fifteen days, thirty seconds). The reading operations report text that cannot be read
/// as a pending error of catalog "TOVBC" carrying the caller's request and advice.
class TOVBASIC_API TOVDateUtilities {
public:
  /// 1 for a leap year of the Gregorian calendar (any year), else 0.
  static unsigned int YearIsLeap(int iYear);
  /// 1 when the day exists: a month below 1 stands for an unknown month (any day up to
  /// 31), a year below 1 for an unknown year (February 29 allowed).
  static unsigned int DayIsValid(int iYear, int iMonth, int iDay);
  /// The 0-based day of the year of the first of month iMonth (1 to 12, else the process
  /// stops), in a leap year when iLeap is not 0.
  static int GetFirstOfMonthDayIdx(int iMonth, unsigned int iLeap);
  /// The 0-based day of the year and the day of the week (0 Sunday to 6 Saturday).
  static void GetDayIdx(int iYear, int iMonth, int iDay, int& oDayIdx, int& oWeekDay);
  /// The current time stamp.
  static long GetSystemTime();
  /// The current date, local time when iLocal is not 0, else universal time.
  static TOVDate GetCurrentDate(unsigned int iLocal);
  /// The date and time of a set date in the long form of the process locale's time category
  /// (strftime "%c"), or "" when the locale gives none; a year that the platform cannot
  /// hold in a broken-down time is shown in the program form instead.
  static MORUnicodeString ConvertDateToStringForMsg(const TOVDate& iDate);
  /// "YYYY/MM/DD-hh:mm:ss" of the six fields, set or not.
  static TOVString ConvertDateToStringForProgram(const TOVDate& iDate);
  /// Reads a date with its full time into oDate; gives 0, or the failure code of a
  /// pending error ("TOVBC" 7722 to 7734) leaving oDate unchanged.
  [[nodiscard]] static long ConvertStringForProgramToDate(const TOVString& iText,
                                                          const TOVNLSMsgBldrRfHndlr& iRequest,
                                                          const TOVNLSMsgBldrRfHndlr& iAdvice,
                                                          TOVDate& oDate);
  /// Reads a date whose time part is optional (midnight when absent); oTimeGiven tells
  /// whether an hour was given.
  [[nodiscard]] static long ConvertStringForProgramToDate(const TOVString& iText,
                                                          const TOVNLSMsgBldrRfHndlr& iRequest,
                                                          const TOVNLSMsgBldrRfHndlr& iAdvice,
                                                          unsigned int& oTimeGiven, TOVDate& oDate);
  /// Reads a time span into the six outputs (each non-negative); gives 0, or the failure
  /// code of a pending error ("TOVBC" 7729).
  [[nodiscard]] static long
  ConvertStringForProgramToTimeSpan(const TOVString& iText, const TOVNLSMsgBldrRfHndlr& iRequest,
                                    const TOVNLSMsgBldrRfHndlr& iAdvice, int& oYears, int& oMonths,
                                    int& oDays, int& oHours, int& oMinutes, int& oSeconds);
  /// Adds (iAdd not 0) or subtracts the span: days and time in local time first, then
  /// years and months on the calendar fields (the day lowered to the month's last one when
  /// needed). A span that is too large or negative, a date outside 1970 to 2037 or a
  /// result outside them gives the failure code of a pending error ("TOVBC" 7735). The
  /// date must be set.
  [[nodiscard]] static long AddTimeSpanToDate(TOVDate& ioDate, int iYears, int iMonths, int iDays,
                                              int iHours, int iMinutes, int iSeconds,
                                              unsigned int iAdd,
                                              const TOVNLSMsgBldrRfHndlr& iRequest,
                                              const TOVNLSMsgBldrRfHndlr& iAdvice);

protected:
  /// Reads a date; the time part is optional when oTimeGiven is not null.
  [[nodiscard]] static long ProtectedConvertStringForProgramToDate(
      const TOVString& iText, const TOVNLSMsgBldrRfHndlr& iRequest,
      const TOVNLSMsgBldrRfHndlr& iAdvice, unsigned int* oTimeGiven, TOVDate& oDate);
};

#endif
