#include "MessagesTestSupport.h"
#include "TOVErrorDisplay.h"
#include "TOVErrorMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVRaiseError.h"

#include <string>
#include <vector>

using msgtest::Fixed;

namespace {

const TOVNLSMsgBldrRfHndlr None;

// A global display that remembers what it was asked to show.
class Recorder : public TOVErrorDisplay {
public:
  void Display(MORError& error) override {
    shown.push_back(&error);
    ids.push_back(error.GetMsgId() != nullptr ? error.GetMsgId() : "");
  }
  std::vector<MORError*> shown;
  std::vector<std::string> ids;
};

class ErrorMngr : public ::testing::Test {
protected:
  void SetUp() override {
    MORCleanLastError();
    TOVErrorDisplay::SetGlobal(recorder);
  }
  void TearDown() override { MORCleanLastError(); }

  // Raises a pending error of type whose diagnostic id is id; gives its code.
  long Raise(MORErrorType type, const char* id, long rc = E_FAIL) {
    return TOV_RAISE_ERROR(None, Fixed("D", "TOVBC", id), None, type, rc);
  }
  // The message id of the main error, "" when there is none.
  std::string MainId() {
    MORError* main = nullptr;
    EXPECT_EQ(mngr.GetMainError(main), 0);
    if (main == nullptr)
      return "";
    std::string id = main->GetMsgId();
    main->Release();
    return id;
  }

  Recorder recorder;
  TOVErrorMngr mngr;
};

// Whether an error of type replacing takes the place of a main error of type main.
bool Replaces(int main, int replacing) {
  Recorder recorder;
  TOVErrorDisplay::SetGlobal(recorder);
  TOVErrorMngr mngr;
  TOVError* first =
      new TOVError("f", 1, None, Fixed("D"), None, static_cast<MORErrorType>(main), E_FAIL);
  TOVError* second =
      new TOVError("f", 1, None, Fixed("D"), None, static_cast<MORErrorType>(replacing), E_FAIL);
  mngr.DisplayAndKeepError(*first, 1);
  mngr.DisplayAndKeepError(*second, 1);
  MORError* kept = nullptr;
  mngr.GetMainError(kept);
  bool replaced = kept == second;
  kept->Release();
  first->Release();
  second->Release();
  return replaced && recorder.shown.size() == 2;
}

} // namespace

TEST_F(ErrorMngr, SuccessCodeDisplaysNothing) {
  EXPECT_EQ(mngr.ReturnSuccessOrError(), 0);
  EXPECT_EQ(mngr.GetMainErrorReturnCode(), 0);
  Raise(MORWarning, "0001");
  mngr.DisplayAndKeepError(0, 1);
  EXPECT_TRUE(recorder.shown.empty());
  EXPECT_EQ(MainId(), "");
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr); // the pending one is forgotten
}

TEST_F(ErrorMngr, KeepsTheMostSevereError) {
  mngr.DisplayAndKeepError(Raise(MORWarning, "0003"), 1);
  mngr.DisplayAndKeepError(Raise(MORInformation, "0004"), 1);
  EXPECT_EQ(MainId(), "0003");
  mngr.DisplayAndKeepError(Raise(MORCriticalError, "0001"), 1);
  EXPECT_EQ(MainId(), "0001");
  EXPECT_EQ(recorder.ids, (std::vector<std::string>{"0003", "0004", "0001"}));
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);
  mngr.DisplayAndKeepError(Raise(MORInformation, "0044"), 0); // no comparison: replaced
  EXPECT_EQ(MainId(), "0044");

  // An error that is already the main one is only displayed again.
  TOVError* error =
      new TOVError("f", 1, None, Fixed("D", "TOVBC", "0005"), None, MORWarning, E_FAIL);
  mngr.DisplayAndKeepError(*error, 0);
  mngr.DisplayAndKeepError(*error, 0);
  EXPECT_EQ(recorder.shown.size(), 6u);
  EXPECT_EQ(error->GetRefCount(), 2); // ours and the manager's, once
  error->Release();
}

