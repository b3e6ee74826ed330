// Behaviour of the options, the length managers and the value splitter: names, message
// texts, argument counts, checks and their catalog errors.
#include "CmdLnTestSupport.h"
#include "MORError.h"
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptMultiArgElementLengthMngr.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVCmdLnOptOneArgConvToStringAndInt.h"
#include "TOVCmdLnOptOneArgLengthMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVVector.h"

#include <string>

using namespace cmdtest;

namespace {

const TOVParamNLSMsgBldrRfHndlr kNoUsage;

Words Names(const TOVCmdLnOpt& option) {
  Words out;
  const TOVVector& names = option.GetNameSet();
  for (int i = 0; i < names.Size(); ++i)
    out.push_back(static_cast<const char*>(*static_cast<const TOVString*>(names[i])));
  return out;
}

/// The parameters of a catalog builder.
Words Params(const TOVParamNLSMsgBldrRfHndlr& builder) {
  Words out;
  const auto* ctlg = static_cast<const TOVParamNLSMsgBldrCtlg*>(builder.Get());
  for (int i = 0; i < ctlg->GetNbParameters(); ++i)
    out.push_back(Utf8(ctlg->GetParameter(i)));
  return out;
}

class CmdLnOptTest : public ::testing::Test {
protected:
  void TearDown() override { MORCleanLastError(); }
  // Iterators over the arguments use the shared comparators that the cleaner owns.
  TOVGlobalObjectCleaner cleaner_;
  TOVCmdLnAnalyzer analyzer_{"tool", kNoUsage};
};

} // namespace

TEST_F(CmdLnOptTest, NamesAreReadFromAlternativesSeparatedByBars) {
  TOVCmdLnOptNoArg output(analyzer_, "-o|-output", TOVCmdLnOptOptional, kNoUsage);
  TOVCmdLnOptNoArg leading(analyzer_, "|-i", TOVCmdLnOptOptional, kNoUsage);
  TOVCmdLnOptNoArg trailing(analyzer_, "-i|", TOVCmdLnOptOptional, kNoUsage);
  TOVCmdLnOptNoArg blanks(analyzer_, " \t-a b|  -c  extra |-d", TOVCmdLnOptOptional, kNoUsage);
  TOVCmdLnOptNoArg null(analyzer_, nullptr, TOVCmdLnOptOptional, kNoUsage);
  TOVCmdLnOptNoArg empty(analyzer_, "", TOVCmdLnOptOptional, kNoUsage);

  EXPECT_EQ(Names(output), (Words{"-o", "-output"}));
  EXPECT_EQ(Utf8(output.GetInternalNames()), "-o|-output");
  EXPECT_FALSE(output.IsAssociatedWithCommand());
  EXPECT_EQ(Names(leading), (Words{"", "-i"}));
  EXPECT_EQ(Names(trailing), (Words{"-i", ""}));
  for (const TOVCmdLnOpt* option : {&leading, &trailing}) {
    EXPECT_EQ(Utf8(option->GetInternalNames()), "-i");
    EXPECT_TRUE(option->IsAssociatedWithCommand());
  }
  EXPECT_EQ(Names(blanks), (Words{"-a", "-c", "-d"}));
  EXPECT_EQ(Utf8(blanks.GetInternalNames()), "-a|-c|-d");
  for (const TOVCmdLnOpt* option : {&null, &empty}) {
    EXPECT_EQ(Names(*option), Words{""});
    EXPECT_EQ(Utf8(option->GetInternalNames()), "");
    EXPECT_TRUE(option->IsAssociatedWithCommand());
  }
  EXPECT_EQ(analyzer_.GetOptionSet().Size(), 6);
  EXPECT_EQ(&output.GetCmdLnAnalyzer(), &analyzer_);
}

TEST_F(CmdLnOptTest, MessageTextsNameTheCommandForThePositionalOption) {
  TOVCmdLnOptNoArg output(analyzer_, "-o|-output", TOVCmdLnOptOptional, kNoUsage);
  TOVCmdLnOptNoArg positional(analyzer_, "", TOVCmdLnOptOptional, kNoUsage);
  TOVCmdLnOptNoArg named(analyzer_, "|-i", TOVCmdLnOptOptional, kNoUsage);

  EXPECT_EQ(Utf8(output.GetNamesOrCommandNameForMsg("x")), "-o|-output \"x\"");
  EXPECT_EQ(Utf8(output.GetCommandNameAndNamesForMsg("x")), "tool -o|-output \"x\"");
  EXPECT_EQ(Utf8(output.GetCommandNameAndNamesForMsg(nullptr)), "tool -o|-output");
  EXPECT_EQ(Utf8(positional.GetNamesOrCommandNameForMsg("x")), "tool \"x\"");
  EXPECT_EQ(Utf8(positional.GetCommandNameAndNamesForMsg("x")), "tool \"x\"");
  EXPECT_EQ(Utf8(named.GetNamesOrCommandNameForMsg(nullptr)), "tool [-i]");
  EXPECT_EQ(Utf8(named.GetCommandNameAndNamesForMsg("")), "tool [-i] \"\"");

  MORUnicodeString text;
  TOVCmdLnOpt::ConcatArgumentForMsg(text, "a b");
  EXPECT_EQ(Utf8(text), "\"a b\"") << "no blank before the first piece";
  TOVCmdLnOpt::ConcatArgumentForMsg(text, nullptr);
  EXPECT_EQ(Utf8(text), "\"a b\"");
}

