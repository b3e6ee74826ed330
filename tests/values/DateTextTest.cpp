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

std::string Text(const TOVDate& date) {
  return std::string(TOVDateUtilities::ConvertDateToStringForProgram(date));
}

// The date read (with " +t" when the optional time was given), or the pending error. A
// failed read must leave the date as it was.
std::string Read(const TOVString& text, bool timeOptional = false) {
  TOVDate date(1999, 9, 9, 9, 9, 9);
  unsigned int given = 7;
  long rc = timeOptional ? TOVDateUtilities::ConvertStringForProgramToDate(text, Fixed("R"),
                                                                           Fixed("A"), given, date)
                         : TOVDateUtilities::ConvertStringForProgramToDate(text, Fixed("R"),
                                                                           Fixed("A"), date);
  if (rc != 0)
    return (Text(date) == "1999/09/09-09:09:09" ? "" : "changed ") + tovtest::TakePendingError(rc);
  return Text(date) + (given == 1 ? " +t" : "");
}

// "Y M D h m s" of a time span, or the pending error (the outputs must then be 0).
std::string Span(const char* text) {
  int v[6] = {9, 9, 9, 9, 9, 9};
  long rc = TOVDateUtilities::ConvertStringForProgramToTimeSpan(text, Fixed("R"), Fixed("A"), v[0],
                                                                v[1], v[2], v[3], v[4], v[5]);
  std::string out;
  for (int i = 0; i < 6; ++i)
    out += (i ? " " : "") + std::to_string(v[i]);
  return rc == 0 ? out : out + " " + tovtest::TakePendingError(rc);
}

// The date after adding (or subtracting) the span, after the error if there is one.
std::string Add(TOVDate date, int y, int mo, int d, int h, int mi, int s, unsigned int add = 1) {
  long rc =
      TOVDateUtilities::AddTimeSpanToDate(date, y, mo, d, h, mi, s, add, Fixed("R"), Fixed("A"));
  return (rc != 0 ? tovtest::TakePendingError(rc) + " @ " : "") + Text(date);
}

} // namespace

TEST(DateReading, FullDatesAndEachMessage) {
  EXPECT_EQ(Read("2000/02/29-00:00:00"), "2000/02/29-00:00:00");
  EXPECT_EQ(Read("1900/02/29-00:00:00"), "TOVBC 7731 29");
  EXPECT_EQ(Read("2007/11/16"), "TOVBC 7722 2007/11/16");
  EXPECT_EQ(Read("2007/11/16-09:05"), "TOVBC 7722 2007/11/16-09:05");
  EXPECT_EQ(Read("2007"), "TOVBC 7722 2007");
  EXPECT_EQ(Read("y/11/16-09:05:00"), "TOVBC 7723 y/11/16-09:05:00");
  EXPECT_EQ(Read("2007/m/16-09:05:00"), "TOVBC 7724 2007/m/16-09:05:00");
  EXPECT_EQ(Read("2007/11/d-09:05:00"), "TOVBC 7725 2007/11/d-09:05:00");
  EXPECT_EQ(Read("2007/11/16-h:05:00"), "TOVBC 7726 2007/11/16-h:05:00");
  EXPECT_EQ(Read("2007/11/16-09::00"), "TOVBC 7727 2007/11/16-09::00");
  EXPECT_EQ(Read("2007/11/16-09:05:00:00"), "TOVBC 7728 2007/11/16-09:05:00:00");
  EXPECT_EQ(Read("2007/13/16-09:05:00"), "TOVBC 7730 13");
  EXPECT_EQ(Read("2007/11/16--1:05:00"), "TOVBC 7732 -1");
  EXPECT_EQ(Read("2007/11/16-09:60:00"), "TOVBC 7733 60");
  EXPECT_EQ(Read("2007/11/16-09:05:60"), "TOVBC 7734 60");
  EXPECT_EQ(Read("2007/11/16-09:05:99999999999"), "TOVBC 7728 2007/11/16-09:05:99999999999");
  TOVString withNuls("2007/11/16-09:05:00");
  withNuls.Resize(21, '\0'); // read within the length, NULs included
  EXPECT_EQ(Read(withNuls), "TOVBC 7728 2007/11/16-09:05:00");
}

TEST(DateReading, OptionalTimeParts) {
  EXPECT_EQ(Read("2007/11/16", true), "2007/11/16-00:00:00");
  EXPECT_EQ(Read("2007/11/16-", true), "2007/11/16-00:00:00");
  EXPECT_EQ(Read("2007/11/16-08", true), "2007/11/16-08:00:00 +t");
  EXPECT_EQ(Read("2007/11/16-08:30", true), "2007/11/16-08:30:00 +t");
  EXPECT_EQ(Read("2007/11/16-08:", true), "2007/11/16-08:00:00 +t");
  EXPECT_EQ(Read("2007/11/16-08::", true), "TOVBC 7727 2007/11/16-08::");
  EXPECT_EQ(Read("2007/11/", true), "TOVBC 7725 2007/11/");
  EXPECT_EQ(Read("2007/02/30", true), "TOVBC 7731 30");
}

