#include "CmdLnTestSupport.h"
#include "TOVEnvironmentVariableChecker.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVInputGuiMergingModeChecker.h"
#include "TOVInputPrefixedValueChecker.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVRaiseError.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

using cmdtest::SeenError;
using cmdtest::TakeError;
using cmdtest::Words;

namespace {

TOVNLSMsgBldrRfHndlr Text(const char* text) {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVNLSMsgBldrFromString(text, "T", "0"));
}

/// Prefixes "L" (1 to 8 characters), "N" (exactly 3) and "M" (at least 2).
class PrefixedValueTest : public ::testing::Test {
protected:
  PrefixedValueTest() : _Prefixes(TOVContainerNothingAtDelete) {
    _Prefixes.Add(&_L, 0);
    _Prefixes.Add(&_N, 0);
    _Prefixes.Add(&_M, 0);
  }

  /// Checks input; on success "=" prefix code ":" value, else the diagnostic.
  std::string Check(const TOVInputPrefixedValueChecker& checker, const char* input,
                    Words* advice = nullptr) {
    const TOVInputValuePrefix* prefix = &_M; // must be replaced
    TOVString value("stale");
    long rc = checker.Check(input, prefix, value, _Request);
    if (rc == 0)
      return "=" + std::string(prefix != nullptr ? prefix->GetCode() : "(none)") + ":" +
             static_cast<const char*>(value);
    SeenError seen = TakeError(rc);
    EXPECT_EQ(seen.rc, E_FAIL);
    EXPECT_EQ(seen.request, Words{"0100"});
    if (advice != nullptr)
      *advice = seen.adviceMessage;
    std::string summary;
    for (const std::string& word : seen.diagnostic)
      summary += (summary.empty() ? "" : " ") + word;
    return summary;
  }

  TOVGlobalObjectCleaner _Cleaner;
  TOVInputValuePrefix _L{"L", Text("Long"), 1, 8};
  TOVInputValuePrefix _N{"N", Text("Number"), 3, 3};
  TOVInputValuePrefix _M{"M", TOVNLSMsgBldrRfHndlr(), 2, -1};
  TOVVector _Prefixes;
  TOVNLSMsgBldrRfHndlr _Request = TOVCatalogMsg("TOVBC", "0100");
};

const char* const kPrefixLines = "L: Long, from 1 to 8 characters\n"
                                 "N: Number, exactly 3 characters\n"
                                 "M: , at least 2 characters\n";

} // namespace

TEST_F(PrefixedValueTest, RequiredPrefix) {
  TOVInputPrefixedValueChecker checker(_Prefixes, 0);
  const std::string longValue(100000, 'v');
  const std::pair<const char*, std::string> cases[] = {
      {"N:abc", "=N:abc"},
      {"N:a:b", "=N:a:b"},                   // only the first colon separates
      {"N:\xff\xfe\x80", "=N:\xff\xfe\x80"}, // lengths count bytes
      {"L:12345678", "=L:12345678"},
      {"N:ab", "0314 N:ab 2 3"},
      {"X:abc", "0313 X:abc X"},
      {"n:abc", "0313 n:abc n"}, // codes keep their case
      {"abc", "0310 abc"},
      {":abc", "0310 :abc"},
      {"", "0310 "},
      {"L:", "0317 L: 0 1 8"},
      {"L:123456789", "0317 L:123456789 9 1 8"},
      {"M:a", "0320 M:a 1 2"},
  };
  for (const auto& [input, expected] : cases)
    EXPECT_EQ(Check(checker, input), expected) << input;
  EXPECT_EQ(Check(checker, nullptr), "0310 ");
  EXPECT_EQ(Check(checker, ("M:" + longValue).c_str()), "=M:" + longValue);
  Words advice;
  EXPECT_EQ(Check(checker, ("L:" + longValue).c_str(), &advice),
            "0317 L:" + longValue + " 100000 1 8");
  EXPECT_EQ(advice, (Words{"0311", kPrefixLines}));
}

TEST_F(PrefixedValueTest, OptionalOrDefaultPrefix) {
  TOVInputPrefixedValueChecker optional(_Prefixes, 1);
  EXPECT_EQ(Check(optional, "D:\\temp"), "=(none):D:\\temp");
  EXPECT_EQ(Check(optional, "abc"), "=(none):abc");
  EXPECT_EQ(Check(optional, ":x"), "=(none)::x");
  Words advice;
  EXPECT_EQ(Check(optional, "N:ab", &advice), "0314 N:ab 2 3");
  EXPECT_EQ(advice, (Words{"0316", kPrefixLines}));

  TOVInputPrefixedValueChecker withDefault(_Prefixes, _N);
  EXPECT_EQ(Check(withDefault, "abc"), "=N:abc");
  EXPECT_EQ(Check(withDefault, ":xyz"), "=N:xyz");
  EXPECT_EQ(Check(withDefault, "L:ab"), "=L:ab");
  EXPECT_EQ(Check(withDefault, "abcd", &advice), "0314 abcd 4 3");
  EXPECT_EQ(advice, (Words{"0315", "N", kPrefixLines}));
  EXPECT_EQ(Check(withDefault, "D:\\temp"), "0313 D:\\temp D");

  TOVString prefix("old"), value("old");
  TOVInputPrefixedValueChecker::CutInputValue("a:b:c", prefix, value);
  EXPECT_STREQ(prefix, "a");
  EXPECT_STREQ(value, "b:c");
  TOVInputPrefixedValueChecker::CutInputValue(value, prefix, value); // value cut in place
  EXPECT_STREQ(prefix, "b");
  EXPECT_STREQ(value, "c");
}

