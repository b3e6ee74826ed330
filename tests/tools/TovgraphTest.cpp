// tovgraph run as a process: the bundled example, the tree layout, an output file, and
// the errors for a missing file and a line of three words, byte for byte.
#include "TOVTestSupport.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

const std::string kTovgraph = std::string(TOV_BINARY_DIR) + "/tools/tovgraph/tovgraph";
const std::string kExample = std::string(TOV_SOURCE_DIR) + "/tools/tovgraph/examples/build.graph";

struct ToolRun {
  std::string out, err;
  int status;
};

/// Runs tovgraph with args (shell words) and collects both streams and the exit status.
ToolRun Tovgraph(const std::string& args) {
  const std::string dir = tovtest::MakeTempDir();
  const std::string command = kTovgraph + " " + args + " >" + dir + "/out 2>" + dir + "/err";
  int status = std::system(command.c_str());
  return {tovtest::ReadFile(dir + "/out"), tovtest::ReadFile(dir + "/err"),
          WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

bool Built() {
  struct stat info;
  return stat(kTovgraph.c_str(), &info) == 0;
}

const char* const kExampleSteps = "1: \"lexer\"\n"
                                  "1: \"docs\"\n"
                                  "2: \"parser\"\n"
                                  "2: \"checker\"\n"
                                  "3: \"compiler\"\n"
                                  "4: \"runtime\" \"library\"\n"
                                  "5: \"tests\"\n";

} // namespace

TEST(Tovgraph, PrintsTheStepsOfTheExampleInRankOrder) {
  if (!Built())
    GTEST_SKIP() << "tovgraph is not built";
  ToolRun run = Tovgraph(kExample);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kExampleSteps);
  EXPECT_EQ(run.err, "");
}

TEST(Tovgraph, TreeShowsEachStepBelowTheParentThatRanksIt) {
  if (!Built())
    GTEST_SKIP() << "tovgraph is not built";
  ToolRun run = Tovgraph("-tree " + kExample);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "> 1:  \"lexer\"\n"
                     "> 2:  \"parser\"\n"
                     "> 3:  \"compiler\"\n"
                     "> 4:  \"runtime\" \"library\"\n"
                     "> 5:  \"tests\"\n"
                     "> 2:  \"checker\"\n"
                     "> 1:  \"docs\"\n");
}

TEST(Tovgraph, WritesToAnOutputFile) {
  if (!Built())
    GTEST_SKIP() << "tovgraph is not built";
  const std::string file = tovtest::MakeTempDir() + "/steps.txt";
  ToolRun run = Tovgraph("-o " + file + " " + kExample);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(tovtest::ReadFile(file), kExampleSteps);
}

TEST(Tovgraph, AMissingFileIsAnError) {
  if (!Built())
    GTEST_SKIP() << "tovgraph is not built";
  const std::string missing = tovtest::MakeTempDir() + "/none.graph";
  ToolRun run = Tovgraph(missing);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Reading the graph file " + missing + ".\n" +
                         "#ERR# TOVGRAPH - 0011: The file " + missing +
                         " cannot be opened: No such file or directory.\n\n");
}

TEST(Tovgraph, ALineOfThreeWordsIsAnErrorWithItsLineNumber) {
  if (!Built())
    GTEST_SKIP() << "tovgraph is not built";
  const std::string file = tovtest::MakeTempDir() + "/three.graph";
  tovtest::WriteFile(file, "a b\n\n  # a comment: x y z\nb\tc # d e f\na b c\n");
  ToolRun run = Tovgraph(file);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Reading the graph file " + file + ".\n" +
                         "#ERR# TOVGRAPH - 0012: Line 5 holds 3 words; a line holds one node "
                         "identifier, or a parent and a child identifier.\n\n");
}

TEST(Tovgraph, CyclesAndLongLinesOfCommentsAreRead) {
  if (!Built())
    GTEST_SKIP() << "tovgraph is not built";
  const std::string file = tovtest::MakeTempDir() + "/cycle.graph";
  tovtest::WriteFile(file, "# " + std::string(5000, 'x') + "\nz y\ny z\r\nz x\nw");
  ToolRun run = Tovgraph(file);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "1: \"z\" \"y\"\n1: \"w\"\n2: \"x\"\n");
}