TEST(DateReading, ErrorsCarryTheCallersRequestAndAdvice) {
  TOVDate date;
  long rc = TOVDateUtilities::ConvertStringForProgramToDate("bad", Fixed("Reading"),
                                                            Fixed("Write YYYY/MM/DD"), date);
  MORError* error = MORGetLastError(rc, nullptr);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(tovtest::Utf8(error->GetNLSMessage()),
            "Reading\nThe date \"bad\" lacks a separator (\"/\", \"-\" or \":\").\n"
            "Write YYYY/MM/DD");
  error->Release();
  MORCleanLastError();
}

TEST(TimeSpanReading, FieldsByTheirSeparators) {
  EXPECT_EQ(Span("5"), "0 0 5 0 0 0");
  EXPECT_EQ(Span("5-"), "0 0 5 0 0 0");
  EXPECT_EQ(Span("4:30"), "0 0 0 4 30 0");
  EXPECT_EQ(Span("2-12"), "0 0 2 12 0 0");
  EXPECT_EQ(Span("1/15-0:0:30"), "0 1 15 0 0 30");
  EXPECT_EQ(Span("1/0/0"), "1 0 0 0 0 0");
  EXPECT_EQ(Span("1/2/3-4:5:6"), "1 2 3 4 5 6");
  for (const char* text : {"", "-5", "1:2:3:4", "1/2/3/4", "1/2:3", "4:30-1", "1//2", "1:-2",
                           "1/2/3-4:5:6:7", "99999999999"})
    EXPECT_EQ(Span(text), std::string("0 0 0 0 0 0 TOVBC 7729 ") + text);
}

TEST(DateSpanDeathTest, AddingInLocalTimeThenOnTheCalendar) {
  setenv("TZ", "Europe/Paris", 1);
  tzset();
  TOVDate date(2007, 11, 16, 9, 5, 0);
  EXPECT_EQ(Add(date, 0, 0, 1, 2, 3, 4), "2007/11/17-11:08:04");
  EXPECT_EQ(Add(date, 0, 0, 1, 2, 3, 4, 0), "2007/11/15-07:01:56");
  EXPECT_EQ(Add(date, 0, 0, 0, -1, 120, 0), "2007/11/16-10:05:00");
  EXPECT_EQ(Add(TOVDate(2007, 3, 24, 12, 0, 0), 0, 0, 1, 0, 0, 0), "2007/03/25-13:00:00"); // 23 h
  EXPECT_EQ(Add(TOVDate(2007, 1, 31, 10, 0, 0), 0, 1, 0, 0, 0, 0), "2007/02/28-10:00:00");
  EXPECT_EQ(Add(TOVDate(2008, 3, 31, 10, 0, 0), 0, 1, 0, 0, 0, 0, 0), "2008/02/29-10:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 1, 16, 0, 0, 0), 0, 25, 0, 0, 0, 0, 0), "2004/12/16-00:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 1, 16, 0, 0, 0), 2, 25, 0, 0, 0, 0), "2011/02/16-00:00:00");
  EXPECT_EQ(Add(TOVDate(2007, 1, 30, 0, 0, 0), 0, 1, 1, 0, 0, 0), "2007/02/28-00:00:00");
  // Spans too large, negative or leaving 1970..2037 by days fail before the date changes.
  const std::string kept = "TOVBC 7735  @ 2007/11/16-09:05:00";
  for (const auto& span : {std::make_tuple(0, 0, 24801, 0, 0, 0),
                           {0, 0, 0, 0, 0, -1},
                           {0, 0, -1, 23, 0, 0},
                           {0, 0, 0, 0, INT_MAX, INT_MAX},
                           {0, 0, INT_MIN, 0, 0, 0},
                           {INT_MAX, INT_MAX, 0, 0, 0, 0},
                           {0, 0, 24800, 0, 0, 0}}) {
    auto [y, mo, d, h, mi, s] = span;
    EXPECT_EQ(Add(date, y, mo, d, h, mi, s), kept) << y << mo << d << h << mi << s;
  }
  EXPECT_EQ(Add(date, INT_MIN, INT_MIN, 0, 0, 0, 0, 0), kept);
  EXPECT_EQ(Add(TOVDate(2050, 1, 1, 0, 0, 0), 0, 0, 1, 0, 0, 0),
            "TOVBC 7735  @ 2050/01/01-00:00:00");
  // Years and months leaving 1970..2037 fail with the moved date.
  EXPECT_EQ(Add(TOVDate(2037, 12, 1, 0, 0, 0), 0, 1, 0, 0, 0, 0),
            "TOVBC 7735  @ 2038/01/01-00:00:00");
  EXPECT_EQ(Add(TOVDate(1971, 1, 1, 0, 0, 0), 1, 0, 0, 0, 0, 0, 0), // before the epoch in Paris
            "TOVBC 7735  @ 1970/01/01-00:00:00");
  unsetenv("TZ");
  tzset();
  TOVGlobalObjectCleaner cleaner;
  TOVDate unset;
  EXPECT_FATAL(Add(unset, 0, 0, 1, 0, 0, 0), "SetDate() must be called before");
}
