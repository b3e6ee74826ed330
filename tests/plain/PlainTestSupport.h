// Helpers of the plain-function layer's tests.
#ifndef PLAINTESTSUPPORT_H
#define PLAINTESTSUPPORT_H

#include "MORError.h"
#include "TOVCBErrorProcessing.h"
#include "TOVToolProcess.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace plaintest {

/// Tests that run with the library's error table installed and leave no pending error.
class Started : public ::testing::Test {
protected:
  void SetUp() override { ErrorProcessingStart(); }
  void TearDown() override { MORCleanLastError(); }
};

/// What a child process wrote on each standard stream, and how it ended.
struct ChildRun {
  std::string out, err;
  int exitCode = -1; ///< -1 when it did not exit
  int signal = 0;    ///< the signal that ended it, 0 when none
};

/// The program PlainChild run on scenario in a fresh process, with the environment
/// variable set to value, or unset when value is null.
tovtest::ToolRun RunScenario(const char* scenario, const char* variable, const char* value);

/// Runs body in a forked child whose standard streams are collected; the child exits with
/// status 0 when body returns.
ChildRun RunInChild(const std::function<void()>& body);

/// The pending error of E_FAIL summed up, then forgotten: "TYPE REQUEST|DIAGNOSTIC|ADVICE",
/// each message as KEY or KEY(p1,p2) and "-" for none, the type as its MORErrorType value.
/// "none" when no error is pending.
std::string TakeReport();

/// Makes call with no file descriptor left to open, then gives them back (the errno of
/// call is kept), so that what reports the failure has descriptors again.
void WithoutDescriptors(void (*call)());

/// A failure and its expected report: the failing call is made for real (provoke), or its
/// error number is injected (error) where this machine cannot provoke it.
struct Row {
  int error;
  void (*provoke)();
  int operation;
  const char* expected;
};

/// The report that translate gives of row's failure (made with errno as the row says), as
/// TakeReport sums it up.
std::string Report(const Row& row, void (*translate)(int operation));

/// The same in a child: its stderr after an abort, else "exit STATUS: " and its stderr.
std::string Ending(const Row& row, void (*translate)(int operation));

} // namespace plaintest

#endif