TEST_F(CmdLnOptTest, UsageBuildersGetTheNamesAndTheCommand) {
  TOVParamNLSMsgBldrRfHndlr shortUsage = TovbcMsg("0006");
  TOVCmdLnAnalyzer analyzer("cmd", shortUsage);
  TOVParamNLSMsgBldrRfHndlr usage = TovbcMsg("0101");
  TOVCmdLnOptNoArg verbose(analyzer, " -v |-verbose", TOVCmdLnOptOptional, usage);
  EXPECT_EQ(Params(usage), Words{" -v |-verbose"}) << "the names exactly as given";
  TOVCmdLnHelpMngr help(analyzer, shortUsage.Get(), TOVNLSMsgBldrRfHndlr());
  EXPECT_EQ(Params(shortUsage), (Words{"cmd", "-h|-help|-?"}));
  EXPECT_EQ(Utf8(analyzer.GetHShortUsageBldr()->Build()),
            CatalogText("0006", {"cmd", "-h|-help|-?"}) + " !!! Wrong message TOVBC - 0006: 2 "
                                                          "parameters instead of 3 !!!");
  EXPECT_EQ(Utf8(help.GetHelpOpt().GetHUsageBldr()->Build()), CatalogText("0101", {"-h|-help|-?"}));
  EXPECT_TRUE(help.GetHelpOpt().IsHelpOption());
  EXPECT_EQ(analyzer.GetOptMngrSet().Size(), 1);
}

TEST_F(CmdLnOptTest, OptionWithoutArgumentRefusesEveryArgument) {
  TOVCmdLnOptNoArg verbose(analyzer_, "-v", TOVCmdLnOptOptional, kNoUsage);
  EXPECT_FALSE(verbose.AcceptsOneMoreArgument());
  EXPECT_FALSE(verbose.IsTheLastOption());
  ExpectCmdLnError(verbose.AddArgument("x"), "tool -v \"x\"", "0003", {"-v"});
}

TEST_F(CmdLnOptTest, OneArgumentOptionStoresOneValueAndChecksItWasGiven) {
  TOVString value("previous");
  TOVCmdLnOptOneArg output(analyzer_, "-o", TOVCmdLnOptOptional, kNoUsage, value, 1);
  EXPECT_EQ(output.Check(), 0) << "not given: nothing to check";
  output.SetToDefined();
  ExpectCmdLnError(output.Check(), "tool -o", "0004", {"-o"});
  EXPECT_EQ(output.AddArgument("a"), 0);
  EXPECT_EQ(std::string(output.GetArgument()), "a");
  EXPECT_EQ(&output.GetArgument(), &value);
  EXPECT_FALSE(output.AcceptsOneMoreArgument());
  ExpectCmdLnError(output.AddArgument("b"), "tool -o \"b\"", "0009", {"-o"});
  EXPECT_EQ(output.Check(), 0);
  output.Reset();
  EXPECT_FALSE(output.IsDefined());
  EXPECT_FALSE(output.ArgumentIsAdded());
  EXPECT_EQ(std::string(value), "a") << "the caller's string keeps the last value";

  TOVString flag;
  TOVCmdLnOptOneArg optionalValue(analyzer_, "-f", TOVCmdLnOptMandatory, kNoUsage, flag, 0);
  ExpectCmdLnError(optionalValue.Check(), "tool -f", "0002", {"-f"});
  optionalValue.SetToDefined();
  EXPECT_EQ(optionalValue.Check(), 0) << "the value is not required";
}

