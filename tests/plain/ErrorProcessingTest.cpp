#include "PlainTestSupport.h"
#include "TOVCBErrorProcessing.h"
#include "TOVError.h"
#include "TOVToolProcess.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using plaintest::RunInChild;
using plaintest::TakeReport;
using ::testing::MatchesRegex;

namespace {

class ErrorProcessing : public ::testing::Test {
protected:
  void SetUp() override { ErrorProcessingStart(); }
  void TearDown() override { MORCleanLastError(); }
};

// A table that records what it is handed.
std::vector<std::string> Calls;

int RecordMessage(const char* catalog, int type, const char* key, const char* const* params) {
  std::string call = std::string("msg ") + catalog + " " + std::to_string(type) + " " + key;
  for (; *params != nullptr; ++params)
    call += std::string(" ") + *params;
  Calls.push_back(call);
  return 11;
}
int RecordRecord(const char* file, int line, int type) {
  Calls.push_back("record " + std::string(file) + " " + std::to_string(line) + " " +
                  std::to_string(type));
  return 22;
}
void RecordDisplay() {
  Calls.push_back("display");
}
const err_table RecordingTable = {RecordMessage, RecordRecord, RecordDisplay};

} // namespace

TEST_F(ErrorProcessing, WithoutTableOnlyTheFallbackLinesAreWrittenWhateverTheType) {
  err_start(nullptr);
  ::testing::internal::CaptureStderr();
  err_msg("TOVSYS", ERR_MSG_REQUEST, "OPEN", "a.txt", nullptr);
  err_msg_record("caller.c", 3, ERR_RECORD_FATAL); // no display, no exit
  err_display();
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "Unable to process the error message \"OPEN\"\nUnable to create the error message\n");
  EXPECT_EQ(TakeReport(), "none");
}

TEST_F(ErrorProcessing, InstalledTableReceivesEveryCallAndDecidesTheResults) {
  err_start(&RecordingTable);
  Calls.clear();
  EXPECT_EQ(err_msg("CAT", ERR_MSG_DIAGNOSTIC, "KEY", "p1", "p2", nullptr), 11);
  EXPECT_EQ(err_msg_record("f.c", 5, ERR_RECORD_CRITICAL), 22);
  EXPECT_EQ(err_msg_record("f.c", 6, ERR_RECORD_WARNING), 22);
  err_display();
  EXPECT_THAT(Calls, ::testing::ElementsAre("msg CAT 1 KEY p1 p2", "record f.c 5 2",
                                            "record f.c 6 1", "display", "display"));
}

TEST_F(ErrorProcessing, CriticalRecordLeavesThePendingErrorAndPrintsNothing) {
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  err_msg("TOVSYS", ERR_MSG_REQUEST, "RENAME", "old", "new", nullptr);
  err_msg("TOVSYS", ERR_MSG_ADVICE, "NOENTA", nullptr);
  err_msg("TOVSYS", ERR_MSG_ADVICE, "EXISTA", nullptr); // replaces the first advice
  err_msg_record("caller.c", 12, ERR_RECORD_CRITICAL);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  MORError* error = MORGetLastError(E_FAIL, nullptr);
  ASSERT_NE(error, nullptr);
  char* file = nullptr;
  EXPECT_EQ(error->GetSourceFileName(&file), 0);
  EXPECT_STREQ(file, "caller.c");
  EXPECT_EQ(error->GetSourceLineNumber(), 12);
  error->Release();
  EXPECT_EQ(TakeReport(), "1 RENAME(old,new)|-|EXISTA");
  // The slots were emptied by the record: the next report starts afresh.
  err_msg_record("caller.c", 13, ERR_RECORD_CRITICAL);
  EXPECT_EQ(TakeReport(), "1 -|-|-");
}

TEST_F(ErrorProcessing, InformationAndWarningAreShownThenForgotten) {
  for (int type : {ERR_RECORD_INFORMATION, ERR_RECORD_WARNING}) {
    ::testing::internal::CaptureStdout();
    err_msg("TOVSYS", ERR_MSG_REQUEST, "OPEN", "a.txt", nullptr);
    err_msg("TOVSYS", ERR_MSG_DIAGNOSTIC, "NOENT_FILE", nullptr);
    err_msg("TOVSYS", ERR_MSG_ADVICE, "NOENTA", nullptr);
    err_msg_record("caller.c", 20, type);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              std::string("Opening \"a.txt\".\n") +
                  (type == ERR_RECORD_WARNING ? "!WNG! TOVSYS - NOENT_FILE: " : "") +
                  "The file does not exist.\nCheck the name.\n\n");
    EXPECT_EQ(TakeReport(), "none");
  }
}

TEST_F(ErrorProcessing, FatalRecordIsShownThenTheProcessExitsWith127) {
  plaintest::ChildRun run = RunInChild([] {
    printf("before");
    err_msg("TOVSYS", ERR_MSG_DIAGNOSTIC, "IO", nullptr);
    err_msg_record("caller.c", 7, ERR_RECORD_FATAL);
    printf("not reached");
  });
  EXPECT_EQ(run.exitCode, 127);
  EXPECT_EQ(run.out, "before");
  EXPECT_EQ(run.err, "#ERR# FATAL ERROR TOVSYS - IO IN caller.c AT LINE 7: "
                     "An input/output error occurred.\n\n");
}

