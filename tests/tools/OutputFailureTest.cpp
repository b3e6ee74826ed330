// Every tool with its standard output on a full device or closed, and with an output file
// on a full device: each tells it in its own catalog's words and fails.
#include "TOVTestSupport.h"
#include "TOVToolProcess.h"

#include <string>

using tovtest::RunTool;
using tovtest::ToolRun;

namespace {

const std::string kTools = std::string(TOV_BINARY_DIR) + "/tools/";
const std::string kExample = std::string(TOV_SOURCE_DIR) + "/tools/tovgraph/examples/build.graph";

/// The error of a standard output that could not be written, as catalog shows it.
std::string StdoutError(const std::string& catalog, const std::string& id) {
  return "Writing to the standard output.\n#ERR# " + catalog + " - " + id +
         ": The standard output could not be written completely.\nCheck that the standard "
         "output goes to a file or device that is open and has room.\n\n";
}

} // namespace

TEST(ToolOutput, AStandardOutputThatCannotBeWrittenIsAFailure) {
  struct Case {
    std::string command, error;
    int status;
  };
  const Case cases[] = {
      {kTools + "tovgraph/tovgraph " + kExample, StdoutError("TOVGRAPH", "0024"), 2},
      {kTools + "tovgraph/tovgraph -tree " + kExample, StdoutError("TOVGRAPH", "0024"), 2},
      {kTools + "tovgraph/tovgraph -h", StdoutError("TOVGRAPH", "0024"), 2},
      {kTools + "cmdlinedemo/cmdlinedemo -n ab f", StdoutError("CLDEMO", "0008"), 2},
      {kTools + "tovinfo/tovinfo", StdoutError("TOVINFO", "0011"), 3}};
  for (const Case& c : cases) {
    for (const char* redirection : {" >/dev/full", " >&-"}) {
      SCOPED_TRACE(c.command + redirection);
      ToolRun run = RunTool("sh -c '" + c.command + redirection + "'");
      EXPECT_EQ(run.status, c.status);
      EXPECT_EQ(run.err, c.error);
    }
  }
}

TEST(ToolOutput, AnOutputFileThatCannotBeWrittenIsAFailure) {
  const std::string closeError =
      "#ERR# TOVBC - 0202: Cannot close the file \"/dev/full\": No space left on device\n\n";
  ToolRun run = RunTool(kTools + "tovgraph/tovgraph -o /dev/full " + kExample);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Writing the steps to /dev/full.\n" + closeError);
  run = RunTool(kTools + "cmdlinedemo/cmdlinedemo -n ab -o /dev/full f");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Writing the report to /dev/full.\n" + closeError);
}
