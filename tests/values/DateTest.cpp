#include "TOVDate.h"
#include "TOVDateUtilities.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVTestSupport.h"

#include <climits>
#include <clocale>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Text(const TOVDate& date) {
  return std::string(TOVDateUtilities::ConvertDateToStringForProgram(date));
}

std::string Text(const struct tm& t) {
  return Text(TOVDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec));
}

// Random time stamps over the non-negative 32-bit range, the same ones every run.
std::vector<long> RandomStamps(int count) {
  std::mt19937 generator(20071116);
  std::uniform_int_distribution<long> stamp(0, INT_MAX);
  std::vector<long> stamps = {0, 86399, 951782400, INT_MAX};
  for (int i = 0; i < count; ++i)
    stamps.push_back(stamp(generator));
  return stamps;
}

} // namespace

TEST(DateCalendarDeathTest, LeapYearsValidDaysAndDayIndexes) {
  EXPECT_EQ(TOVDateUtilities::YearIsLeap(2000) * 100 + TOVDateUtilities::YearIsLeap(1900) * 10 +
                TOVDateUtilities::YearIsLeap(2004),
            101u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(0, 2, 29), 1u);    // year unknown
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 0, 31), 1u); // month unknown
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 0, 32), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(1900, 2, 29), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(2007, 4, 31), 0u);
  EXPECT_EQ(TOVDateUtilities::DayIsValid(INT_MAX, INT_MAX, INT_MAX), 0u);
  int dayIdx = -1, weekDay = -1;
  TOVDateUtilities::GetDayIdx(2007, 11, 16, dayIdx, weekDay);
  EXPECT_EQ(dayIdx * 10 + weekDay, 3195);
  TOVDateUtilities::GetDayIdx(1970, 1, 1, dayIdx, weekDay);
  EXPECT_EQ(dayIdx * 10 + weekDay, 4);
  TOVDateUtilities::GetDayIdx(0, 1, 1, dayIdx, weekDay); // a Saturday, counted without overflow
  EXPECT_EQ(weekDay, 6);
  TOVDateUtilities::GetDayIdx(INT_MIN, 3, 1, dayIdx, weekDay);
  EXPECT_TRUE(weekDay >= 0 && weekDay <= 6);
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVDateUtilities::GetFirstOfMonthDayIdx(13, 0), "Invalid month 13");
  EXPECT_FATAL(TOVDateUtilities::GetDayIdx(2007, 12, INT_MAX, dayIdx, weekDay),
               "Day = 2147483647 is out of range");
}

TEST(DateDeathTest, SetChecksEveryFieldButTheYear) {
  TOVGlobalObjectCleaner cleaner;
  TOVDate date;
  EXPECT_FATAL(date.SetDate(2007, 0, 40, 99, 0, 0), "Month = 0 > 12");
  EXPECT_FATAL(date.SetDate(2007, 2, 29, 99, 0, 0),
               "The day 29 is invalid for year 2007 and month 2");
  EXPECT_FATAL(date.SetDate(2007, 2, 28, -1, 60, 0), "Hour = -1");
  EXPECT_FATAL(date.SetDate(2007, 2, 28, 23, 60, 60), "Minute = 60");
  EXPECT_FATAL(date.SetDate(2007, 2, 28, 23, 59, 60), "Second = 60");
  struct tm broken {};
  broken.tm_mday = 1;
  broken.tm_mon = INT_MAX;
  EXPECT_FATAL(TOVDate date(broken), "Month = 2147483648 > 12");
  broken.tm_mon = 0;
  broken.tm_year = INT_MAX;
  EXPECT_FATAL(TOVDate date(broken), "Year = 2147485547 is out of range");
  date.SetDate(-44, 3, 15, 23, 59, 59);
  EXPECT_EQ(Text(date), "-044/03/15-23:59:59");
}

TEST(DateDeathTest, UnsetDatesAreFatalToRead) {
  TOVGlobalObjectCleaner cleaner;
  TOVDate date, set(2007, 11, 16, 9, 5, 0);
  EXPECT_EQ(Text(date), "0000/00/00-00:00:00");
  const char* message = "SetDate() must be called before";
  EXPECT_FATAL(date.GetSecond(), message);
  EXPECT_FATAL(date.Gettime_t(0), message);
  EXPECT_FATAL(date.GetTM(), message);
  EXPECT_FATAL(date.Compare(set), message);
  EXPECT_GT(set.Compare(date), 0); // only this date is checked
  set.SetDate(date);               // copied without checks
  EXPECT_FATAL(set.GetYear(), message);
}

