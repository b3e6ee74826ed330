#include "TOVDate.h"
#include "TOVDateRfHndlr.h"
#include "TOVDateUtilities.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVTestSupport.h"

#include <climits>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string ProgramText(const TOVDate& date) {
  return std::string(TOVDateUtilities::ConvertDateToStringForProgram(date));
}

// Sets the time zone for the rest of the test, restoring the previous one on destruction.
class TimeZone {
public:
  explicit TimeZone(const char* zone) {
    const char* old = std::getenv("TZ");
    _Had = old != nullptr;
    if (_Had)
      _Old = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~TimeZone() {
    if (_Had)
      setenv("TZ", _Old.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

private:
  bool _Had;
  std::string _Old;
};

// Random time stamps over the non-negative 32-bit range, the same sequence every run.
std::vector<long> RandomStamps(int count) {
  std::mt19937 generator(20071116);
  std::uniform_int_distribution<long> stamp(0, INT_MAX);
  std::vector<long> stamps = {0, 59, 86399, 86400, 951782400, 951868799, INT_MAX};
  for (int i = 0; i < count; ++i)
    stamps.push_back(stamp(generator));
  return stamps;
}

void ExpectFieldsOf(const TOVDate& date, const struct tm& expected, long stamp) {
  int year, month, day, hour, minute, second;
  date.GetDate(year, month, day, hour, minute, second);
  ASSERT_EQ(year, expected.tm_year + 1900) << stamp;
  ASSERT_EQ(month, expected.tm_mon + 1) << stamp;
  ASSERT_EQ(day, expected.tm_mday) << stamp;
  ASSERT_EQ(hour, expected.tm_hour) << stamp;
  ASSERT_EQ(minute, expected.tm_min) << stamp;
  ASSERT_EQ(second, expected.tm_sec) << stamp;
}

} // namespace

TEST(DateCalendar, LeapYearsFollowTheGregorianRule) {
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(2000), 1u);
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(1900), 0u);
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(2004), 1u);
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(2007), 0u);
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(0), 1u);
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(-4), 1u);
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(-100), 0u);
}

TEST(DateCalendar, DayValidityWithUnknownYearOrMonth) {
  EXPECT_EQ(TOVDateUtilities::DayIsValid(0, 2, 29), 1u);    // year unknown
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 0, 31), 1u); // month unknown
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 0, 32), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 13, 1), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 4, 31), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 4, 30), 1u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 4, 0), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2000, 2, 29), 1u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(1900, 2, 29), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(INT_MIN, INT_MIN, INT_MIN), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(INT_MAX, INT_MAX, INT_MAX), 0u);
}

TEST(DateCalendar, DayOfYearAndDayOfWeek) {
  int dayIdx = -1, weekDay = -1;
  TOVDateUtilities::GetDayIdx(2007, 11, 16, dayIdx, weekDay);
  EXPECT_EQ(dayIdx, 319);
  EXPECT_EQ(weekDay, 5);
  TOVDateUtilities::GetDayIdx(1970, 1, 1, dayIdx, weekDay);
  EXPECT_EQ(dayIdx, 0);
  EXPECT_EQ(weekDay, 4);
  TOVDateUtilities::GetDayIdx(2000, 12, 31, dayIdx, weekDay);
  EXPECT_EQ(dayIdx, 365);
  EXPECT_EQ(weekDay, 0);
  EXPECT_EQ(TOVDateUtilities::GetFirstOfMonthDayIdx(3, 0), 59);
  EXPECT_EQ(TOVDateUtilities::GetFirstOfMonthDayIdx(3, 1), 60);
  EXPECT_EQ(TOVDateUtilities::GetFirstOfMonthDayIdx(2, 1), 31);
  // Years before 1 and years near the int limits give a day of the week in 0..6.
  TOVDateUtilities::GetDayIdx(0, 1, 1, dayIdx, weekDay); // 0000-01-01 was a Saturday
  EXPECT_EQ(weekDay, 6);
  TOVDateUtilities::GetDayIdx(INT_MAX, 12, 31, dayIdx, weekDay);
  EXPECT_GE(weekDay, 0);
  EXPECT_LE(weekDay, 6);
  TOVDateUtilities::GetDayIdx(INT_MIN, 1, 1, dayIdx, weekDay);
  EXPECT_GE(weekDay, 0);
  EXPECT_LE(weekDay, 6);
}