TEST_F(CmdLnOptTest, MultiArgumentRefusalsFollowTheBounds) {
  struct Case {
    int minimum, maximum;
    const char* msgId;
    Words params;
  };
  const Case cases[] = {{1, 1, "0009", {"-m"}},       {2, 2, "0010", {"-m", "2"}},
                        {0, 0, "0010", {"-m", "0"}},  {0, 2, "0012", {"-m", "2"}},
                        {-5, 1, "0012", {"-m", "1"}}, {1, 2, "0011", {"-m", "1", "2"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum));
    TOVVector args(TOVContainerReleaseAtDelete);
    TOVCmdLnOptMultiArg multi(analyzer_, "-m", TOVCmdLnOptOptional, kNoUsage, args, c.minimum,
                              c.maximum, 0);
    for (int i = 0; i < c.maximum; ++i)
      EXPECT_EQ(multi.AddArgument("v"), 0);
    ExpectCmdLnError(multi.AddArgument("w"), "tool -m \"w\"", c.msgId, c.params);
    EXPECT_EQ(args.Size(), c.maximum);
    EXPECT_EQ(multi.GetCount(), c.maximum);
  }
}

TEST_F(CmdLnOptTest, MultiArgumentCountCheckFollowsTheBounds) {
  struct Case {
    int minimum, maximum, given;
    const char* msgId; // null: the check passes
    Words params;
  };
  const Case cases[] = {{1, 1, 0, "0004", {"-m"}},
                        {2, 2, 1, "0005", {"-m", "2"}},
                        {2, 4, 1, "0006", {"-m", "2", "4"}},
                        {3, -1, 2, "0007", {"-m", "3"}},
                        {3, -1, 3, nullptr, {}},
                        {2, 4, 4, nullptr, {}},
                        {0, -1, 0, nullptr, {}},
                        {0, -1, 1000, nullptr, {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.minimum) + ".." + std::to_string(c.maximum) + " given " +
                 std::to_string(c.given));
    TOVVector args(TOVContainerReleaseAtDelete);
    TOVCmdLnOptMultiArg multi(analyzer_, "-m", TOVCmdLnOptOptional, kNoUsage, args, c.minimum,
                              c.maximum, 0);
    EXPECT_EQ(multi.Check(), 0) << "not given: no count check";
    multi.SetToDefined();
    for (int i = 0; i < c.given; ++i)
      ASSERT_EQ(multi.AddArgument("v"), 0);
    if (c.msgId == nullptr)
      EXPECT_EQ(multi.Check(), 0);
    else
      ExpectCmdLnError(multi.Check(), "tool -m", c.msgId, c.params);
  }
  // A count above the maximum can only come from before a Reset... of another option: the
  // "no minimum" case is reached through a positional option that cannot refuse.
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(analyzer_, "", TOVCmdLnOptOptional, kNoUsage, args, 0, 1, 0);
  positional.SetToDefined();
  EXPECT_EQ(positional.AddArgument("a"), 0);
  ExpectCmdLnError(positional.AddArgument("b"), "tool \"b\"", "0012", {"tool", "1"});
}

TEST_F(CmdLnOptTest, MultiArgumentGivesOneNewStringPerArgumentToTheContainer) {
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg multi(analyzer_, "-m", TOVCmdLnOptOptional, kNoUsage, args, 0, -1, 1);
  EXPECT_TRUE(multi.IsTheLastOption());
  EXPECT_EQ(multi.AddArgument("a"), 0);
  EXPECT_EQ(multi.AddArgument("a"), 0);
  ASSERT_EQ(args.Size(), 2);
  EXPECT_NE(args[0], args[1]);
  EXPECT_EQ(&multi.GetArgumentSet(), &args);
  multi.Reset();
  EXPECT_EQ(multi.GetCount(), 0);
  EXPECT_EQ(args.Size(), 2);
}

TEST_F(CmdLnOptTest, LengthManagersCheckValuesWithTheOptionUsageAsAdvice) {
  TOVString value;
  TOVParamNLSMsgBldrRfHndlr usage = TovbcMsg("0101");
  TOVCmdLnOptOneArg name(analyzer_, "-n", TOVCmdLnOptOptional, usage, value, 1);
  TOVCmdLnOptOneArgLengthMngr atLeast3(analyzer_, name, 3, -1);
  EXPECT_EQ(atLeast3.Check(), 0) << "no value: not checked";
  ASSERT_EQ(name.AddArgument("ab"), 0);
  SeenError seen = ExpectCmdLnError(atLeast3.Check(), "tool -n \"ab\"", "0019", {"ab", "2", "3"});
  EXPECT_EQ(seen.adviceBldr, usage.Get());
  EXPECT_EQ(&atLeast3.GetCmdLnAnalyzer(), &analyzer_);

  TOVCmdLnOptOneArgLengthMngr exactly2(analyzer_, name, 2, 2);
  EXPECT_EQ(exactly2.Check(), 0);
  TOVCmdLnOptOneArgLengthMngr exactly4(analyzer_, name, 4, 4);
  ExpectCmdLnError(exactly4.Check(), "tool -n \"ab\"", "0020", {"ab", "2", "4"});
  TOVCmdLnOptOneArgLengthMngr oneOrNone(analyzer_, name, 0, 1);
  ExpectCmdLnError(oneOrNone.Check(), "tool -n \"ab\"", "0016", {"ab", "2", "0", "1"});

  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg files(analyzer_, "", TOVCmdLnOptOptional, kNoUsage, args, 0, -1, 0);
  TOVCmdLnOptMultiArgElementLengthMngr elements(analyzer_, files, 1, 3);
  EXPECT_EQ(elements.Check(), 0) << "no element";
  for (const char* word : {"a", "abc", "", "abcd"})
    ASSERT_EQ(files.AddArgument(word), 0);
  // The first element out of bounds is reported.
  ExpectCmdLnError(elements.Check(), "tool \"\"", "0016", {"", "0", "1", "3"});
}