TEST(ErrorMngrSeverity, FollowsTheSeverityTable) {
  // Rows: main type 0..5; columns: new type 0..5. 1 means the new error replaces it.
  const int table[6][6] = {
      {0, 0, 0, 0, 0, 0}, // unknown main type: never replaced
      {1, 0, 1, 0, 0, 1}, // critical
      {0, 0, 0, 0, 0, 0}, // fatal
      {1, 1, 1, 0, 0, 1}, // warning
      {1, 1, 1, 1, 0, 1}, // information
      {0, 0, 0, 0, 0, 0}, // unknown main type
  };
  for (int main = 0; main < 6; ++main)
    for (int replacing = 0; replacing < 6; ++replacing)
      EXPECT_EQ(Replaces(main, replacing), table[main][replacing] == 1)
          << "main " << main << " new " << replacing;
  MORCleanLastError();
}

TEST_F(ErrorMngr, FailureWithoutPendingErrorShowsMessage0100) {
  mngr.DisplayAndKeepError(E_FAIL, 1);
  MORError* main = nullptr;
  mngr.GetMainError(main);
  ASSERT_NE(main, nullptr);
  EXPECT_STREQ(main->GetMsgId(), "0100");
  EXPECT_EQ(main->GetType(), MORCriticalError);
  main->Release();

  TOVErrorMngr other;
  other.DisplayAndKeepError(4, 1);
  EXPECT_EQ(other.GetMainErrorReturnCode(), 4);
  other.GetMainError(main);
  EXPECT_EQ(main->GetType(), MORWarning);
  main->Release();
  EXPECT_EQ(recorder.ids, (std::vector<std::string>{"0100", "0100"}));
}

TEST_F(ErrorMngr, ForgettingLeavesTheMainError) {
  mngr.DisplayAndKeepError(Raise(MORInformation, "0006"), 1);
  long rc = Raise(MORFatalError, "0007");
  mngr.DisplayAndForgetError(rc);
  EXPECT_EQ(MainId(), "0006");
  EXPECT_EQ(MORGetLastError(rc, nullptr), nullptr);
  TOVError error("f", 1, None, Fixed("D", "TOVBC", "0008"), None, MORFatalError, E_FAIL);
  Raise(MORWarning, "0009");
  mngr.DisplayAndForgetError(error);
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);
  EXPECT_EQ(MainId(), "0006");
  EXPECT_EQ(recorder.ids, (std::vector<std::string>{"0006", "0007", "0008"}));
}

TEST_F(ErrorMngr, FinalStatusIsTheMainErrorsCode) {
  mngr.DisplayAndKeepError(Raise(MORWarning, "0010", 3), 1);
  mngr.DisplayAndKeepError(Raise(MORCriticalError, "0012", E_INVALIDARG), 1);
  long rc = mngr.ReturnSuccessOrError();
  EXPECT_EQ(rc, E_INVALIDARG);
  MORError* pending = MORGetLastError(rc, nullptr);
  ASSERT_NE(pending, nullptr);
  EXPECT_STREQ(pending->GetMsgId(), "0012");
  pending->Release();
  EXPECT_EQ(mngr.ReturnSuccessOrError(), E_INVALIDARG); // repeatable
  MORCleanLastError();

  TOVError* chosen =
      new TOVError("f", 1, None, Fixed("D", "TOVBC", "0014"), None, MORInformation, 2);
  EXPECT_EQ(mngr.SetMainError(chosen), 0);
  EXPECT_EQ(mngr.SetMainError(chosen), 0);
  EXPECT_EQ(chosen->GetRefCount(), 2); // held once
  EXPECT_EQ(mngr.GetMainErrorReturnCode(), 2);
  EXPECT_EQ(mngr.SetMainError(nullptr), 0);
  EXPECT_EQ(chosen->GetRefCount(), 1);
  EXPECT_EQ(mngr.ReturnSuccessOrError(), 0);
  chosen->Release();
}

TEST(ErrorMngrFatalDeathTest, NeedsAGlobalDisplay) {
  TOVGlobalObjectCleaner cleaner;
  TOVErrorMngr mngr;
  EXPECT_FATAL(mngr.DisplayAndKeepError(E_FAIL, 1),
               "A global object displayer should have been set");
}