TEST(DateCalendar, DayOfWeekAgreesWithTheCLibrary) {
  for (long stamp : RandomStamps(2000)) {
    time_t t = stamp;
    struct tm expected {};
    gmtime_r(&t, &expected);
    int dayIdx = 0, weekDay = 0;
    TOVDateUtilities::GetDayIdx(expected.tm_year + 1900, expected.tm_mon + 1, expected.tm_mday,
                                dayIdx, weekDay);
    ASSERT_EQ(dayIdx, expected.tm_yday) << stamp;
    ASSERT_EQ(weekDay, expected.tm_wday) << stamp;
  }
}

TEST(DateCalendar, InvalidMonthOrExtremeDayIsFatal) {
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVDateUtilities::GetFirstOfMonthDayIdx(13, 0), "Invalid month 13");
  EXPECT_FATAL(TOVDateUtilities::GetFirstOfMonthDayIdx(0, 1), "Invalid month 0");
  int dayIdx = 0, weekDay = 0;
  EXPECT_FATAL(TOVDateUtilities::GetDayIdx(2007, 12, INT_MAX, dayIdx, weekDay),
               "Day = 2147483647 is out of range");
}

TEST(Date, DefaultDateIsNotSetAndReadingItIsFatal) {
  TOVGlobalObjectCleaner cleaner;
  TOVDate date;
  int year = 1, month = 1, day = 1, hour = 1, minute = 1, second = 1;
  date.GetDate(year, month, day, hour, minute, second);
  EXPECT_EQ(year + month + day + hour + minute + second, 0);
  EXPECT_EQ(ProgramText(date), "0000/00/00-00:00:00");
  const char* message = "SetDate() must be called before";
  EXPECT_FATAL(date.GetYear(), message);
  EXPECT_FATAL(date.GetMonth(), message);
  EXPECT_FATAL(date.GetDay(), message);
  EXPECT_FATAL(date.GetHour(), message);
  EXPECT_FATAL(date.GetMinute(), message);
  EXPECT_FATAL(date.GetSecond(), message);
  EXPECT_FATAL(date.Gettime_t(0), message);
  EXPECT_FATAL(date.GetTM(), message);
  TOVDate set(2007, 11, 16, 9, 5, 0);
  EXPECT_FATAL(date.Compare(set), message);
  // Only this date is checked: comparing with an unset date is allowed.
  EXPECT_GT(set.Compare(date), 0);
}

TEST(Date, SetDateChecksEachFieldInOrder) {
  TOVGlobalObjectCleaner cleaner;
  TOVDate date;
  EXPECT_FATAL(date.SetDate(2007, 13, 1, 0, 0, 0), "Month = 13 > 12");
  EXPECT_FATAL(date.SetDate(2007, 0, 40, 99, 0, 0), "Month = 0 > 12");
  EXPECT_FATAL(date.SetDate(2007, 2, 29, 99, 0, 0),
               "The day 29 is invalid for year 2007 and month 2");
  EXPECT_FATAL(date.SetDate(2007, 2, 28, 24, 60, 0), "Hour = 24");
  EXPECT_FATAL(date.SetDate(2007, 2, 28, -1, 0, 0), "Hour = -1");
  EXPECT_FATAL(date.SetDate(2007, 2, 28, 23, 60, 60), "Minute = 60");
  EXPECT_FATAL(date.SetDate(2007, 2, 28, 23, 59, 60), "Second = 60");
  date.SetDate(-44, 3, 15, 23, 59, 59); // The year itself is free.
  EXPECT_EQ(date.GetYear(), -44);
  EXPECT_EQ(date.GetSecond(), 59);
}

