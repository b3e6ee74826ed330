#include "MessagesTestSupport.h"
#include "TOVErrorDisplay.h"
#include "TOVErrorMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVRaiseError.h"

#include <string>
#include <vector>

using msgtest::Fixed;
using msgtest::None;
using Ids = std::vector<std::string>;

namespace {

// A global display that remembers the message id of each error it was asked to show.
class Recorder : public TOVErrorDisplay {
public:
  void Display(MORError& error) override {
    ids.push_back(error.GetMsgId() != nullptr ? error.GetMsgId() : "");
  }
  Ids ids;
};

// An error of type whose diagnostic id is id.
TOVError* Make(int type, const char* id = "0000", long rc = E_FAIL) {
  return new TOVError("f", 1, None, Fixed("D", "TOVBC", id), None, static_cast<MORErrorType>(type),
                      rc);
}

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
  // The message id and type of the main error of manager, "" when there is none.
  static std::string Main(TOVErrorMngr& manager) {
    MORError* main = nullptr;
    EXPECT_EQ(manager.GetMainError(main), 0);
    if (main == nullptr)
      return "";
    std::string id = main->GetMsgId() + std::string(" ") + std::to_string(main->GetType());
    main->Release();
    return id;
  }

  Recorder recorder;
  TOVErrorMngr mngr;
};

} // namespace

TEST_F(ErrorMngr, ANewErrorReplacesTheMainOneByTheSeverityTable) {
  // Rows: main type 0..5; columns: new type 0..5. 1 means the new error replaces it.
  const int table[6][6] = {
      {0, 0, 0, 0, 0, 0}, // unknown main type: never replaced
      {1, 0, 1, 0, 0, 1}, // critical
      {0, 0, 0, 0, 0, 0}, // fatal
      {1, 1, 1, 0, 0, 1}, // warning
      {1, 1, 1, 1, 0, 1}, // information
      {0, 0, 0, 0, 0, 0}, // unknown main type
  };
  for (int main = 0; main < 6; ++main) {
    for (int replacing = 0; replacing < 6; ++replacing) {
      TOVErrorMngr manager;
      TOVError *first = Make(main), *second = Make(replacing);
      manager.DisplayAndKeepError(*first, 1);
      manager.DisplayAndKeepError(*second, 1);
      MORError* kept = nullptr;
      manager.GetMainError(kept);
      EXPECT_EQ(kept == second, table[main][replacing] == 1) << main << " " << replacing;
      kept->Release();
      first->Release();
      second->Release();
    }
  }
  EXPECT_EQ(recorder.ids.size(), 72u) << "every error is displayed";
}

TEST_F(ErrorMngr, KeepsPendingErrorsDisplayedOnceAndForgetsThem) {
  // A success code displays nothing, and a pending error is forgotten with it.
  EXPECT_EQ(mngr.ReturnSuccessOrError(), 0);
  Raise(MORWarning, "0001");
  mngr.DisplayAndKeepError(0, 1);
  EXPECT_EQ(Main(mngr), "");
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);

  mngr.DisplayAndKeepError(Raise(MORWarning, "0003"), 1);
  mngr.DisplayAndKeepError(Raise(MORCriticalError, "0001"), 1);
  EXPECT_EQ(Main(mngr), "0001 1");
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);
  mngr.DisplayAndKeepError(Raise(MORInformation, "0044"), 0); // no comparison: replaced
  EXPECT_EQ(Main(mngr), "0044 4");
  // An error that is already the main one is only displayed again.
  TOVError* error = Make(MORWarning, "0005");
  mngr.DisplayAndKeepError(*error, 0);
  mngr.DisplayAndKeepError(*error, 0);
  EXPECT_EQ(error->GetRefCount(), 2); // ours and the manager's, once
  error->Release();
  // Forgetting displays without changing the main error.
  long rc = Raise(MORFatalError, "0007");
  mngr.DisplayAndForgetError(rc);
  EXPECT_EQ(MORGetLastError(rc, nullptr), nullptr);
  TOVError fatal("f", 1, None, Fixed("D", "TOVBC", "0008"), None, MORFatalError, E_FAIL);
  Raise(MORWarning, "0009");
  mngr.DisplayAndForgetError(fatal);
  EXPECT_EQ(MORGetLastError(E_FAIL, nullptr), nullptr);
  EXPECT_EQ(Main(mngr), "0005 3");
  EXPECT_EQ(recorder.ids, (Ids{"0003", "0001", "0044", "0005", "0005", "0007", "0008"}));

  // A failure code without pending error shows message 0100, critical when negative.
  TOVErrorMngr failed, warned;
  failed.DisplayAndKeepError(E_FAIL, 1);
  warned.DisplayAndKeepError(4, 1);
  EXPECT_EQ(Main(failed), "0100 1");
  EXPECT_EQ(Main(warned), "0100 3");
  EXPECT_EQ(warned.GetMainErrorReturnCode(), 4);
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

  TOVError* chosen = Make(MORInformation, "0014", 2);
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
