#include "TOVDateUtilities.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"

#include <climits>
#include <cstdlib>
#include <string>

namespace {

TOVNLSMsgBldrRfHndlr Fixed(const char* text) {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef,
                              new TOVNLSMsgBldrFromString(MORUnicodeString(text), "TST", "0000"));
}

std::string ProgramText(const TOVDate& date) {
  return std::string(TOVDateUtilities::ConvertDateToStringForProgram(date));
}

// Reads text with the time required: the date read, or the pending error's summary.
std::string ReadRequired(const TOVString& text) {
  TOVDate date(1999, 9, 9, 9, 9, 9);
  long rc = TOVDateUtilities::ConvertStringForProgramToDate(text, Fixed("R"), Fixed("A"), date);
  if (rc != 0) {
    std::string error = tovtest::TakePendingError(rc);
    // A failed read leaves the date as it was.
    return ProgramText(date) == "1999/09/09-09:09:09" ? error : "date changed: " + error;
  }
  return ProgramText(date);
}

// Reads text with the time optional: the date read and the time-given flag, or the error.
std::string ReadOptional(const TOVString& text) {
  TOVDate date(1999, 9, 9, 9, 9, 9);
  unsigned int timeGiven = 7;
  long rc = TOVDateUtilities::ConvertStringForProgramToDate(text, Fixed("R"), Fixed("A"), timeGiven,
                                                            date);
  if (rc != 0)
    return tovtest::TakePendingError(rc);
  return ProgramText(date) + (timeGiven == 1 ? " time" : timeGiven == 0 ? " no time" : " ?");
}

// Reads a time span: "Y M D h m s", or the pending error's summary.
std::string Span(const TOVString& text) {
  int v[6] = {9, 9, 9, 9, 9, 9};
  long rc = TOVDateUtilities::ConvertStringForProgramToTimeSpan(text, Fixed("R"), Fixed("A"), v[0],
                                                                v[1], v[2], v[3], v[4], v[5]);
  if (rc != 0) {
    bool cleared = v[0] == 0 && v[1] == 0 && v[2] == 0 && v[3] == 0 && v[4] == 0 && v[5] == 0;
    return (cleared ? "" : "not cleared: ") + tovtest::TakePendingError(rc);
  }
  std::string out;
  for (int i = 0; i < 6; ++i)
    out += (i ? " " : "") + std::to_string(v[i]);
  return out;
}

// Adds (or subtracts) a span to date: the new date, or the error and the date left.
std::string Add(TOVDate date, int years, int months, int days, int hours, int minutes, int seconds,
                unsigned int add = 1) {
  long rc = TOVDateUtilities::AddTimeSpanToDate(date, years, months, days, hours, minutes, seconds,
                                                add, Fixed("R"), Fixed("A"));
  if (rc != 0)
    return tovtest::TakePendingError(rc) + " @ " + ProgramText(date);
  return ProgramText(date);
}

