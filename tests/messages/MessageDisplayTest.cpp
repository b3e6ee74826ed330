#include "TOVCoupledMessageDisplay.h"
#include "TOVErrorDisplay.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayToISO8859Term.h"
#include "TOVMessageDisplayToOemTerm.h"
#include "TOVMessageDisplayToString.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"

using tovtest::Utf8;

namespace {

// Logs its tag with each message and each question for its error, which it gives.
class Recorder : public TOVMessageDisplay {
public:
  Recorder(std::string& log, const char* tag, MORError* error = nullptr, long rc = 0)
      : _Log(log), _Tag(tag), _pError(error), _Rc(rc) {}
  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override {
    _Log += _Tag + Utf8(msg) + (iNewLine != 0 ? ";" : "");
  }
  long GetDisplayError(MORError*& error, unsigned int iForget) override {
    _Log += _Tag + (iForget != 0 ? "forget;" : "ask;");
    error = _pError;
    return _Rc;
  }
  std::string& _Log;
  std::string _Tag;
  MORError* _pError;
  long _Rc;
};

} // namespace

TEST(MessageDisplayDeathTest, GlobalMustBeSetAndForgetsADeadDisplay) {
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        {
          TOVMessageDisplayToString gone;
          TOVMessageDisplay::SetGlobal(gone);
        }
        TOVMessageDisplay::GetGlobal();
      },
      "A global object displayer should have been set");
  TOVMessageDisplayToString display;
  TOVMessageDisplay::SetGlobal(display);
  TOVMessageDisplay::GetGlobal().Display("through the global", 0);
  EXPECT_EQ(Utf8(display.GetMessageW()), "through the global");
}

TEST(MessageDisplay, StringCollectsMessagesWithTheirLineEndsUntilCleared) {
  TOVMessageDisplayToString display;
  display.Display("a", 1);
  display.Display("b", 0);
  EXPECT_EQ(Utf8(display.GetMessageW()), "a\nb");
  display.Display("", 1);
  display.Display("\xC3\xA9t\xC3\xA9", 0);
  EXPECT_EQ(Utf8(display.GetMessageW()), "a\nb\n\xC3\xA9t\xC3\xA9");
  display.Clear();
  display.Display("again", 1);
  EXPECT_EQ(Utf8(display.GetMessageW()), "again\n");
  MORError* error = reinterpret_cast<MORError*>(&display);
  EXPECT_EQ(display.GetDisplayError(error, 1), 0);
  EXPECT_EQ(error, nullptr);
}

TEST(MessageDisplay, TerminalsWriteToStandardOutputInTheirCodePage) {
  TOVMessageDisplayToISO8859Term iso;
  TOVMessageDisplayToOemTerm oem;
  testing::internal::CaptureStdout();
  iso.Display("caf\xC3\xA9", 1);
  iso.Display("no end", 0);
  // e acute, pound sign, box corner; the euro sign has no form in code page 850.
  oem.Display("caf\xC3\xA9 \xC2\xA3\xE2\x94\x8C", 1);
  oem.Display("\xE2\x82\xAC", 0);
  oem.Display("", 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "caf\xC3\xA9\nno endcaf\x82 \x9C\xDA\n?\n");
}

TEST(MessageDisplay, CoupledShowsEveryMessageOnBothAndAsksTheFirstForErrorsFirst) {
  std::string log;
  Recorder one(log, "1:"), two(log, "2:"), three(log, "3:");
  TOVCoupledMessageDisplay inner(two, three);
  TOVCoupledMessageDisplay outer(one, inner);
  outer.Display("x", 1);
  outer.Display("y", 0);
  EXPECT_EQ(log, "1:x;2:x;3:x;1:y2:y3:y");

  MORError firstError(1), secondError(2);
  MORError* error = nullptr;
  Recorder withError(log = "", "1:", &firstError), failing(log, "2:", &secondError),
      byStatus(log, "3:", nullptr, E_FAIL);
  EXPECT_EQ(TOVCoupledMessageDisplay(one, failing).GetDisplayError(error, 1), 0);
  EXPECT_EQ(error, &secondError);
  EXPECT_EQ(TOVCoupledMessageDisplay(withError, failing).GetDisplayError(error, 0), 0);
  EXPECT_EQ(error, &firstError);
  EXPECT_EQ(TOVCoupledMessageDisplay(byStatus, failing).GetDisplayError(error, 0), E_FAIL);
  EXPECT_EQ(error, nullptr);
  EXPECT_EQ(log, "1:forget;2:forget;1:ask;3:ask;");
}
