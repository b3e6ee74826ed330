#include "TOVCoupledMessageDisplay.h"
#include "TOVErrorDisplay.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayInstall.h"
#include "TOVMessageDisplayToISO8859Term.h"
#include "TOVMessageDisplayToOemTerm.h"
#include "TOVMessageDisplayToString.h"
#include "TOVTestSupport.h"

#include <string>

namespace {

std::string Narrow(const MORUnicodeString& text) {
  return MORUnicodeString::EncodeUtf8(text, text.GetLengthInChar());
}

// A display that reports a fixed error and status, and records what it was asked.
class FailingDisplay : public TOVMessageDisplay {
public:
  FailingDisplay(MORError* error, long rc) : _pError(error), _Rc(rc) {}
  void Display(const MORUnicodeString&, unsigned int) override {}
  long GetDisplayError(MORError*& error, unsigned int iForget) override {
    error = _pError;
    _LastForget = iForget;
    ++_Asked;
    return _Rc;
  }
  MORError* _pError;
  long _Rc;
  unsigned int _LastForget = 0;
  int _Asked = 0;
};

} // namespace

TEST(MessageDisplay, GlobalMustBeSetAndForgetsADeadDisplay) {
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        TOVMessageDisplay::GetGlobal();
      },
      "A global object displayer should have been set");
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
  EXPECT_EQ(&TOVMessageDisplay::GetGlobal(), &display);
  TOVMessageDisplay::GetGlobal().Display("through the global", 0);
  EXPECT_EQ(Narrow(display.GetMessageW()), "through the global");
}

TEST(MessageDisplay, StringCollectsMessagesWithTheirLineEndsUntilCleared) {
  TOVMessageDisplayToString display;
  EXPECT_TRUE(display.GetMessageW().IsEmpty());
  display.Display("a", 1);
  display.Display("b", 0);
  EXPECT_EQ(Narrow(display.GetMessageW()), "a\nb");
  display.Display("", 1);
  display.Display("\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", 0);
  EXPECT_EQ(Narrow(display.GetMessageW()), "a\nb\n\xC3\xA9t\xC3\xA9 \xE2\x82\xAC");

  // The text handed out is a copy: later messages do not change it.
  MORUnicodeString before = display.GetMessageW();
  display.Clear();
  EXPECT_TRUE(display.GetMessageW().IsEmpty());
  EXPECT_EQ(before.GetLengthInChar(), 9);
  display.Display("again", 1);
  EXPECT_EQ(Narrow(display.GetMessageW()), "again\n");

  MORError* error = reinterpret_cast<MORError*>(&display);
  EXPECT_EQ(display.GetDisplayError(error, 1), 0);
  EXPECT_EQ(error, nullptr);
}

TEST(MessageDisplay, ISO8859TerminalWritesTheNarrowTextToStandardOutput) {
  TOVMessageDisplayToISO8859Term display;
  testing::internal::CaptureStdout();
  display.Display("first", 1);
  display.Display("no end", 0);
  display.Display("", 1);
  display.Display("caf\xC3\xA9", 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "first\nno end\ncaf\xC3\xA9\n");
  MORError* error = reinterpret_cast<MORError*>(&display);
  EXPECT_EQ(display.GetDisplayError(error, 0), 0);
  EXPECT_EQ(error, nullptr);
}

TEST(MessageDisplay, CoupledShowsEveryMessageOnBothInOrder) {
  TOVMessageDisplayToString first;
  TOVMessageDisplayToISO8859Term second;
  TOVCoupledMessageDisplay coupled(first, second);
  testing::internal::CaptureStdout();
  coupled.Display("one", 1);
  coupled.Display("two", 0);
  std::string terminal = testing::internal::GetCapturedStdout();
  EXPECT_EQ(Narrow(first.GetMessageW()), "one\ntwo");
  EXPECT_EQ(terminal, "one\ntwo");

  // Order: a coupled display over two coupled string displays writes first then second.
  TOVMessageDisplayToString log;
  TOVMessageDisplayToString shadow;
  TOVCoupledMessageDisplay inner(log, shadow);
  TOVCoupledMessageDisplay outer(inner, log);
  outer.Display("x", 0);
  EXPECT_EQ(Narrow(log.GetMessageW()), "xx");
  EXPECT_EQ(Narrow(shadow.GetMessageW()), "x");
}

TEST(MessageDisplay, CoupledGivesTheFirstDisplaysErrorBeforeTheSeconds) {
  MORError firstError(1);
  MORError secondError(2);
  MORError* error = nullptr;

  FailingDisplay quiet(nullptr, 0), failing(&secondError, 0);
  TOVCoupledMessageDisplay onlySecond(quiet, failing);
  EXPECT_EQ(onlySecond.GetDisplayError(error, 1), 0);
  EXPECT_EQ(error, &secondError);
  EXPECT_EQ(quiet._LastForget, 1u);
  EXPECT_EQ(failing._LastForget, 1u);

  FailingDisplay withError(&firstError, 0), other(&secondError, 0);
  TOVCoupledMessageDisplay both(withError, other);
  EXPECT_EQ(both.GetDisplayError(error, 0), 0);
  EXPECT_EQ(error, &firstError);
  EXPECT_EQ(other._Asked, 0);

  // A failure status without an error also stops the search.
  FailingDisplay status(nullptr, E_FAIL), unasked(&secondError, 0);
  TOVCoupledMessageDisplay byStatus(status, unasked);
  EXPECT_EQ(byStatus.GetDisplayError(error, 0), E_FAIL);
  EXPECT_EQ(error, nullptr);
  EXPECT_EQ(unasked._Asked, 0);
}

TEST(MessageDisplay, OemTerminalWritesCodePage850) {
  TOVMessageDisplayToOemTerm display;
  testing::internal::CaptureStdout();
  // e acute, pound sign, box corner; the euro sign has no form in code page 850.
  display.Display("caf\xC3\xA9 \xC2\xA3\xE2\x94\x8C", 1);
  display.Display("\xE2\x82\xAC", 0);
  display.Display("plain", 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "caf\x82 \x9C\xDA\n?plain\n");
}

TEST(MessageDisplay, InstallingTheTerminalDisplaysMakesThemGlobal) {
  TOVGlobalObjectCleaner cleaner;
  TOVMessageDisplay& iso = TOVSetGlobalMessageDisplayToTerm(0);
  EXPECT_EQ(&TOVMessageDisplay::GetGlobal(), &iso);
  EXPECT_STREQ(iso.IsA(), "TOVMessageDisplayToISO8859Term");
  TOVSetGlobalDisplaysToTerm(1);
  EXPECT_STREQ(TOVMessageDisplay::GetGlobal().IsA(), "TOVMessageDisplayToOemTerm");
  EXPECT_STREQ(TOVErrorDisplay::GetGlobal().IsA(), "TOVErrorDisplayToOemTerm");
  EXPECT_EQ(cleaner.GetCount(), 3);
}