// Runs the test in a fixed time zone with daylight saving, restoring the previous one.
class DateSpanTest : public ::testing::Test {
protected:
  void SetUp() override {
    const char* old = std::getenv("TZ");
    _Had = old != nullptr;
    if (_Had)
      _Old = old;
    setenv("TZ", "Europe/Paris", 1);
    tzset();
  }
  void TearDown() override {
    if (_Had)
      setenv("TZ", _Old.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  bool _Had = false;
  std::string _Old;
};

} // namespace

TEST(DateReading, FullDatesAndTheirErrors) {
  EXPECT_EQ(ReadRequired("2000/02/29-00:00:00"), "2000/02/29-00:00:00");
  EXPECT_EQ(ReadRequired("2007/11/16-09:05:59"), "2007/11/16-09:05:59");
  EXPECT_EQ(ReadRequired("1900/02/29-00:00:00"), "TOVBC 7731 29");
  EXPECT_EQ(ReadRequired("2007/11/16"), "TOVBC 7722 2007/11/16");
  EXPECT_EQ(ReadRequired("2007/11/16-"), "TOVBC 7722 2007/11/16-");
  EXPECT_EQ(ReadRequired("2007/11/16-09"), "TOVBC 7722 2007/11/16-09");
  EXPECT_EQ(ReadRequired("2007/11/16-09:05"), "TOVBC 7722 2007/11/16-09:05");
  EXPECT_EQ(ReadRequired("2007"), "TOVBC 7722 2007");
  EXPECT_EQ(ReadRequired("2007/11"), "TOVBC 7722 2007/11");
  EXPECT_EQ(ReadRequired(""), "TOVBC 7722 ");
  EXPECT_EQ(ReadRequired("y/11/16-09:05:00"), "TOVBC 7723 y/11/16-09:05:00");
  EXPECT_EQ(ReadRequired("2007/m/16-09:05:00"), "TOVBC 7724 2007/m/16-09:05:00");
  EXPECT_EQ(ReadRequired("2007/11/d-09:05:00"), "TOVBC 7725 2007/11/d-09:05:00");
  EXPECT_EQ(ReadRequired("2007/11/16-h:05:00"), "TOVBC 7726 2007/11/16-h:05:00");
  EXPECT_EQ(ReadRequired("2007/11/16-09::00"), "TOVBC 7727 2007/11/16-09::00");
  EXPECT_EQ(ReadRequired("2007/11/16-09:05:"), "TOVBC 7728 2007/11/16-09:05:");
  EXPECT_EQ(ReadRequired("2007/11/16-09:05:00:00"), "TOVBC 7728 2007/11/16-09:05:00:00");
  EXPECT_EQ(ReadRequired("2007/13/16-09:05:00"), "TOVBC 7730 13");
  EXPECT_EQ(ReadRequired("2007/0/16-09:05:00"), "TOVBC 7730 0");
  EXPECT_EQ(ReadRequired("2007/04/31-09:05:00"), "TOVBC 7731 31");
  EXPECT_EQ(ReadRequired("2007/11/16-24:05:00"), "TOVBC 7732 24");
  EXPECT_EQ(ReadRequired("2007/11/16--1:05:00"), "TOVBC 7732 -1");
  EXPECT_EQ(ReadRequired("2007/11/16-09:60:00"), "TOVBC 7733 60");
  EXPECT_EQ(ReadRequired("2007/11/16-09:05:60"), "TOVBC 7734 60");
  EXPECT_EQ(ReadRequired("2007/11/16-09:05:99999999999"),
            "TOVBC 7728 2007/11/16-09:05:99999999999");
  // Any year that an int holds is read; the date keeps it.
  EXPECT_EQ(ReadRequired("-2147483648/1/1-0:0:0"), "-2147483648/01/01-00:00:00");
}

TEST(DateReading, ErrorsCarryTheCallersRequestAndAdvice) {
  TOVDate date;
  long rc = TOVDateUtilities::ConvertStringForProgramToDate("bad", Fixed("Reading the date"),
                                                            Fixed("Write YYYY/MM/DD"), date);
  ASSERT_EQ(rc, E_FAIL);
  MORError* error = MORGetLastError(rc, nullptr);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(tovtest::Utf8(error->GetNLSRequest()), "Reading the date");
  EXPECT_EQ(tovtest::Utf8(error->GetNLSAdvice()), "Write YYYY/MM/DD");
  EXPECT_EQ(tovtest::Utf8(error->GetNLSDiagnostic()),
            "The date \"bad\" lacks a separator (\"/\", \"-\" or \":\").");
  error->Release();
  MORCleanLastError();
}

TEST(DateReading, OptionalTimeParts) {
  EXPECT_EQ(ReadOptional("2007/11/16"), "2007/11/16-00:00:00 no time");
  EXPECT_EQ(ReadOptional("2007/11/16-"), "2007/11/16-00:00:00 no time");
  EXPECT_EQ(ReadOptional("2007/11/16-08"), "2007/11/16-08:00:00 time");
  EXPECT_EQ(ReadOptional("2007/11/16-08:30"), "2007/11/16-08:30:00 time");
  EXPECT_EQ(ReadOptional("2007/11/16-08:30:15"), "2007/11/16-08:30:15 time");
  EXPECT_EQ(ReadOptional("2007/11/16-08:"), "2007/11/16-08:00:00 time");
  EXPECT_EQ(ReadOptional("2007/11/16-08::"), "TOVBC 7727 2007/11/16-08::");
  EXPECT_EQ(ReadOptional("2007/11/16-8x"), "TOVBC 7726 2007/11/16-8x");
  EXPECT_EQ(ReadOptional("2007/11/16x"), "TOVBC 7725 2007/11/16x");
  EXPECT_EQ(ReadOptional("2007/11/"), "TOVBC 7725 2007/11/");
  EXPECT_EQ(ReadOptional("2007/11"), "TOVBC 7722 2007/11");
  EXPECT_EQ(ReadOptional("2007/02/30"), "TOVBC 7731 30");
}

TEST(DateReading, TextWithNulsIsReadOnlyWithinItsLength) {
  TOVString text("2007/11/16-09:05:00");
  text.Resize(22, '\0'); // three NULs after the text
  EXPECT_EQ(ReadRequired(text), "TOVBC 7728 2007/11/16-09:05:00");
  TOVString nulSeparated("2007/11/16");
  nulSeparated.Resize(11, '\0');
  nulSeparated += "-1:2:3";
  EXPECT_EQ(ReadOptional(nulSeparated), "TOVBC 7725 2007/11/16");
}

TEST(TimeSpanReading, FieldsByTheirSeparators) {
  EXPECT_EQ(Span("5"), "0 0 5 0 0 0");
  EXPECT_EQ(Span("5-"), "0 0 5 0 0 0");
  EXPECT_EQ(Span("4:30"), "0 0 0 4 30 0");
  EXPECT_EQ(Span("4:30:15"), "0 0 0 4 30 15");
  EXPECT_EQ(Span("2-12"), "0 0 2 12 0 0");
  EXPECT_EQ(Span("1/15-0:0:30"), "0 1 15 0 0 30");
  EXPECT_EQ(Span("1/0/0"), "1 0 0 0 0 0");
  EXPECT_EQ(Span("1/2"), "0 1 2 0 0 0");
  EXPECT_EQ(Span("1/2/3-4:5:6"), "1 2 3 4 5 6");
  EXPECT_EQ(Span("+3"), "0 0 3 0 0 0");
}

TEST(TimeSpanReading, UnreadableSpansClearTheOutputs) {
  for (const char* text : {"", "-5", "x", "1:2:3:4", "1/2/3/4", "1/2:3", "1-2-3", "4:30-1", "1/",
                           "1//2", "1:-2", "1/2/3-4:5:6:7", "99999999999", "1--", "5 days"}) {
    EXPECT_EQ(Span(text), std::string("TOVBC 7729 ") + text) << text;
  }
}

TEST_F(DateSpanTest, DaysAndTimeMoveTheDateInLocalTime) {
  TOVDate date(2007, 11, 16, 9, 5, 0);
  EXPECT_EQ(Add(date, 0, 0, 1, 2, 3, 4), "2007/11/17-11:08:04");
  EXPECT_EQ(Add(date, 0, 0, 1, 2, 3, 4, 0), "2007/11/15-07:01:56");
  EXPECT_EQ(Add(date, 0, 0, 0, 0, 0, 0), "2007/11/16-09:05:00");
  // Crossing the change to summer time: a day of 23 hours.
  EXPECT_EQ(Add(TOVDate(2007, 3, 24, 12, 0, 0), 0, 0, 1, 0, 0, 0), "2007/03/25-13:00:00");
  // A negative field is allowed while the running total stays non-negative.
  EXPECT_EQ(Add(date, 0, 0, 0, -1, 120, 0), "2007/11/16-10:05:00");
}

TEST_F(DateSpanTest, YearsAndMonthsMoveTheCalendarFields) {
  EXPECT_EQ(Add(TOVDate(2007, 1, 31, 10, 0, 0), 0, 1, 0, 0, 0, 0), "2007/02/28-10:00:00");
  EXPECT_EQ(Add(TOVDate(2008, 1, 31, 10, 0, 0), 0, 1, 0, 0, 0, 0), "2008/02/29-10:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 3, 31, 10, 0, 0), 0, 1, 0, 0, 0, 0, 0), "2007/02/28-10:00:00");
  EXPECT_EQ(Add(TOVDate(2008, 3, 31, 10, 0, 0), 0, 1, 0, 0, 0, 0, 0), "2008/02/29-10:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 11, 16, 0, 0, 0), 0, 2, 0, 0, 0, 0), "2008/01/16-00:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 11, 16, 0, 0, 0), 0, 11, 0, 0, 0, 0, 0), "2006/12/16-00:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 1, 16, 0, 0, 0), 0, 12, 0, 0, 0, 0, 0), "2006/01/16-00:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 1, 16, 0, 0, 0), 0, 25, 0, 0, 0, 0, 0), "2004/12/16-00:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 1, 16, 0, 0, 0), 2, 25, 0, 0, 0, 0), "2011/02/16-00:00:00");
  EXPECT_EQ(Add(TOVDate(2008, 2, 29, 0, 0, 0), 1, 0, 0, 0, 0, 0), "2009/02/28-00:00:00");
  // Days first, then months: 30 January + 1 day + 1 month is 28 February.
  EXPECT_EQ(Add(TOVDate(2007, 1, 30, 0, 0, 0), 0, 1, 1, 0, 0, 0), "2007/02/28-00:00:00");
}