TEST_F(CmdLnOptTest, ManagersRunThroughTheAnalyzerAfterTheOptions) {
  TOVString value;
  TOVCmdLnOptOneArg name(analyzer_, "-n", TOVCmdLnOptMandatory, kNoUsage, value, 1);
  TOVCmdLnOptOneArgLengthMngr length(analyzer_, name, 2, 8);
  ExpectCmdLnError(Analyze(analyzer_, {}), "tool -n", "0002", {"-n"});
  analyzer_.Reset();
  ExpectCmdLnError(Analyze(analyzer_, {"-n", "abcdefghi"}), "tool -n \"abcdefghi\"", "0016",
                   {"abcdefghi", "9", "2", "8"});
  analyzer_.Reset();
  EXPECT_EQ(Analyze(analyzer_, {"-n", "abcdefgh"}), 0);
}

TEST_F(CmdLnOptTest, ConvertSplitsAtTheLastSeparator) {
  TOVString value;
  TOVParamNLSMsgBldrRfHndlr usage = TovbcMsg("0101");
  TOVCmdLnOptOneArg host(analyzer_, "-host", TOVCmdLnOptOptional, usage, value, 1);
  TOVCmdLnOptOneArgConvToStringAndInt converter(host);
  struct Case {
    const char* value;
    const char* text;
    int number;
  };
  const Case good[] = {{"host:42", "host", 42},
                       {"a:b:7", "a:b", 7},
                       {":7", "", 7},
                       {"h: -12", "h", -12},
                       {"h:+2147483647", "h", 2147483647},
                       {"h:-2147483648", "h", -2147483647 - 1}};
  for (const Case& c : good) {
    SCOPED_TRACE(c.value);
    host.Reset();
    ASSERT_EQ(host.AddArgument(c.value), 0);
    TOVString text("old");
    int number = -1;
    EXPECT_EQ(converter.Convert(':', text, number), 0);
    EXPECT_EQ(std::string(text), c.text);
    EXPECT_EQ(number, c.number);
  }
}

TEST_F(CmdLnOptTest, ConvertFailsOnMissingSeparatorOrBadNumber) {
  TOVString value;
  TOVParamNLSMsgBldrRfHndlr usage = TovbcMsg("0101");
  TOVCmdLnOptOneArg host(analyzer_, "-host", TOVCmdLnOptOptional, usage, value, 1);
  TOVCmdLnOptOneArgConvToStringAndInt converter(host);

  ASSERT_EQ(host.AddArgument("nocolon"), 0);
  TOVString text;
  int number = 5;
  SeenError seen = ExpectCmdLnError(converter.Convert(':', text, number), "tool -host \"nocolon\"",
                                    "0018", {"nocolon", ":"});
  EXPECT_EQ(seen.adviceBldr, usage.Get());
  EXPECT_EQ(std::string(text), "nocolon");
  EXPECT_EQ(number, 5) << "the number is not touched";

  // Beyond the range of int (though within a 64-bit long), trailing characters, nothing.
  for (const char* bad : {"x:", "x:12a", "x:99999999999999999999", "x:2147483648", "x: ", "x:+"}) {
    SCOPED_TRACE(bad);
    host.Reset();
    ASSERT_EQ(host.AddArgument(bad), 0);
    std::string integerPart = std::string(bad).substr(2);
    ExpectCmdLnError(converter.Convert(':', text, number),
                     std::string("tool -host \"") + bad + "\"", "0015", {integerPart});
    EXPECT_EQ(std::string(text), "x");
  }
  // The converter may write the text into the option's own string.
  host.Reset();
  ASSERT_EQ(host.AddArgument("name:3"), 0);
  EXPECT_EQ(converter.Convert(':', value, number), 0);
  EXPECT_EQ(std::string(value), "name");
  EXPECT_EQ(number, 3);
}
