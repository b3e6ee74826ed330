#include "PlainTestSupport.h"
#include "TOVCBErrorProcessing.h"
#include "TOVError.h"
#include "TOVToolProcess.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using ::testing::internal::CaptureStderr;
using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStderr;
using ::testing::internal::GetCapturedStdout;

namespace {

using ErrorProcessing = plaintest::Started;

// A table that records what it is handed.
std::vector<std::string> Calls;
const err_table RecordingTable = {
    [](const char* catalog, int type, const char* key, const char* const* params) {
      std::string call = std::string(catalog) + " " + std::to_string(type) + " " + key;
      for (; *params != nullptr; ++params)
        call += std::string(" ") + *params;
      Calls.push_back(call);
      return 11;
    },
    [](const char* file, int line, int type) {
      Calls.push_back(std::string(file) + ":" + std::to_string(line) + " " + std::to_string(type));
      return 22;
    },
    [] { Calls.push_back("display"); }};

using ErrorProcessingDeathTest = ErrorProcessing;

} // namespace

TEST_F(ErrorProcessing, TablesDecideWhatReportsBecome) {
  err_start(&RecordingTable);
  EXPECT_EQ(err_msg("CAT", ERR_MSG_DIAGNOSTIC, "KEY", "p1", "p2", nullptr), 11);
  EXPECT_EQ(err_msg_record("f.c", 5, ERR_RECORD_CRITICAL), 22);
  EXPECT_EQ(err_msg_record("f.c", 6, ERR_RECORD_WARNING), 22);
  EXPECT_THAT(Calls, ::testing::ElementsAre("CAT 1 KEY p1 p2", "f.c:5 2", "f.c:6 1", "display"));
  // Without a table: the plain lines only, no display and no exit whatever the type.
  err_start(nullptr);
  CaptureStderr();
  err_msg("TOVSYS", ERR_MSG_REQUEST, "OPEN", "a.txt", nullptr);
  err_msg_record("caller.c", 3, ERR_RECORD_FATAL);
  err_display();
  EXPECT_EQ(GetCapturedStderr(),
            "Unable to process the error message \"OPEN\"\nUnable to create the error message\n");
  EXPECT_EQ(plaintest::TakeReport(), "none");
}

TEST_F(ErrorProcessing, CriticalRecordLeavesThePendingErrorAndPrintsNothing) {
  CaptureStdout();
  CaptureStderr();
  err_msg("TOVSYS", ERR_MSG_REQUEST, "RENAME", "old", "new", nullptr);
  err_msg("TOVSYS", ERR_MSG_ADVICE, "NOENTA", nullptr);
  err_msg("TOVSYS", ERR_MSG_ADVICE, "EXISTA", nullptr); // replaces the first advice
  err_msg_record("caller.c", 12, ERR_RECORD_CRITICAL);
  EXPECT_EQ(GetCapturedStdout() + GetCapturedStderr(), "");
  MORError* error = MORGetLastError(E_FAIL, nullptr);
  ASSERT_NE(error, nullptr);
  char* file = nullptr;
  error->GetSourceFileName(&file);
  EXPECT_EQ(std::string(file) + ":" + std::to_string(error->GetSourceLineNumber()), "caller.c:12");
  error->Release();
  EXPECT_EQ(plaintest::TakeReport(), "1 RENAME(old,new)|-|EXISTA");
  err_msg_record("caller.c", 13, ERR_RECORD_CRITICAL); // the slots were emptied
  EXPECT_EQ(plaintest::TakeReport(), "1 -|-|-");
}

TEST_F(ErrorProcessing, InformationAndWarningAreShownThenForgotten) {
  for (int type : {ERR_RECORD_INFORMATION, ERR_RECORD_WARNING}) {
    CaptureStdout();
    err_msg("TOVSYS", ERR_MSG_REQUEST, "OPEN", "a.txt", nullptr);
    err_msg("TOVSYS", ERR_MSG_DIAGNOSTIC, "NOENT_FILE", nullptr);
    err_msg("TOVSYS", ERR_MSG_ADVICE, "NOENTA", nullptr);
    err_msg_record("caller.c", 20, type);
    EXPECT_EQ(GetCapturedStdout(),
              std::string("Opening \"a.txt\".\n") +
                  (type == ERR_RECORD_WARNING ? "!WNG! TOVSYS - NOENT_FILE: " : "") +
                  "The file does not exist.\nCheck the name.\n\n");
    EXPECT_EQ(plaintest::TakeReport(), "none");
  }
}