TEST_F(ErrorProcessing, WrongMessageOrRecordTypeIsAFatalInternalError) {
  plaintest::ChildRun run = RunInChild([] { err_msg("TOVSYS", 3, "OPEN", nullptr); });
  EXPECT_EQ(run.signal, SIGABRT);
  EXPECT_THAT(run.err, MatchesRegex("#ERR# Fatal internal error at "
                                    "TOVBasic.m/src/plain/TOVCBErrorProcessing.cpp:[0-9]+: "
                                    "Unknown error message type \\(3\\)\n\n"));
  run = RunInChild([] { err_msg_record("caller.c", 1, -1); });
  EXPECT_EQ(run.signal, SIGABRT);
  EXPECT_THAT(run.err, MatchesRegex(".*: Wrong error type \\(-1\\)\n\n"));
}

TEST(ErrorProcessingLines, ProgrammingErrorFlushesBothStreamsAndAborts) {
  plaintest::ChildRun run = RunInChild([] {
    printf("pending output");
    err_prog("prog.c", 42, "bad value %d of \"%s\"", 7, "x");
  });
  EXPECT_EQ(run.signal, SIGABRT);
  EXPECT_EQ(run.out, "pending output");
  EXPECT_EQ(run.err, "#ERR# Fatal internal error at prog.c:42: bad value 7 of \"x\"\n");
}

TEST(ErrorProcessingLines, LongLinesAreCutToTheBufferNeverBeyond) {
  const std::string longText(3000, 'x');
  const std::string head = "#ERR# Warning at prog.c:9: ";
  ::testing::internal::CaptureStderr();
  err_prog_warning("prog.c", 9, "%s", longText.c_str());
  err_prog_warning(std::string(2000, 'f').c_str(), 1, "%s", "text");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            head + longText.substr(0, 1023 - head.size()) + "\n" + "#ERR# Warning at " +
                std::string(1023 - 17, 'f') + "\n");
  plaintest::ChildRun run =
      RunInChild([&] { err_prog("prog.c", 9, "%s%s", longText.c_str(), "tail"); });
  EXPECT_EQ(run.signal, SIGABRT);
  EXPECT_EQ(run.err.size(), 1024u);
}

TEST(PlainHelpers, PathsCaseDaysAndSystem) {
  EXPECT_STREQ(last_component("a\\b\\c"), "c");
  EXPECT_STREQ(last_component("a/b/c"), "a/b/c");
  EXPECT_STREQ(last_component("dir\\"), "");
  char text[] = "MiXed 1!";
  EXPECT_EQ(to_lower(text), text);
  EXPECT_STREQ(text, "mixed 1!");
  EXPECT_STREQ(to_upper(text), "MIXED 1!");
  EXPECT_STREQ(day_name(0), "Sun");
  EXPECT_STREQ(day_name(6), "Sat");
  EXPECT_STREQ(day_name(7), "???");
  EXPECT_STREQ(day_name(-1), "???");
  EXPECT_STREQ(os_name(), "NT");
}

namespace {

// Runs the trace scenario of the child program with "TOVCB_TRACE" set to value (null:
// unset); gives its stdout, with the time stamps replaced by "T", then "|" and its stderr.
std::string TraceOutput(const char* value, const char* scenario) {
  const std::string setting =
      value != nullptr ? std::string("TOVCB_TRACE=") + value : std::string("-u TOVCB_TRACE");
  tovtest::ToolRun run = tovtest::RunTool("env " + setting + " " PLAIN_CHILD " " + scenario);
  EXPECT_EQ(run.status, 0);
  std::string out;
  size_t start = 0;
  while (start < run.out.size()) {
    size_t end = run.out.find('\n', start);
    end = end == std::string::npos ? run.out.size() : end + 1;
    std::string line = run.out.substr(start, end - start);
    EXPECT_THAT(line, MatchesRegex("[0-9]{4}/[0-1][0-9]/[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-6][0-9]"
                                   "\\.[0-9]{6}: .*"));
    out += "T" + line.substr(26);
    start = end;
  }
  return out + "|" + run.err;
}

} // namespace

TEST(Trace, EnvironmentChoosesComponentsOnFirstUse) {
  EXPECT_EQ(TraceOutput(nullptr, "trace"), "|000.");
  EXPECT_EQ(TraceOutput("all", "trace"), "T: net 1\nT: disk x\nT: none\n|111.");
  EXPECT_EQ(TraceOutput("net", "trace"), "T: net 1\n|100.");
  EXPECT_EQ(TraceOutput("NET", "trace"), "|000.");
  // Read once: setting the variable after the first trace changes nothing.
  EXPECT_EQ(TraceOutput(nullptr, "trace-late"), "|000.");
}

TEST(Trace, ExplicitComponentOverridesTheEnvironment) {
  EXPECT_EQ(TraceOutput("all", "trace-set"),
            "T: disk x\nT: net 1\nT: disk x\nT: none\n|010.000.111.");
}