TEST(InputChecker, MergingModes) {
  TOVGlobalObjectCleaner cleaner;
  TOVInputGuiMergingModeChecker checker;
  TOVNLSMsgBldrRfHndlr request = TOVCatalogMsg("TOVBC", "0100");
  auto check = [&](std::initializer_list<const char*> texts) {
    TOVVector values(TOVContainerDestroyAtDelete);
    for (const char* text : texts)
      values.Add(new TOVString(text), 0);
    long rc = checker.Check(values, request);
    if (rc == 0)
      return Words{"ok"};
    SeenError seen = TakeError(rc);
    EXPECT_EQ(seen.request, Words{"0100"});
    EXPECT_EQ(seen.advice, nullptr);
    return seen.diagnostic;
  };
  EXPECT_EQ(check({}), Words{"ok"});
  EXPECT_EQ(check({"1", "4", " 3", "2"}), Words{"ok"});
  EXPECT_EQ(check({"2", "5", "x"}), (Words{"0023", "5", "1|2|3|4"}));
  EXPECT_EQ(check({"0"}), (Words{"0023", "0", "1|2|3|4"}));
  EXPECT_EQ(check({""}), (Words{"0023", "0", "1|2|3|4"}));
  EXPECT_EQ(check({"1", "3x"}), (Words{"0023", "3", "1|2|3|4"}));
  EXPECT_EQ(check({"1:2"}), (Words{"0023", "1", "1|2|3|4"}));
  EXPECT_EQ(check({"-2"}), (Words{"0023", "-2", "1|2|3|4"}));
  EXPECT_EQ(check({"99999999999999"}), (Words{"0023", "2147483647", "1|2|3|4"}));
  EXPECT_EQ(check({"\xff\xfe"}), (Words{"0023", "0", "1|2|3|4"}));
}

TEST(InputChecker, EnvironmentVariables) {
  TOVGlobalObjectCleaner cleaner;
  const std::string base = "TOV_TEST_" + std::to_string(getpid()) + "_";
  const std::string set = base + "SET", empty = base + "EMPTY", unset = base + "UNSET";
  {
    TOVEnvironmentVariable writer(set.c_str());
    char value[] = "first";
    writer.Write(value);
    value[0] = 'X'; // the caller's buffer may change or go
    EXPECT_STREQ(writer.Read(0), "first");
  } // the writer is gone; the environment holds its own copy
  EXPECT_STREQ(std::getenv(set.c_str()), "first");

  TOVEnvironmentVariable reader(set.c_str()), blank(empty.c_str()), missing(unset.c_str());
  EXPECT_EQ(reader.Read(0), nullptr); // never asks the environment
  EXPECT_EQ(reader.IsEmpty(0), 1u);
  EXPECT_STREQ(reader.Read(1), "first");
  setenv(set.c_str(), "second", 1);
  EXPECT_STREQ(reader.Read(1), "first"); // known from then on, not read again
  EXPECT_EQ(reader.IsEmpty(1), 0u);
  blank.Write(nullptr);
  EXPECT_STREQ(std::getenv(empty.c_str()), "");
  EXPECT_EQ(blank.IsEmpty(0), 1u);
  EXPECT_EQ(missing.Read(1), nullptr);

  TOVNLSMsgBldrRfHndlr advice = Text("set them");
  TOVEnvironmentVariableChecker checker(advice);
  TOVEnvironmentVariable fresh(set.c_str()), freshBlank(empty.c_str()), freshMissing(unset.c_str());
  checker.Add(freshMissing);
  checker.Add(fresh);
  checker.Add(freshBlank);
  long rc = checker.ReadAndCheck();
  SeenError seen = TakeError(rc);
  EXPECT_EQ(rc, E_FAIL);
  EXPECT_EQ(seen.request, Words{"0150"});
  EXPECT_EQ(seen.diagnostic, (Words{"0151", unset + ", " + empty}));
  EXPECT_EQ(seen.advice, advice.Get());
  EXPECT_STREQ(fresh.Read(0), "second");

  TOVEnvironmentVariableChecker allSet(advice);
  allSet.Add(fresh);
  EXPECT_EQ(allSet.ReadAndCheck(), 0);
  unsetenv(set.c_str());
  unsetenv(empty.c_str());
}

TEST(InputCheckerDeathTest, VariableNames) {
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVEnvironmentVariable(""), "A variable name must be specified");
  EXPECT_FATAL(TOVEnvironmentVariable(nullptr), "A variable name must be specified");
  EXPECT_FATAL(TOVEnvironmentVariable("A=B").Write("v"), "putenv(A=B=v) failed");
}