TEST_F(ErrorProcessingDeathTest, EndingPathsWriteTheirExactOutput) {
  plaintest::ChildRun run = plaintest::RunInChild([] {
    printf("before");
    err_msg("TOVSYS", ERR_MSG_DIAGNOSTIC, "IO", nullptr);
    err_msg_record("caller.c", 7, ERR_RECORD_FATAL);
  });
  EXPECT_EQ(run.exitCode, 127);
  EXPECT_EQ(run.out + "|" + run.err, "before|#ERR# FATAL ERROR TOVSYS - IO IN caller.c AT LINE 7: "
                                     "An input/output error occurred.\n\n");
  run = plaintest::RunInChild([] {
    printf("pending output");
    err_prog("prog.c", 42, "bad value %d of \"%s\"", 7, "x");
  });
  EXPECT_EQ(run.signal, SIGABRT);
  EXPECT_EQ(run.out + "|" + run.err,
            "pending output|#ERR# Fatal internal error at prog.c:42: bad value 7 of \"x\"\n");
  for (auto wrongType : {+[] { err_msg("TOVSYS", 3, "OPEN", nullptr); },
                         +[] { err_msg_record("caller.c", 1, -1); }}) {
    run = plaintest::RunInChild(wrongType);
    EXPECT_EQ(run.signal, SIGABRT);
    EXPECT_THAT(run.err, ::testing::MatchesRegex("#ERR# Fatal internal error at TOVBasic.m/src/"
                                                 "plain/TOVCBErrorProcessing.cpp:[0-9]+: "
                                                 "(Unknown error message|Wrong error) type "
                                                 "\\((3|-1)\\)\n\n"));
  }
}

TEST(ErrorProcessingLinesDeathTest, LongLinesAreCutToTheBufferNeverBeyond) {
  const std::string longText(3000, 'x');
  const std::string head = "#ERR# Warning at prog.c:9: ";
  CaptureStderr();
  err_prog_warning("prog.c", 9, "%s", longText.c_str());
  err_prog_warning(std::string(2000, 'f').c_str(), 1, "%s", "text");
  EXPECT_EQ(GetCapturedStderr(), head + longText.substr(0, 1023 - head.size()) + "\n" +
                                     "#ERR# Warning at " + std::string(1023 - 17, 'f') + "\n");
  plaintest::ChildRun run =
      plaintest::RunInChild([&] { err_prog("prog.c", 9, "%s%s", longText.c_str(), "tail"); });
  EXPECT_EQ(run.err.size(), 1024u);
}

TEST(PlainHelpers, PathsCaseDaysAndSystem) {
  EXPECT_STREQ(last_component("a\\b\\c"), "c");
  EXPECT_STREQ(last_component("a/b/c"), "a/b/c");
  char text[] = "MiXed 1!";
  EXPECT_EQ(to_lower(text), text);
  EXPECT_STREQ(text, "mixed 1!");
  EXPECT_STREQ(to_upper(text), "MIXED 1!");
  EXPECT_EQ(std::string(day_name(0)) + day_name(6) + day_name(7) + day_name(-1) + os_name(),
            "SunSat??????NT");
}

namespace {

// The trace scenario of the child program with "TOVCB_TRACE" set to value (null: unset):
// its stdout with each time stamp checked and replaced by "T", then "|" and its stderr.
std::string TraceOutput(const char* value, const char* scenario) {
  tovtest::ToolRun run = plaintest::RunScenario(scenario, "TOVCB_TRACE", value);
  std::string out;
  for (size_t start = 0, end; start < run.out.size(); start = end + 1) {
    end = std::min(run.out.find('\n', start), run.out.size());
    const std::string line = run.out.substr(start, end - start);
    EXPECT_THAT(line, ::testing::MatchesRegex("[0-9]{4}/[0-1][0-9]/[0-3][0-9] "
                                              "[0-2][0-9]:[0-5][0-9]:[0-6][0-9]\\.[0-9]{6}: .*"));
    out += "T" + line.substr(26) + "\n";
  }
  return out + "|" + run.err;
}

} // namespace

TEST(Trace, EnvironmentOrExplicitComponentChoosesWhatPrints) {
  EXPECT_EQ(TraceOutput(nullptr, "trace"), "|000.");
  EXPECT_EQ(TraceOutput("all", "trace"), "T: net 1\nT: disk x\nT: none\n|111.");
  EXPECT_EQ(TraceOutput("net", "trace"), "T: net 1\n|100.");
  EXPECT_EQ(TraceOutput("NET", "trace"), "|000.");
  // Read once: setting the variable after the first trace changes nothing.
  EXPECT_EQ(TraceOutput(nullptr, "trace-late"), "|000.");
  EXPECT_EQ(TraceOutput("all", "trace-set"),
            "T: disk x\nT: net 1\nT: disk x\nT: none\n|010.000.111.");
}
