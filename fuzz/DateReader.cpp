// Reads arbitrary bytes as a date, with the time required and with it optional, and checks
// that a read either gives a valid date that reads back the same from its program form, or
// fails with a date message leaving the date unchanged; and that the two forms agree.
#include "FuzzText.h"
#include "TOVDateUtilities.h"
#include "TOVNLSMsgBldrRfHndlr.h"

#include <string>

using fuzztext::Check;

namespace {

bool IsDateMessage(const std::string& id) {
  return id.size() == 4 && id >= "7722" && id <= "7734" && id != "7729";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TOVString text = fuzztext::MakeString(data, size);
  TOVNLSMsgBldrRfHndlr none;
  const TOVDate before(1999, 9, 9, 9, 9, 9);

  TOVDate required(before);
  long rc = TOVDateUtilities::ConvertStringForProgramToDate(text, none, none, required);
  std::string id = fuzztext::TakePendingMsgId(rc);
  TOVDate optional(before);
  unsigned int timeGiven = 9;
  long rcOptional =
      TOVDateUtilities::ConvertStringForProgramToDate(text, none, none, timeGiven, optional);
  Check(timeGiven <= 1, "the time-given flag is 0 or 1");
  std::string idOptional = fuzztext::TakePendingMsgId(rcOptional);

  if (rc != 0) {
    Check(IsDateMessage(id), "a failed read names a date message");
    Check(required.Compare(before) == 0, "a failed read leaves the date");
  } else {
    Check(rcOptional == 0 && timeGiven == 1, "a full date also reads with the time optional");
    Check(optional.Compare(required) == 0, "both forms read the same date");
  }
  if (rcOptional != 0) {
    Check(IsDateMessage(idOptional), "a failed optional read names a date message");
    Check(optional.Compare(before) == 0, "a failed optional read leaves the date");
    return 0;
  }
  int year, month, day, hour, minute, second;
  optional.GetDate(year, month, day, hour, minute, second);
  Check(TOVDateUtilities::DayIsValid(year, month, day) == 1 && month >= 1 && hour <= 23 &&
            minute <= 59 && second <= 59,
        "a date read is valid");
  TOVDate again;
  TOVString form = TOVDateUtilities::ConvertDateToStringForProgram(optional);
  Check(TOVDateUtilities::ConvertStringForProgramToDate(form, none, none, again) == 0,
        "the program form of a date reads back");
  Check(again.Compare(optional) == 0, "the program form gives the same date");
  // The localized form never fails, whatever the year.
  TOVDateUtilities::ConvertDateToStringForMsg(optional);
  return 0;
}