TEST(Date, CompareGivesTheRawDifferenceOfTheFirstDifferingField) {
  TOVDate december(2007, 12, 1, 0, 0, 0), january(2007, 1, 31, 23, 59, 59);
  EXPECT_EQ(december.Compare(january), 11);
  EXPECT_EQ(TOVDate(2008, 1, 1, 0, 0, 0).Compare(december), 1);
  EXPECT_EQ(TOVDate(2007, 12, 1, 0, 0, 7).Compare(december), 7);
  EXPECT_TRUE(january < december && december >= january && january == TOVDate(january));
  EXPECT_EQ(TOVDate(INT_MIN, 1, 1, 0, 0, 0).Compare(TOVDate(INT_MAX, 1, 1, 0, 0, 0)), INT_MIN);
}

TEST(DateTimeStamp, UniversalTimeAgreesWithGmtimeAndTimegm) {
  EXPECT_EQ(Text(TOVDate(951782400L, 0)), "2000/02/29-00:00:00");
  EXPECT_EQ(Text(TOVDate(4107542400L, 0)), "2100/03/01-00:00:00"); // 2100 is not leap
  for (long stamp : RandomStamps(20000)) {
    time_t t = stamp;
    struct tm expected {};
    gmtime_r(&t, &expected);
    TOVDate date(stamp, 0);
    ASSERT_EQ(Text(date), Text(expected)) << stamp;
    if (date.GetYear() <= 2037) {
      struct tm back = date.GetTM();
      ASSERT_EQ(back.tm_wday * 1000 + back.tm_yday, expected.tm_wday * 1000 + expected.tm_yday);
      ASSERT_EQ(date.Gettime_t(0), static_cast<long>(timegm(&back))) << stamp;
      ASSERT_EQ(date.Gettime_t(0), stamp);
    }
  }
}

TEST(DateTimeStamp, LocalTimeAgreesWithLocaltimeAndMktimeInTwoZones) {
  std::string saved = std::getenv("TZ") != nullptr ? std::getenv("TZ") : "";
  for (const char* zone : {"Europe/Paris", "America/New_York"}) {
    setenv("TZ", zone, 1);
    tzset();
    for (long stamp : RandomStamps(5000)) {
      time_t t = stamp;
      struct tm expected {};
      localtime_r(&t, &expected);
      TOVDate date(stamp, 1);
      ASSERT_EQ(Text(date), Text(expected)) << zone << ' ' << stamp;
      if (date.GetYear() >= 1970 && date.GetYear() <= 2037) {
        struct tm back = date.GetTM();
        ASSERT_EQ(date.Gettime_t(1), static_cast<long>(mktime(&back))) << zone << ' ' << stamp;
      }
    }
  }
  saved.empty() ? unsetenv("TZ") : setenv("TZ", saved.c_str(), 1);
  tzset();
}

TEST(DateTimeStampDeathTest, OutOfRangeYearsAndStampsAreFatal) {
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVDate(2038, 1, 1, 0, 0, 0).Gettime_t(0),
               "The year = 2038 but it must be between 1970 and 2037");
  EXPECT_EQ(TOVDate(2037, 12, 31, 23, 59, 59).Gettime_t(0), 2145916799);
  EXPECT_FATAL(TOVDate date(-1L, 0), "DayIdx = -1 < 0");
  EXPECT_FATAL(TOVDate date(LONG_MAX, 0), "time_t 9223372036854775807 is out of range");
  EXPECT_FATAL(TOVDate date(LONG_MAX, 1), "time_t 9223372036854775807 is out of range");
}

TEST(DateText, LocalizedFormAndCurrentDate) {
  std::string saved = setlocale(LC_TIME, nullptr);
  setlocale(LC_TIME, "C");
  EXPECT_STREQ(TOVDateUtilities::ConvertDateToStringForMsg(TOVDate(2007, 11, 16, 9, 5, 0)),
               "Fri Nov 16 09:05:00 2007");
  setlocale(LC_TIME, saved.c_str());
  // A year that a struct tm cannot hold falls back to the program form.
  EXPECT_STREQ(TOVDateUtilities::ConvertDateToStringForMsg(TOVDate(INT_MIN, 1, 1, 0, 0, 0)),
               "-2147483648/01/01-00:00:00");
  long before = TOVDateUtilities::GetSystemTime();
  long now = TOVDateUtilities::GetCurrentDate(0).Gettime_t(0);
  EXPECT_TRUE(now >= before && now <= TOVDateUtilities::GetSystemTime());
}
