// tovgraph run as a process: the bundled example, the tree layout, an output file, and
// the errors for a missing file and a line of three words, byte for byte.
#include "TOVTestSupport.h"
#include "TOVToolProcess.h"

#include <string>

using tovtest::RunTool;
using tovtest::ToolRun;

namespace {

const std::string kTovgraph = std::string(TOV_BINARY_DIR) + "/tools/tovgraph/tovgraph ";
const std::string kExample = std::string(TOV_SOURCE_DIR) + "/tools/tovgraph/examples/build.graph";

} // namespace

TEST(Tovgraph, PrintsTheExampleInRankOrderAsATreeOrToAFile) {
  const char* const steps = "1: \"lexer\"\n1: \"docs\"\n2: \"parser\"\n2: \"checker\"\n"
                            "3: \"compiler\"\n4: \"runtime\" \"library\"\n5: \"tests\"\n";
  ToolRun run = RunTool(kTovgraph + kExample);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, steps);
  EXPECT_EQ(run.err, "");

  // The tree shows each step below the parent that ranks it.
  run = RunTool(kTovgraph + "-tree " + kExample);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "> 1:  \"lexer\"\n> 2:  \"parser\"\n> 3:  \"compiler\"\n"
                     "> 4:  \"runtime\" \"library\"\n> 5:  \"tests\"\n> 2:  \"checker\"\n"
                     "> 1:  \"docs\"\n");

  const std::string file = tovtest::MakeTempDir() + "/steps.txt";
  run = RunTool(kTovgraph + "-o " + file + " " + kExample);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(tovtest::ReadFile(file), steps);
}

TEST(Tovgraph, AMissingFileAndALineOfThreeWordsAreErrors) {
  const std::string dir = tovtest::MakeTempDir();
  const std::string missing = dir + "/none.graph", three = dir + "/three.graph";
  tovtest::WriteFile(three, "a b\n\n  # a comment: x y z\nb\tc # d e f\na b c\n");
  const std::pair<std::string, std::string> errors[] = {
      {missing, "TOVGRAPH - 0011: The file " + missing +
                    " cannot be opened: No such file or directory.\n\n"},
      {three, "TOVGRAPH - 0012: Line 5 holds 3 words; a line holds one node identifier, or a "
              "parent and a child identifier.\n\n"}};
  for (const auto& [file, error] : errors) {
    ToolRun run = RunTool(kTovgraph + file);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Reading the graph file " + file + ".\n#ERR# " + error);
  }
}

TEST(Tovgraph, CyclesAndLongLinesOfCommentsAreRead) {
  const std::string file = tovtest::MakeTempDir() + "/cycle.graph";
  tovtest::WriteFile(file, "# " + std::string(5000, 'x') + "\nz y\ny z\r\nz x\nw");
  ToolRun run = RunTool(kTovgraph + file);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1: \"z\" \"y\"\n1: \"w\"\n2: \"x\"\n");
}
