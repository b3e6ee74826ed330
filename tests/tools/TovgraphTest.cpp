// tovgraph run as a process: the bundled example, the tree layout, an output file, the
// errors for a missing file, a line of three words, a zero byte, an output file that is a
// directory and a repeated option, byte for byte; identifiers read back from the listing.
#include "ToolsTestSupport.h"

#include <set>
#include <unistd.h>
#include <vector>

namespace {

/// The error shown when the graph file cannot be read.
std::string ReadError(const std::string& file, const std::string& error) {
  return "Reading the graph file " + file + ".\n#ERR# TOVGRAPH - " + error + "\n\n";
}

/// The identifiers of a listing of steps (or of a tree), their escapes undone.
std::multiset<std::string> ReadBack(const std::string& listing) {
  std::multiset<std::string> identifiers;
  for (size_t i = listing.find(" \""); i != std::string::npos; i = listing.find(" \"", i)) {
    std::string identifier;
    for (i += 2; i < listing.size() && listing[i] != '"'; ++i) {
      if (listing[i] == '\\')
        ++i;
      identifier += listing[i];
    }
    identifiers.insert(identifier);
  }
  return identifiers;
}

} // namespace

TEST(Tovgraph, PrintsTheExampleInRankOrderAsATreeOrToAFile) {
  const char* const steps = "1: \"lexer\"\n1: \"docs\"\n2: \"parser\"\n2: \"checker\"\n"
                            "3: \"compiler\"\n4: \"runtime\" \"library\"\n5: \"tests\"\n";
  EXPECT_EQ(OutcomeOf(kTovgraph + kExample), Outcome(0, steps, ""));
  // The tree shows each step below the parent that ranks it.
  EXPECT_EQ(OutcomeOf(kTovgraph + "-tree " + kExample),
            Outcome(0,
                    "> 1:  \"lexer\"\n> 2:  \"parser\"\n> 3:  \"compiler\"\n"
                    "> 4:  \"runtime\" \"library\"\n> 5:  \"tests\"\n> 2:  \"checker\"\n"
                    "> 1:  \"docs\"\n",
                    ""));
  const tovtest::TempDir dir;
  EXPECT_EQ(OutcomeOf(kTovgraph + "-o " + (dir / "steps.txt") + " " + kExample),
            Outcome(0, "", ""));
  EXPECT_EQ(tovtest::ReadFile(dir / "steps.txt"), steps);
}

TEST(Tovgraph, CyclesAndLongLinesOfCommentsAreRead) {
  const tovtest::TempDir dir;
  tovtest::WriteFile(dir / "cycle.graph", "# " + std::string(5000, 'x') + "\nz y\ny z\r\nz x\nw");
  EXPECT_EQ(OutcomeOf(kTovgraph + (dir / "cycle.graph")),
            Outcome(0, "1: \"z\" \"y\"\n1: \"w\"\n2: \"x\"\n", ""));
}

TEST(Tovgraph, AMissingFileALineOfThreeWordsAndAZeroByteAreRefusedWithTheLineNumber) {
  const tovtest::TempDir dir;
  tovtest::WriteFile(dir / "three.graph", "a b\n\n  # a comment: x y z\nb\tc # d e f\na b c\n");
  tovtest::WriteFile(dir / "zero.graph", std::string("ab\0cd ef\nx\0 y z w\n", 18));
  // A zero byte after the words, in a comment, or first on the line.
  tovtest::WriteFile(dir / "later.graph", std::string("a b\nc # d\0\n", 12));
  tovtest::WriteFile(dir / "zeros.graph", std::string(20 << 20, '\0'));
  const auto zeroByte = [](int line) {
    return "0013: Line " + std::to_string(line) +
           " holds a zero byte; a graph file holds text only.";
  };
  const std::pair<std::string, std::string> cases[] = {
      {dir / "none.graph",
       "0011: The file " + (dir / "none.graph") + " cannot be opened: No such file or directory."},
      {dir / "three.graph", "0012: Line 5 holds 3 words; a line holds one node identifier, or a "
                            "parent and a child identifier."},
      {dir / "zero.graph", zeroByte(1)},
      {dir / "later.graph", zeroByte(2)},
      {dir / "zeros.graph", zeroByte(1)}};
  for (const auto& [file, error] : cases)
    EXPECT_EQ(OutcomeOf(kTovgraph + file), Outcome(2, "", ReadError(file, error)));
}

TEST(Tovgraph, IdentifiersAreEscapedSoThatTheListingReadsBack) {
  const tovtest::TempDir dir;
  // A long identifier of two- and three-byte characters goes out in pieces, never cut
  // inside a character.
  std::string longOne;
  while (longOne.size() < 300000)
    longOne += "\xc3\xa9\xe2\x82\xac\"\\x";
  tovtest::WriteFile(dir / "quotes.graph", R"("q" a\b
\" x"y\
" )" + longOne + "\n");
  const std::multiset<std::string> expected = {R"("q")",  R"(a\b)", R"(\")",
                                               R"(x"y\)", R"(")",   longOne};
  tovtest::ToolRun run = tovtest::RunTool(kTovgraph + (dir / "quotes.graph"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.substr(0, run.out.find("\n2: \"x")), R"(1: "\"q\""
1: "\\\""
1: "\""
2: "a\\b")");
  EXPECT_EQ(ReadBack(run.out), expected);
  run = tovtest::RunTool(kTovgraph + "-tree " + (dir / "quotes.graph"));
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBack(run.out), expected);
}

TEST(Tovgraph, ErrorsNameTheOutputFileAndTheRepeatedOption) {
  const tovtest::TempDir dir;
  EXPECT_EQ(OutcomeOf(kTovgraph + "-o " + dir.Path() + " " + kExample),
            Outcome(2, "",
                    "Writing the steps to " + dir.Path() +
                        ".\n#ERR# TOVGRAPH - 0021: The output "
                        "file " +
                        dir.Path() +
                        " is a directory.\nGive the name of a file to "
                        "write the steps to.\n\n"));
  const std::string usage =
      "Usage: tovgraph [-h|-help|-?] [-t|-tree] [-o|-output file] graph-file\n";
  const std::pair<std::string, std::string> repeated[] = {
      {"-o " + (dir / "a") + " -o " + (dir / "b") + " " + kExample, " \"" + (dir / "b") + "\""},
      {"-output " + (dir / "a") + " " + kExample + " -o", ""}};
  for (const auto& [words, argument] : repeated)
    EXPECT_EQ(OutcomeOf(kTovgraph + words),
              Outcome(2, "",
                      "Reading the command line: tovgraph -o|-output" + argument +
                          "\n#ERR# TOVGRAPH - 0030: The option -o|-output is given more than "
                          "once.\n" +
                          usage + "\n"));
  // Nothing was written.
  EXPECT_NE(access((dir / "a").c_str(), F_OK), 0);
  EXPECT_NE(access((dir / "b").c_str(), F_OK), 0);
}
