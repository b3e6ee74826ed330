// The command-line demonstration tool run as a separate process: a wrong option, the help
// and a right command line, each compared byte for byte with the catalogs' texts.
#include "CmdLnTestSupport.h"
#include "TOVToolProcess.h"

using namespace cmdtest;

namespace {

const std::string kHelpNames = "-h|-help|-?";

/// Message msgId of the tool's own catalog.
std::string Demo(const std::string& msgId, const Words& params) {
  return CatalogText(msgId, params, TOV_SOURCE_DIR "/tools/cmdlinedemo/CLDEMO.msg");
}

} // namespace

TEST(CmdLnDemo, EachCommandLineGivesItsStatusAndItsTextsOnTheirStreams) {
  const std::string usage = Demo("0001", {"cmdlinedemo", kHelpNames}) + "\n";
  const std::string help = usage + Demo("0002", {"-v"}) + "\n" + Demo("0003", {"-o|-output"}) +
                           "\n" + Demo("0004", {"-n|-name"}) + "\n" +
                           CatalogText("0101", {kHelpNames}) + "\n\n" + Demo("0005", {}) + "\n\n\n";
  struct Case {
    const char* words;
    int status;
    std::string out, err;
  };
  const Case cases[] = {
      // An unknown option: the request, the diagnostic and the short usage, then failure.
      {"-x", 2, "",
       CatalogText("0013", {"cmdlinedemo -x"}) +
           "\n#ERR# TOVBC - 0001: " + CatalogText("0001", {"-x"}) + "\n" + usage + "\n"},
      // The help goes to the standard output with the information status.
      {"-h", 1, help, ""},
      {"-help", 1, help, ""},
      {"'-?' file1", 1, help, ""},
      {"-v -h", 1, help, ""},
      {"-n run1 a -output report.txt -v b -", 0,
       "name: run1\noutput: report.txt\nverbose: yes\nfile: a\nfile: b\nfile: -\n", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.words);
    tovtest::ToolRun run =
        tovtest::RunTool(std::string(TOV_BINARY_DIR) + "/tools/cmdlinedemo/cmdlinedemo " + c.words);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
  }
}