TEST(Date, BrokenDownTimesOutOfRangeAreFatalNotOverflowing) {
  TOVGlobalObjectCleaner cleaner;
  struct tm broken {};
  broken.tm_mday = 1;
  broken.tm_mon = INT_MAX;
  EXPECT_FATAL(TOVDate date(broken), "Month = 2147483648 > 12");
  broken.tm_mon = 0;
  broken.tm_year = INT_MAX;
  EXPECT_FATAL(TOVDate date(broken), "Year = 2147485547 is out of range");
  broken.tm_year = 107;
  broken.tm_mon = 10;
  broken.tm_mday = 16;
  broken.tm_hour = 9;
  broken.tm_min = 5;
  EXPECT_EQ(ProgramText(TOVDate(broken)), "2007/11/16-09:05:00");
}

TEST(Date, CopyAssignmentAndHandler) {
  TOVDate date(2007, 11, 16, 9, 5, 0);
  TOVDate copy(date);
  EXPECT_EQ(ProgramText(copy), "2007/11/16-09:05:00");
  TOVDate assigned;
  assigned = date;
  EXPECT_TRUE(assigned == date);
  TOVDate unset;
  copy.SetDate(unset); // Copies without checks: the copy is not set any more.
  EXPECT_EQ(ProgramText(copy), "0000/00/00-00:00:00");
  TOVDateRfHndlr handler(TOVRfHndlrNoAddRef, new TOVDate(date));
  EXPECT_EQ(handler->GetDay(), 16);
  EXPECT_STREQ(handler->IsA(), "TOVDate");
}

TEST(Date, CompareGivesTheRawDifferenceOfTheFirstDifferingField) {
  TOVDate december(2007, 12, 1, 0, 0, 0);
  TOVDate january(2007, 1, 31, 23, 59, 59);
  EXPECT_EQ(december.Compare(january), 11);
  EXPECT_EQ(january.Compare(december), -11);
  EXPECT_EQ(TOVDate(2008, 1, 1, 0, 0, 0).Compare(december), 1);
  EXPECT_EQ(TOVDate(2007, 12, 1, 0, 0, 7).Compare(december), 7);
  EXPECT_EQ(december.Compare(TOVDate(december)), 0);
  EXPECT_TRUE(january < december);
  EXPECT_TRUE(december >= january);
  EXPECT_TRUE(december != january);
  EXPECT_TRUE(january <= january);
  // Years far apart keep the sign of their difference.
  TOVDate far(INT_MAX, 1, 1, 0, 0, 0);
  TOVDate early(INT_MIN, 1, 1, 0, 0, 0);
  EXPECT_EQ(far.Compare(early), INT_MAX);
  EXPECT_EQ(early.Compare(far), INT_MIN);
}

TEST(DateTimeStamp, UniversalTimeKnownStamps) {
  EXPECT_EQ(ProgramText(TOVDate(0L, 0)), "1970/01/01-00:00:00");
  EXPECT_EQ(ProgramText(TOVDate(951782400L, 0)), "2000/02/29-00:00:00");
  EXPECT_EQ(ProgramText(TOVDate(2147483647L, 0)), "2038/01/19-03:14:07");
  EXPECT_EQ(TOVDate(1970, 1, 1, 0, 0, 0).Gettime_t(0), 0);
  EXPECT_EQ(TOVDate(2000, 2, 29, 0, 0, 0).Gettime_t(0), 951782400);
  EXPECT_EQ(TOVDate(2037, 12, 31, 23, 59, 59).Gettime_t(0), 2145916799);
  // Beyond 32 bits the century rule still holds: 2100 is not a leap year.
  EXPECT_EQ(ProgramText(TOVDate(4107542400L, 0)), "2100/03/01-00:00:00");
}