TEST_F(DateSpanTest, SpansTooLargeOrNegativeFailBeforeTheDateChanges) {
  TOVDate date(2007, 11, 16, 9, 5, 0);
  const std::string left = " @ 2007/11/16-09:05:00";
  EXPECT_EQ(Add(date, 0, 0, 24801, 0, 0, 0), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, 0, 0, 0, 0, 0, -1), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, 0, 0, 0, -1, 59, 0), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, 0, 0, -1, 23, 0, 0), "TOVBC 7735 " + left);
  // Extreme fields overflow nothing.
  EXPECT_EQ(Add(date, 0, 0, 0, 0, INT_MAX, INT_MAX), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, 0, 0, 0, INT_MAX, 0, 0), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, 0, 0, INT_MIN, 0, 0, 0), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, INT_MAX, INT_MAX, 0, 0, 0, 0), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, INT_MIN, INT_MIN, 0, 0, 0, 0, 0), "TOVBC 7735 " + left);
  // Before 1970, or beyond 2037, by days: the date is kept.
  EXPECT_EQ(Add(date, 0, 0, 24800, 0, 0, 0, 0), "TOVBC 7735 " + left);
  EXPECT_EQ(Add(date, 0, 0, 24800, 0, 0, 0), "TOVBC 7735 " + left);
  // A date read from a user outside 1970..2037 is refused rather than fatal.
  EXPECT_EQ(Add(TOVDate(2050, 1, 1, 0, 0, 0), 0, 0, 1, 0, 0, 0),
            "TOVBC 7735  @ 2050/01/01-00:00:00");
}

