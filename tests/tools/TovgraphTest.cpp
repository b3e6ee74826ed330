// tovgraph run as a process: the bundled example, the tree layout, an output file, the
// errors for a missing file, a line of three words, a zero byte, an output file that is a
// directory and a repeated option, byte for byte; identifiers read back from the listing.
#include "TOVTestSupport.h"
#include "TOVToolProcess.h"

#include <set>
#include <string>
#include <unistd.h>
#include <vector>

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

TEST(Tovgraph, ALineHoldingAZeroByteIsRefusedWithItsNumber) {
  const tovtest::TempDir dir;
  const std::string zero = dir / "zero.graph", later = dir / "later.graph",
                    zeros = dir / "zeros.graph";
  tovtest::WriteFile(zero, std::string("ab\0cd ef\nx\0 y z w\n", 18));
  // A zero byte after the words, in a comment, or first on the line.
  tovtest::WriteFile(later, std::string("a b\nc # d\0\n", 12));
  tovtest::WriteFile(zeros, std::string(20 << 20, '\0'));
  const std::pair<std::string, int> cases[] = {{zero, 1}, {later, 2}, {zeros, 1}};
  for (const auto& [file, line] : cases) {
    ToolRun run = RunTool(kTovgraph + file);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Reading the graph file " + file + ".\n#ERR# TOVGRAPH - 0013: Line " +
                           std::to_string(line) +
                           " holds a zero byte; a graph file holds text "
                           "only.\n\n");
  }
}

namespace {

/// The identifiers of a listing of steps (or of a tree), their escapes undone.
std::vector<std::string> ReadBack(const std::string& listing) {
  std::vector<std::string> identifiers;
  for (size_t i = listing.find(" \""); i != std::string::npos; i = listing.find(" \"", i)) {
    std::string identifier;
    for (i += 2; i < listing.size() && listing[i] != '"'; ++i) {
      if (listing[i] == '\\')
        ++i;
      identifier += listing[i];
    }
    identifiers.push_back(identifier);
  }
  return identifiers;
}

} // namespace

TEST(Tovgraph, IdentifiersAreEscapedSoThatTheListingReadsBack) {
  const tovtest::TempDir dir;
  const std::string file = dir / "quotes.graph";
  // A long identifier of two- and three-byte characters goes out in pieces, never cut
  // inside a character.
  std::string longOne;
  while (longOne.size() < 300000)
    longOne += "\xc3\xa9\xe2\x82\xac\"\\x";
  tovtest::WriteFile(file, R"("q" a\b
\" x"y\
" )" + longOne + "\n");
  const std::vector<std::string> identifiers = {R"("q")",  R"(a\b)", R"(\")",
                                                R"(x"y\)", R"(")",   longOne};
  const std::multiset<std::string> expected(identifiers.begin(), identifiers.end());
  ToolRun run = RunTool(kTovgraph + file);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("\n2: \"x")), R"(1: "\"q\""
1: "\\\""
1: "\""
2: "a\\b")");
  std::vector<std::string> shown = ReadBack(run.out);
  EXPECT_EQ(std::multiset<std::string>(shown.begin(), shown.end()), expected);
  run = RunTool(kTovgraph + "-tree " + file);
  EXPECT_EQ(run.status, 0) << run.err;
  shown = ReadBack(run.out);
  EXPECT_EQ(std::multiset<std::string>(shown.begin(), shown.end()), expected);
}

TEST(Tovgraph, ErrorsNameTheOutputFileAndTheRepeatedOption) {
  const tovtest::TempDir dir;
  ToolRun run = RunTool(kTovgraph + "-o " + dir.Path() + " " + kExample);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Writing the steps to " + dir.Path() +
                         ".\n#ERR# TOVGRAPH - 0021: The output file " + dir.Path() +
                         " is a directory.\nGive the name of a file to write the steps "
                         "to.\n\n");
  const std::string usage =
      "Usage: tovgraph [-h|-help|-?] [-t|-tree] [-o|-output file] graph-file\n";
  const std::pair<std::string, std::string> repeated[] = {
      {"-o " + (dir / "a") + " -o " + (dir / "b") + " " + kExample, " \"" + (dir / "b") + "\""},
      {"-output " + (dir / "a") + " " + kExample + " -o", ""}};
  for (const auto& [words, argument] : repeated) {
    run = RunTool(kTovgraph + words);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Reading the command line: tovgraph -o|-output" + argument +
                           "\n#ERR# TOVGRAPH - 0030: The option -o|-output is given more than "
                           "once.\n" +
                           usage + "\n");
  }
  // Nothing was written.
  EXPECT_NE(access((dir / "a").c_str(), F_OK), 0);
  EXPECT_NE(access((dir / "b").c_str(), F_OK), 0);
}
