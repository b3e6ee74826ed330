#include "MORMetaClass.h"
#include "TOVMacro.h"
#include "TOVVersion.h"
#include "ToolsTestSupport.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

const std::string kTovinfo = kTools + "tovinfo/tovinfo";

/// Index of the only line that names the class, after its indentation; -1 when absent.
int FindClassLine(const std::vector<std::string>& lines, const std::string& name, int* indent) {
  int found = -1;
  for (size_t i = 0; i < lines.size(); ++i) {
    size_t start = lines[i].find_first_not_of(' ');
    if (start != std::string::npos && lines[i].compare(start, name.size() + 1, name + " ") == 0) {
      EXPECT_EQ(found, -1) << name << " is listed twice";
      found = static_cast<int>(i);
      *indent = static_cast<int>(start);
    }
  }
  return found;
}

std::string GuidText(const char* name) {
  MORGUID g = MORMetaClass::GuidFromName(name);
  char out[39];
  std::snprintf(out, sizeof out, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
  return out;
}

} // namespace

TEST(Tovinfo, ListsEveryClassUnderItsParentThenOneErrorOfEachTypeOnItsStream) {
  // Without -errors, the listing alone and success.
  const tovtest::ToolRun plain = tovtest::RunTool(kTovinfo);
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(plain.err, "");
  const tovtest::ToolRun run = tovtest::RunTool(kTovinfo + " -errors");
  // The fatal error's code 0x80040004, the most severe, gives the status.
  ASSERT_EQ(run.status, 4) << run.out << run.err;
  EXPECT_EQ(run.out.substr(0, plain.out.size()), plain.out);
  std::vector<std::string> lines;
  std::istringstream in(run.out);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], std::string("TOVBasic ") + TOVGetVersion());
  // The same classes that this process, linked to the same library, registers.
  TOVRegisterAllClasses();
  std::vector<MORMetaClass*> classes;
  MORMetaClass::ForEach(
      [](MORMetaClass* meta, void* to) {
        static_cast<std::vector<MORMetaClass*>*>(to)->push_back(meta);
      },
      &classes);
  EXPECT_EQ(lines[1], "Registered classes: " + std::to_string(classes.size()));
  // The class lines, then the two demonstration errors shown on the standard output.
  EXPECT_EQ(lines.size(), classes.size() + 2 + 2 * 4);
  int indent = -1;
  EXPECT_EQ(FindClassLine(lines, "MORBaseUnknown", &indent), 2);
  EXPECT_EQ(indent, 0);
  for (MORMetaClass* meta : classes) {
    const int line = FindClassLine(lines, meta->GetName(), &indent);
    ASSERT_GE(line, 0) << meta->GetName() << " is missing";
    EXPECT_EQ(lines[line].substr(indent),
              std::string(meta->GetName()) + " " + GuidText(meta->GetName()));
    if (meta->GetParent() == nullptr)
      continue;
    // The parent is the nearest line above that is indented one step less.
    int parentIndent = -1;
    const int parentLine = FindClassLine(lines, meta->GetParent()->GetName(), &parentIndent);
    ASSERT_GE(parentLine, 0);
    EXPECT_LT(parentLine, line) << meta->GetName();
    EXPECT_EQ(indent, parentIndent + 2) << meta->GetName();
    for (int between = parentLine + 1; between < line; ++between)
      EXPECT_GT(lines[between].find_first_not_of(' '), static_cast<size_t>(parentIndent))
          << meta->GetName() << " is not under " << meta->GetParent()->GetName();
  }
  // Information and warnings go to the standard output, the others to the standard error.
  EXPECT_THAT(run.out, ::testing::EndsWith(
                           "Demonstration of the error path, type information\n"
                           "The number \"information\" is missing or is not an integer.\n"
                           "Nothing to do: tovinfo raised it on purpose.\n\n"
                           "Demonstration of the error path, type warning\n"
                           "!WNG! TOVBC - 0015: The number \"warning\" is missing or is not an "
                           "integer.\n"
                           "Nothing to do: tovinfo raised it on purpose.\n\n"));
  EXPECT_THAT(run.err, ::testing::MatchesRegex(
                           "Demonstration of the error path, type fatal\n"
                           "#ERR# FATAL ERROR TOVBC - 0015 IN tools/tovinfo/main\\.cpp AT LINE "
                           "[0-9]+: The number \"fatal\" is missing or is not an integer\\.\n"
                           "Nothing to do: tovinfo raised it on purpose\\.\n\n"
                           "Demonstration of the error path, type critical\n"
                           "#ERR# TOVBC - 0015: The number \"critical\" is missing or is not an "
                           "integer\\.\n"
                           "Nothing to do: tovinfo raised it on purpose\\.\n\n"));
}

TEST(Tovinfo, ShowsItsHelpAndRefusesAnUnknownOption) {
  const std::string usage = "Usage: tovinfo [-h|-help|-?] [-errors]\n";
  EXPECT_EQ(OutcomeOf(kTovinfo + " -h"),
            Outcome(1,
                    usage +
                        "-errors: then raise one error of each type, to show the error path; the "
                        "exit status is the most severe error's.\n-h|-help|-?: show this help "
                        "and stop.\n\nPrints the library's version and the tree of its "
                        "registered classes, each with its GUID.\n\n\n",
                    ""));
  EXPECT_EQ(OutcomeOf(kTovinfo + " -x"),
            Outcome(2, "",
                    "Reading the command line: tovinfo -x\n#ERR# TOVBC - 0001: The option \"-x\" "
                    "is unknown.\n" +
                        usage + "\n"));
}
