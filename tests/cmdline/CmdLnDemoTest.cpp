// The command-line demonstration tool run as a separate process: a wrong option, the help
// and a right command line, each compared byte for byte with the catalogs' texts.
#include "CmdLnTestSupport.h"
#include "TOVToolProcess.h"

using namespace cmdtest;
using tovtest::ToolRun;

namespace {

const std::string kTool = std::string(TOV_BINARY_DIR) + "/tools/cmdlinedemo/cmdlinedemo ";
const std::string kHelpNames = "-h|-help|-?";

ToolRun RunTool(const std::string& arguments) {
  return tovtest::RunTool(kTool + arguments);
}

/// Message iMsgId of the tool's own catalog.
std::string Demo(const std::string& msgId, const Words& params) {
  return CatalogText(msgId, params, TOV_SOURCE_DIR "/tools/cmdlinedemo/CLDEMO.msg");
}

std::string ShortUsage() {
  return Demo("0001", {"cmdlinedemo", kHelpNames});
}

} // namespace

TEST(CmdLnDemo, UnknownOptionShowsRequestDiagnosticAndShortUsageThenFails) {
  ToolRun run = RunTool("-x");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, CatalogText("0013", {"cmdlinedemo -x"}) + "\n" + "#ERR# TOVBC - 0001: " +
                         CatalogText("0001", {"-x"}) + "\n" + ShortUsage() + "\n" + "\n");
}

TEST(CmdLnDemo, HelpIsPrintedOnTheStandardOutputWithTheInformationStatus) {
  std::string help = ShortUsage() + "\n" + Demo("0002", {"-v"}) + "\n" +
                     Demo("0003", {"-o|-output"}) + "\n" + Demo("0004", {"-n|-name"}) + "\n" +
                     CatalogText("0101", {kHelpNames}) + "\n" + "\n" + Demo("0005", {}) + "\n";
  for (const char* words : {"-h", "-help", "'-?' file1", "-v -h"}) {
    SCOPED_TRACE(words);
    ToolRun run = RunTool(words);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, help + "\n\n");
  }
}

TEST(CmdLnDemo, RightCommandLineSucceeds) {
  ToolRun run = RunTool("-n run1 a -output report.txt -v b -");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "name: run1\noutput: report.txt\nverbose: yes\nfile: a\nfile: b\nfile: -\n");
}