TEST(DateTimeStamp, UniversalTimeAgreesWithGmtimeAndTimegm) {
  for (long stamp : RandomStamps(20000)) {
    time_t t = stamp;
    struct tm expected {};
    gmtime_r(&t, &expected);
    TOVDate date(stamp, 0);
    ExpectFieldsOf(date, expected, stamp);
    if (date.GetYear() <= 2037) {
      struct tm back = date.GetTM();
      ASSERT_EQ(date.Gettime_t(0), static_cast<long>(timegm(&back))) << stamp;
      ASSERT_EQ(date.Gettime_t(0), stamp);
      ASSERT_EQ(back.tm_wday, expected.tm_wday) << stamp;
      ASSERT_EQ(back.tm_yday, expected.tm_yday) << stamp;
    }
  }
}

TEST(DateTimeStamp, LocalTimeAgreesWithLocaltimeAndMktimeInTwoZones) {
  for (const char* zone : {"Europe/Paris", "America/New_York"}) {
    TimeZone tz(zone);
    for (long stamp : RandomStamps(5000)) {
      time_t t = stamp;
      struct tm expected {};
      localtime_r(&t, &expected);
      TOVDate date(stamp, 1);
      ExpectFieldsOf(date, expected, stamp);
      if (date.GetYear() >= 1970 && date.GetYear() <= 2037) {
        struct tm back = date.GetTM();
        ASSERT_EQ(date.Gettime_t(1), static_cast<long>(mktime(&back))) << zone << ' ' << stamp;
      }
    }
    // In Paris, midnight of 1970-01-01 local time is one hour before the epoch.
    if (std::string(zone) == "Europe/Paris") {
      EXPECT_EQ(TOVDate(1970, 1, 1, 0, 0, 0).Gettime_t(1), -3600);
    }
  }
}

TEST(DateTimeStamp, OutOfRangeYearsAndStampsAreFatal) {
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVDate(2038, 1, 1, 0, 0, 0).Gettime_t(0),
               "The year = 2038 but it must be between 1970 and 2037");
  EXPECT_FATAL(TOVDate(1969, 12, 31, 0, 0, 0).Gettime_t(1),
               "The year = 1969 but it must be between 1970 and 2037");
  EXPECT_EQ(TOVDate(2037, 6, 1, 0, 0, 0).Gettime_t(0), 2127427200);
  EXPECT_FATAL(TOVDate date(-1L, 0), "DayIdx = -1 < 0");
  EXPECT_FATAL(TOVDate date(-86401L, 0), "DayIdx = -2 < 0");
  EXPECT_FATAL(TOVDate date(LONG_MAX, 0), "time_t 9223372036854775807 is out of range");
  EXPECT_FATAL(TOVDate date(LONG_MAX, 1), "time_t 9223372036854775807 is out of range");
}

TEST(DateText, ProgramFormAndLocalizedForm) {
  TOVDate date(2007, 11, 16, 9, 5, 0);
  EXPECT_EQ(ProgramText(date), "2007/11/16-09:05:00");
  EXPECT_EQ(ProgramText(TOVDate(-5, 1, 2, 3, 4, 5)), "-005/01/02-03:04:05");
  std::string saved = setlocale(LC_TIME, nullptr);
  setlocale(LC_TIME, "C");
  EXPECT_STREQ(TOVDateUtilities::ConvertDateToStringForMsg(date), "Fri Nov 16 09:05:00 2007");
  setlocale(LC_TIME, saved.c_str());
  // A year that a struct tm cannot hold falls back to the program form.
  TOVDate extreme(INT_MIN, 1, 1, 0, 0, 0);
  EXPECT_STREQ(TOVDateUtilities::ConvertDateToStringForMsg(extreme), "-2147483648/01/01-00:00:00");
}

TEST(DateText, CurrentDateIsNow) {
  long before = TOVDateUtilities::GetSystemTime();
  TOVDate now = TOVDateUtilities::GetCurrentDate(0);
  long after = TOVDateUtilities::GetSystemTime();
  long stamp = now.Gettime_t(0);
  EXPECT_GE(stamp, before);
  EXPECT_LE(stamp, after);
  TOVDate local = TOVDateUtilities::GetCurrentDate(1);
  EXPECT_LE(std::labs(local.Gettime_t(1) - stamp), 2);
}
