#include "MessagesTestSupport.h"
#include "TOVErrorDisplayInstall.h"
#include "TOVErrorDisplayToISO8859Term.h"
#include "TOVErrorDisplayToOemTerm.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVRaiseError.h"

#include <string>

using msgtest::Fixed;
using msgtest::None;

namespace {

// What a step wrote on each standard stream.
struct Shown {
  std::string out, err;
};
template <class Step> Shown Capture(Step step) {
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  step();
  std::string out = testing::internal::GetCapturedStdout();
  return {out, testing::internal::GetCapturedStderr()};
}

// An error of type with the three fixed texts (empty: no builder), diagnostic filed under
// catalog and id.
TOVError* Make(MORErrorType type, const char* request, const char* diagnostic, const char* advice,
               const char* catalog = "TOVBC", const char* id = "0201") {
  auto maybe = [](const char* text) { return *text ? Fixed(text) : None; };
  TOVNLSMsgBldrRfHndlr diagnosticBldr =
      *diagnostic || catalog != nullptr ? Fixed(diagnostic, catalog, id) : None;
  return new TOVError("src/F.cpp", 12, maybe(request), diagnosticBldr, maybe(advice), type, E_FAIL);
}

// What display shows for error, which is released.
Shown Show(TOVErrorDisplay&& display, TOVError* error) {
  Shown shown = Capture([&] { display.Display(*error); });
  error->Release();
  return shown;
}

} // namespace

TEST(ErrorDisplay, LaysOutEachTypeOnItsStream) {
  struct Case {
    MORErrorType type;
    const char *request, *diagnostic, *advice, *catalog, *id, *out, *err;
  } cases[] = {
      {MORCriticalError, "R", "D", "A", "TOVBC", "0201", "", "R\n#ERR# TOVBC - 0201: D\nA\n\n"},
      {MORFatalError, "", "D", "", "TOVBC", "0201", "",
       "#ERR# FATAL ERROR TOVBC - 0201 IN src/F.cpp AT LINE 12: D\n\n"},
      {MORWarning, "", "D", "", "TOVBC", "0201", "!WNG! TOVBC - 0201: D\n\n", ""},
      {MORInformation, "", "D", "A", "TOVBC", "0201", "D\nA\n\n", ""},
      {static_cast<MORErrorType>(7), "R", "D", "", "TOVBC", "0201", "R\nD\n\n", ""},
      // Without a diagnostic the header ends the line.
      {MORCriticalError, "", "", "", "", "", "", "#ERR# ... - ...\n\n"},
      {MORWarning, "R", "", "A", nullptr, nullptr, "R\n!WNG! ... - ...\nA\n\n", ""},
      {MORInformation, "", "", "", "TOVBC", "0201", "\n", ""},
  };
  for (const Case& c : cases) {
    Shown shown = Show(TOVErrorDisplayToISO8859Term(),
                       Make(c.type, c.request, c.diagnostic, c.advice, c.catalog, c.id));
    EXPECT_EQ(shown.out, c.out) << c.type << c.request << c.diagnostic;
    EXPECT_EQ(shown.err, c.err) << c.type << c.request << c.diagnostic;
  }
  TOVErrorDisplayToISO8859Term display;
  MORError plain(0);
  EXPECT_EQ(Capture([&] { display.Display(plain); }).err, "#ERR# ... - ...\n\n");
}

TEST(ErrorDisplay, OemTermWritesCodePage850) {
  MORUnicodeString text(u"caf\u00e9 \u20ac \U0001F600 \xD800x \u00fc");
  EXPECT_EQ(TOVErrorDisplayToOemTerm::ConvertToOem(text), "caf\x82 ? ? ?x \x81");
  const char16_t loneAtEnd[] = {u'a', 0xD83D, 0};
  EXPECT_EQ(TOVErrorDisplayToOemTerm::ConvertToOem(MORUnicodeString(loneAtEnd)), "a?");
  std::string longText(3000, 'x');
  longText += "\xE2\x82\xAC"; // past the conversion buffer
  EXPECT_EQ(TOVErrorDisplayToOemTerm::ConvertToOem(MORUnicodeString(longText.c_str())),
            std::string(3000, 'x') + "?");

  EXPECT_EQ(
      Show(TOVErrorDisplayToOemTerm(), Make(MORWarning, "", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", ""))
          .out,
      "!WNG! TOVBC - 0201: \x82t\x82 ?\n\n");
}

TEST(ErrorDisplayDeathTest, GlobalDisplayIsSetAndForgotten) {
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FALSE(TOVErrorDisplay::HasGlobal());
  EXPECT_FATAL(TOVErrorDisplay::GetGlobal(), "A global object displayer should have been set");

  TOVErrorDisplay& iso = TOVSetGlobalErrorDisplayToTerm(0);
  EXPECT_EQ(&TOVErrorDisplay::GetGlobal(), &iso);

  // A display that dies stops being global.
  TOVErrorDisplay* local = new TOVErrorDisplayToISO8859Term;
  TOVErrorDisplay::SetGlobal(*local);
  local->Release();
  EXPECT_FALSE(TOVErrorDisplay::HasGlobal());
  TOVErrorDisplay::SetGlobal(iso);
  // Deleting another display leaves the global one alone.
  (new TOVErrorDisplayToOemTerm)->Release();
  EXPECT_EQ(&TOVErrorDisplay::GetGlobal(), &iso);
}

TEST(ErrorDisplay, DisplayAndCleanLastErrorShowsThePendingOne) {
  TOVErrorDisplayToISO8859Term display;
  MORCleanLastError();
  long rc = TOV_RAISE_ERROR(None, Fixed("pending", "TOVBC", "0202"), None);
  EXPECT_EQ(Capture([&] { display.DisplayAndCleanLastError(rc); }).err,
            "#ERR# TOVBC - 0202: pending\n\n");
  EXPECT_EQ(MORGetLastError(rc, nullptr), nullptr);
  Shown none = Capture([&] { display.DisplayAndCleanLastError(0); });
  EXPECT_EQ(none.out + none.err, "");
  // A failure code without pending error still shows a message.
  std::string shown = Capture([&] { display.DisplayAndCleanLastError(3); }).out;
  EXPECT_EQ(shown.rfind("!WNG! TOVBC - 0100: ", 0), 0u) << shown;
  EXPECT_EQ(shown.find("!!!"), std::string::npos) << shown;
}
