// Every tool with its standard output on a full device or closed, and with an output file
// on a full device: each tells it in its own catalog's words and fails.
#include "ToolsTestSupport.h"

namespace {

/// The error of a standard output that could not be written, as catalog shows it.
std::string StdoutError(const std::string& catalog, const std::string& id) {
  return "Writing to the standard output.\n#ERR# " + catalog + " - " + id +
         ": The standard output could not be written completely.\nCheck that the standard "
         "output goes to a file or device that is open and has room.\n\n";
}

} // namespace

TEST(ToolOutput, AStandardOutputOrAnOutputFileThatCannotBeWrittenIsAFailure) {
  const std::pair<std::string, Outcome> cases[] = {
      {kTovgraph + kExample, {2, "", StdoutError("TOVGRAPH", "0024")}},
      {kTovgraph + "-h", {2, "", StdoutError("TOVGRAPH", "0024")}},
      {kTools + "cmdlinedemo/cmdlinedemo -n ab f", {2, "", StdoutError("CLDEMO", "0008")}},
      {kTools + "tovinfo/tovinfo", {3, "", StdoutError("TOVINFO", "0011")}}};
  for (const auto& [command, outcome] : cases)
    for (const char* redirection : {" >/dev/full", " >&-"})
      EXPECT_EQ(OutcomeOf("sh -c '" + command + redirection + "'"), outcome)
          << command << redirection;
  const std::string closeError =
      "#ERR# TOVBC - 0202: Cannot close the file \"/dev/full\": No space left on device\n\n";
  EXPECT_EQ(OutcomeOf(kTovgraph + "-o /dev/full " + kExample),
            Outcome(2, "", "Writing the steps to /dev/full.\n" + closeError));
  EXPECT_EQ(OutcomeOf(kTools + "cmdlinedemo/cmdlinedemo -n ab -o /dev/full f"),
            Outcome(2, "", "Writing the report to /dev/full.\n" + closeError));
}