TEST_F(DateSpanTest, YearsAndMonthsBeyondTheRangeFailWithTheMovedDate) {
  EXPECT_EQ(Add(TOVDate(2037, 12, 1, 0, 0, 0), 0, 1, 0, 0, 0, 0),
            "TOVBC 7735  @ 2038/01/01-00:00:00");
  EXPECT_EQ(Add(TOVDate(1970, 1, 1, 0, 0, 0), 0, 1, 0, 0, 0, 0, 0),
            "TOVBC 7735  @ 1969/12/01-00:00:00");
  // Far beyond, as long as the year fits in an int.
  EXPECT_EQ(Add(TOVDate(2007, 11, 16, 0, 0, 0), 0, INT_MIN, 0, 0, 0, 0),
            "TOVBC 7735  @ -178954963/03/16-00:00:00");
  // Paris is one hour ahead: midnight of 1970-01-01 there is before the epoch.
  EXPECT_EQ(Add(TOVDate(1971, 1, 1, 0, 0, 0), 1, 0, 0, 0, 0, 0, 0),
            "TOVBC 7735  @ 1970/01/01-00:00:00");
}

TEST(DateSpan, UnsetDateIsFatal) {
  TOVGlobalObjectCleaner cleaner;
  TOVDate date;
  EXPECT_FATAL(
      TOVDateUtilities::AddTimeSpanToDate(date, 0, 0, 1, 0, 0, 0, 1, Fixed("R"), Fixed("A")),
      "SetDate() must be called before");
}
