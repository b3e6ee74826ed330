// The command-line demonstration tool run as a separate process: a wrong option, the help
// and right command lines, the report on the standard output or in a file, each compared
// byte for byte with the catalogs' texts.
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
      {"'-?' file1", 1, help, ""},
      {"-v -h", 1, help, ""},
      {"-n run1 a -v b -", 0, "name: run1\noutput: -\nverbose: yes\nfile: a\nfile: b\nfile: -\n",
       ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.words);
    tovtest::ToolRun run =
        tovtest::RunTool(std::string(TOV_BINARY_DIR) + "/tools/cmdlinedemo/cmdlinedemo " + c.words);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
  }
}

TEST(CmdLnDemo, WritesItsReportToTheOutputFileOrTellsWhyItCannot) {
  const std::string demo = std::string(TOV_BINARY_DIR) + "/tools/cmdlinedemo/cmdlinedemo ";
  const tovtest::TempDir dir;
  const std::string report = dir / "report.txt";
  tovtest::WriteFile(report, "an older report, longer than the new one\n");
  tovtest::ToolRun run = tovtest::RunTool(demo + "-n run1 a -output " + report + " -v b");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(tovtest::ReadFile(report),
            "name: run1\noutput: " + report + "\nverbose: yes\nfile: a\nfile: b\n");

  // A directory cannot take it; the request names the report's file.
  run = tovtest::RunTool(demo + "-n run1 -o " + dir.Path() + " a");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, Demo("0006", {dir.Path()}) + "\n#ERR# TOVBC - 0201: " +
                         CatalogText("0201", {dir.Path(), "Is a directory"}) + "\n\n");
}
