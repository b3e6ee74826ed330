#include "TOVDateUtilities.h"
#include "TOVFatalInternalError.h"
#include "TOVRaiseError.h"
#include "TOVUtilities.h"

#include <climits>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

const int FirstOfMonthDayIdx[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
const int MostDaysOfMonth[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Floor division, so that years before year 1 follow the same calendar.
long FloorDiv(long a, long b) {
  long q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Makes pending the error of message msgId of "TOVBC" with the caller's request and advice
// and the given parameters, raised at file and line; gives its failure code.
template <class... Params>
long RaiseDateError(const char* file, int line, const TOVNLSMsgBldrRfHndlr& request,
                    const TOVNLSMsgBldrRfHndlr& advice, const char* msgId,
                    const Params&... params) {
  return TOVRaiseError(file, line, request, TOVCatalogMsg("TOVBC", msgId, params...), advice);
}

#define TOV_DATE_ERROR(...) RaiseDateError(__FILE__, __LINE__, iRequest, iAdvice, __VA_ARGS__)

// A cursor over a text that hands out the fields between separators. Positions never go
// beyond the text's length, embedded NULs included.
class FieldReader {
public:
  explicit FieldReader(const TOVString& text) : _Text(text), _Pos(0) {}

  bool AtEnd() const { return _Pos >= _Text.Length(); }
  int Pos() const { return _Pos; }
  int Length() const { return _Text.Length(); }
  char At(int pos) const { return _Text[pos]; }
  void Skip() { ++_Pos; }

  // The position of the next character of separators from the cursor on, or -1.
  int Find(const char* separators) const {
    for (int i = _Pos; i < _Text.Length(); ++i)
      if (_Text[i] != '\0' && std::strchr(separators, _Text[i]) != nullptr)
        return i;
    return -1;
  }

  // Reads the field from the cursor up to end (excluded) as a number, then moves the
  // cursor past end; gives 1 when the field is a whole decimal number.
  unsigned int ReadNumber(int end, int& value) {
    TOVString field;
    field.Concat(static_cast<const char*>(_Text) + _Pos, end - _Pos);
    // A field holding a NUL is cut by the copy: it is never a number.
    unsigned int ok =
        field.Length() == end - _Pos ? TOVUtilities::ConvertStringToInt(field, value) : 0;
    _Pos = end + 1;
    return ok;
  }

private:
  const TOVString& _Text;
  int _Pos;
};

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

long TOVDateUtilities::ConvertStringForProgramToDate(const TOVString& iText,
                                                     const TOVNLSMsgBldrRfHndlr& iRequest,
                                                     const TOVNLSMsgBldrRfHndlr& iAdvice,
                                                     TOVDate& oDate) {
  return ProtectedConvertStringForProgramToDate(iText, iRequest, iAdvice, nullptr, oDate);
}

long TOVDateUtilities::ConvertStringForProgramToDate(const TOVString& iText,
                                                     const TOVNLSMsgBldrRfHndlr& iRequest,
                                                     const TOVNLSMsgBldrRfHndlr& iAdvice,
                                                     unsigned int& oTimeGiven, TOVDate& oDate) {
  return ProtectedConvertStringForProgramToDate(iText, iRequest, iAdvice, &oTimeGiven, oDate);
}

long TOVDateUtilities::ProtectedConvertStringForProgramToDate(const TOVString& iText,
                                                              const TOVNLSMsgBldrRfHndlr& iRequest,
                                                              const TOVNLSMsgBldrRfHndlr& iAdvice,
                                                              unsigned int* oTimeGiven,
                                                              TOVDate& oDate) {
  bool timeOptional = oTimeGiven != nullptr;
  if (timeOptional)
    *oTimeGiven = 0;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  FieldReader reader(iText);

  int end = reader.Find("/");
  if (end < 0)
    return TOV_DATE_ERROR("7722", iText);
  if (!reader.ReadNumber(end, year))
    return TOV_DATE_ERROR("7723", iText);

  end = reader.Find("/");
  if (end < 0)
    return TOV_DATE_ERROR("7722", iText);
  if (!reader.ReadNumber(end, month))
    return TOV_DATE_ERROR("7724", iText);
  if (month < 1 || month > 12)
    return TOV_DATE_ERROR("7730", month);

  end = reader.Find("-");
  if (end < 0 && !timeOptional)
    return TOV_DATE_ERROR("7722", iText);
  if (!reader.ReadNumber(end < 0 ? reader.Length() : end, day))
    return TOV_DATE_ERROR("7725", iText);
  if (DayIsValid(year, month, day) == 0)
    return TOV_DATE_ERROR("7731", day);

  // Hour and minute run up to the next ":", or to the end of the text when the time is
  // optional; the second runs to the end.
  bool done = timeOptional && reader.AtEnd();
  struct TimeField {
    int* value;
    const char* notNumber;
    const char* outOfRange;
    int highest;
  };
  const TimeField fields[3] = {
      {&hour, "7726", "7732", 23}, {&minute, "7727", "7733", 59}, {&second, "7728", "7734", 59}};
  for (int f = 0; f < 3 && !done; ++f) {
    end = f < 2 ? reader.Find(":") : -1;
    if (end < 0 && f < 2 && !timeOptional)
      return TOV_DATE_ERROR("7722", iText);
    if (!reader.ReadNumber(end < 0 ? reader.Length() : end, *fields[f].value))
      return TOV_DATE_ERROR(fields[f].notNumber, iText);
    if (*fields[f].value < 0 || *fields[f].value > fields[f].highest)
      return TOV_DATE_ERROR(fields[f].outOfRange, *fields[f].value);
    if (timeOptional)
      *oTimeGiven = 1;
    done = timeOptional && reader.AtEnd();
  }
  oDate.SetDate(year, month, day, hour, minute, second);
  return TOV_RETURN_SUCCESS();
}

long TOVDateUtilities::ConvertStringForProgramToTimeSpan(const TOVString& iText,
                                                         const TOVNLSMsgBldrRfHndlr& iRequest,
                                                         const TOVNLSMsgBldrRfHndlr& iAdvice,
                                                         int& oYears, int& oMonths, int& oDays,
                                                         int& oHours, int& oMinutes,
                                                         int& oSeconds) {
  oYears = oMonths = oDays = oHours = oMinutes = oSeconds = 0;
  const int MaxFields = 6;
  int values[MaxFields] = {0, 0, 0, 0, 0, 0};
  int nbFields = 0;
  int nbSlashes = 0;
  int nbColons = 0;
  bool dash = false;
  const char* allowed = "/-:";
  FieldReader reader(iText);
  for (;;) {
    if (nbFields == MaxFields)
      TOVFatalInternalError("Found ", nbFields + 1, " fields into ",
                            static_cast<const char*>(iText), "; maxi = 6");
    int end = reader.Find(allowed);
    char separator = end < 0 ? '\0' : reader.At(end);
    int& value = values[nbFields++];
    if (!reader.ReadNumber(end < 0 ? reader.Length() : end, value) || value < 0)
      return TOV_DATE_ERROR("7729", iText);
    if (end < 0)
      break;
    if (separator == '/') {
      ++nbSlashes;
      allowed = nbSlashes == 1 ? "/-" : "-";
    } else if (separator == '-') {
      dash = true;
      allowed = ":";
      if (end == reader.Length() - 1)
        break; // A "-" at the very end closes the text.
    } else {
      if (++nbColons == 3)
        return TOV_DATE_ERROR("7729", iText);
      allowed = ":";
    }
  }
  int next = 0;
  if (nbSlashes == 2) {
    oYears = values[next++];
    oMonths = values[next++];
    oDays = values[next++];
  } else if (nbSlashes == 1) {
    oMonths = values[next++];
    oDays = values[next++];
  } else if (dash || nbColons == 0) {
    oDays = values[next++];
  }
  int* time[3] = {&oHours, &oMinutes, &oSeconds};
  for (int t = 0; next < nbFields; ++t, ++next) {
    if (t == 3)
      TOVFatalInternalError("Seconds = field # ", next, " but NbFields = ", nbFields);
    *time[t] = values[next];
  }
  return TOV_RETURN_SUCCESS();
}

long TOVDateUtilities::AddTimeSpanToDate(TOVDate& ioDate, int iYears, int iMonths, int iDays,
                                         int iHours, int iMinutes, int iSeconds, unsigned int iAdd,
                                         const TOVNLSMsgBldrRfHndlr& iRequest,
                                         const TOVNLSMsgBldrRfHndlr& iAdvice) {
  const long sign = iAdd != 0 ? 1 : -1;
  // A date read from a user may lie outside the time-stamp years: that is the user's
  // error, not the program's.
  int year = ioDate.GetYear();
  if (year < 1970 || year > 2037)
    return TOV_DATE_ERROR("7735");
  long t = ioDate.Gettime_t(1);
  // The span is summed in long and must stay within the int range at every step, as the
  // number of seconds a span may hold.
  if (iDays >= 24801)
    return TOV_DATE_ERROR("7735");
  long span = static_cast<long>(iMinutes) * 60 + iSeconds;
  if (span < 0 || span > INT_MAX)
    return TOV_DATE_ERROR("7735");
  span += static_cast<long>(iHours) * 3600;
  if (span < 0 || span > INT_MAX)
    return TOV_DATE_ERROR("7735");
  span += static_cast<long>(iDays) * 86400;
  if (span < 0 || span > INT_MAX)
    return TOV_DATE_ERROR("7735");
  if (span != 0) {
    long moved = t + sign * span;
    if (moved < 0)
      return TOV_DATE_ERROR("7735");
    TOVDate movedDate(moved, 1);
    if (movedDate.GetYear() < 1970 || movedDate.GetYear() > 2037)
      return TOV_DATE_ERROR("7735");
    ioDate = movedDate;
  }
  if (iYears != 0 || iMonths != 0) {
    int month, day, hour, minute, second;
    ioDate.GetDate(year, month, day, hour, minute, second);
    long newYear = year + sign * iYears;
    long newMonth = month + sign * iMonths;
    if (newMonth > 12) {
      newYear += (newMonth - 1) / 12;
      newMonth = (newMonth - 1) % 12 + 1;
    } else if (newMonth < 1) {
      newYear += (newMonth - 12) / 12;
      newMonth = (newMonth - 12) % 12 + 12;
    }
    // A year beyond what a date holds cannot be stored: the date stays as it was.
    if (newYear < INT_MIN || newYear > INT_MAX)
      return TOV_DATE_ERROR("7735");
    while (DayIsValid(static_cast<int>(newYear), static_cast<int>(newMonth), day) == 0)
      --day;
    ioDate.SetDate(static_cast<int>(newYear), static_cast<int>(newMonth), day, hour, minute,
                   second);
    if (newYear < 1970 || newYear > 2037 || ioDate.Gettime_t(1) < 0)
      return TOV_DATE_ERROR("7735");
  }
  return TOV_RETURN_SUCCESS();
}
