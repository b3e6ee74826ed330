// Reads arbitrary bytes as a time span, checks that a read gives six non-negative numbers
// or fails with message 7729 and six zeros, then adds and subtracts what was read to a fixed
// date, which must either succeed within the time-stamp years or fail with 7735.
#include "FuzzText.h"
#include "TOVDateUtilities.h"
#include "TOVNLSMsgBldrRfHndlr.h"

#include <cstdlib>
#include <ctime>

using fuzztext::Check;

namespace {

void AddAndCheck(const int (&v)[6], unsigned int add) {
  TOVNLSMsgBldrRfHndlr none;
  TOVDate date(2007, 11, 16, 9, 5, 0);
  long rc = TOVDateUtilities::AddTimeSpanToDate(date, v[0], v[1], v[2], v[3], v[4], v[5], add, none,
                                                none);
  if (rc != 0) {
    Check(fuzztext::TakePendingMsgId(rc) == "7735", "a span that cannot be added gives 7735");
    return;
  }
  Check(date.GetYear() >= 1970 && date.GetYear() <= 2037, "a moved date stays in 1970..2037");
  Check(date.Gettime_t(1) >= 0, "a moved date has a time stamp");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool zoneSet = [] {
    setenv("TZ", "UTC", 1);
    tzset();
    return true;
  }();
  (void)zoneSet;
  TOVString text = fuzztext::MakeString(data, size);
  TOVNLSMsgBldrRfHndlr none;
  int v[6] = {-1, -1, -1, -1, -1, -1};
  long rc = TOVDateUtilities::ConvertStringForProgramToTimeSpan(text, none, none, v[0], v[1], v[2],
                                                                v[3], v[4], v[5]);
  if (rc != 0) {
    Check(fuzztext::TakePendingMsgId(rc) == "7729", "an unreadable span gives 7729");
    for (int x : v)
      Check(x == 0, "an unreadable span clears the outputs");
    return 0;
  }
  for (int x : v)
    Check(x >= 0, "a span's fields are not negative");
  AddAndCheck(v, 1);
  AddAndCheck(v, 0);
  return 0;
}
