// The options, the length managers and the value splitter: names, message texts,
// argument counts, checks and their catalog errors.
#include "CmdLnTestSupport.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptMultiArgElementLengthMngr.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVCmdLnOptOneArgConvToStringAndInt.h"
#include "TOVCmdLnOptOneArgLengthMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVVector.h"

using namespace cmdtest;

namespace {

Words Names(const TOVCmdLnOpt& option) {
  Words out{Utf8(option.GetInternalNames()), option.IsAssociatedWithCommand() ? "pos" : "-"};
  Words names = Strings(option.GetNameSet());
  out.insert(out.end(), names.begin(), names.end());
  return out;
}

class CmdLnOptTest : public ::testing::Test {
protected:
  void TearDown() override { MORCleanLastError(); }
  TOVGlobalObjectCleaner cleaner_; // iterators use the shared comparators that it owns
  TOVCmdLnAnalyzer tool_{"tool", kNone};
};

} // namespace

TEST_F(CmdLnOptTest, NamesAndTheirMessageTexts) {
  const std::pair<const char*, Words> declarations[] = {
      {"-o|-output", {"-o|-output", "-", "-o", "-output"}},
      {"|-i", {"-i", "pos", "", "-i"}},
      {"-i|", {"-i", "pos", "-i", ""}},
      {" \t-a b|  -c  extra |-d", {"-a|-c|-d", "-", "-a", "-c", "-d"}},
      {"", {"", "pos", ""}},
      {nullptr, {"", "pos", ""}}};
  for (const auto& [text, names] : declarations)
    EXPECT_EQ(Names(TOVCmdLnOptNoArg(tool_, text, TOVCmdLnOptOptional, kNone)), names);

  TOVCmdLnOptNoArg output(tool_, "-o|-output", TOVCmdLnOptOptional, kNone);
  TOVCmdLnOptNoArg positional(tool_, "", TOVCmdLnOptOptional, kNone);
  TOVCmdLnOptNoArg named(tool_, "|-i", TOVCmdLnOptOptional, kNone);
  EXPECT_EQ(Utf8(output.GetNamesOrCommandNameForMsg("x")), "-o|-output \"x\"");
  EXPECT_EQ(Utf8(output.GetCommandNameAndNamesForMsg("x")), "tool -o|-output \"x\"");
  EXPECT_EQ(Utf8(output.GetCommandNameAndNamesForMsg(nullptr)), "tool -o|-output");
  EXPECT_EQ(Utf8(positional.GetNamesOrCommandNameForMsg("x")), "tool \"x\"");
  EXPECT_EQ(Utf8(positional.GetCommandNameAndNamesForMsg("x")), "tool \"x\"");
  EXPECT_EQ(Utf8(named.GetCommandNameAndNamesForMsg("")), "tool [-i] \"\"");
  MORUnicodeString text;
  TOVCmdLnOpt::ConcatArgumentForMsg(text, "a b");
  TOVCmdLnOpt::ConcatArgumentForMsg(text, nullptr);
  EXPECT_EQ(Utf8(text), "\"a b\"") << "no blank before the first piece";
}

TEST_F(CmdLnOptTest, OptionsRefuseArgumentsBeyondTheirBounds) {
  TOVCmdLnOptNoArg verbose(tool_, "-v", TOVCmdLnOptOptional, kNone);
  ExpectCmdLnError(verbose.AddArgument("x"), "tool -v \"x\"", {"0003", "-v"});
  TOVString value("previous");
  TOVCmdLnOptOneArg output(tool_, "-o", TOVCmdLnOptOptional, kNone, value, 1);
  EXPECT_EQ(output.AddArgument("a"), 0);
  ExpectCmdLnError(output.AddArgument("b"), "tool -o \"b\"", {"0009", "-o"});
  EXPECT_EQ(std::string(value), "a");

  const std::pair<std::pair<int, int>, Words> refusals[] = {{{1, 1}, {"0009", "-m"}},
                                                            {{2, 2}, {"0010", "-m", "2"}},
                                                            {{0, 0}, {"0010", "-m", "0"}},
                                                            {{-5, 1}, {"0012", "-m", "1"}},
                                                            {{1, 2}, {"0011", "-m", "1", "2"}}};
  for (const auto& [bounds, diagnostic] : refusals) {
    TOVVector args(TOVContainerReleaseAtDelete);
    TOVCmdLnOptMultiArg multi(tool_, "-m", TOVCmdLnOptOptional, kNone, args, bounds.first,
                              bounds.second, 0);
    for (int i = 0; i < bounds.second; ++i)
      EXPECT_EQ(multi.AddArgument("v"), 0);
    ExpectCmdLnError(multi.AddArgument("w"), "tool -m \"w\"", diagnostic);
    EXPECT_EQ(args.Size(), bounds.second);
  }
}

TEST_F(CmdLnOptTest, ChecksOfGivenOptionsAndTheirValues) {
  TOVString value, flag;
  TOVCmdLnOptOneArg output(tool_, "-o", TOVCmdLnOptOptional, kNone, value, 1);
  TOVCmdLnOptOneArg optionalValue(tool_, "-f", TOVCmdLnOptMandatory, kNone, flag, 0);
  EXPECT_EQ(output.Check(), 0) << "not given: nothing to check";
  ExpectCmdLnError(optionalValue.Check(), "tool -f", {"0002", "-f"});
  output.SetToDefined();
  optionalValue.SetToDefined();
  ExpectCmdLnError(output.Check(), "tool -o", {"0004", "-o"});
  EXPECT_EQ(optionalValue.Check(), 0) << "its value is not required";

  struct Case {
    int minimum, maximum, given;
    Words diagnostic; // empty: the check passes
  };
  const Case cases[] = {{1, 1, 0, {"0004", "-m"}},
                        {2, 2, 1, {"0005", "-m", "2"}},
                        {2, 4, 1, {"0006", "-m", "2", "4"}},
                        {3, -1, 2, {"0007", "-m", "3"}},
                        {3, -1, 3, {}},
                        {0, -1, 0, {}},
                        {0, -1, 1000, {}}};
  for (const Case& c : cases) {
    TOVVector args(TOVContainerReleaseAtDelete);
    TOVCmdLnOptMultiArg multi(tool_, "-m", TOVCmdLnOptOptional, kNone, args, c.minimum, c.maximum,
                              0);
    EXPECT_EQ(multi.Check(), 0) << "not given: no count check";
    multi.SetToDefined();
    for (int i = 0; i < c.given; ++i)
      ASSERT_EQ(multi.AddArgument("v"), 0);
    if (c.diagnostic.empty())
      EXPECT_EQ(multi.Check(), 0);
    else
      ExpectCmdLnError(multi.Check(), "tool -m", c.diagnostic);
  }
}

TEST_F(CmdLnOptTest, LengthManagersCheckValuesWithTheOptionUsageAsAdvice) {
  TOVString value;
  TOVParamNLSMsgBldrRfHndlr usage = TovbcMsg("0101");
  TOVCmdLnOptOneArg name(tool_, "-n", TOVCmdLnOptOptional, usage, value, 1);
  TOVCmdLnOptOneArgLengthMngr atLeast3(tool_, name, 3, -1);
  TOVCmdLnOptOneArgLengthMngr exactly2(tool_, name, 2, 2);
  TOVCmdLnOptOneArgLengthMngr exactly4(tool_, name, 4, 4);
  TOVCmdLnOptOneArgLengthMngr upTo1(tool_, name, 0, 1);
  EXPECT_EQ(atLeast3.Check(), 0) << "no value: not checked";
  ASSERT_EQ(name.AddArgument("ab"), 0);
  SeenError seen = ExpectCmdLnError(atLeast3.Check(), "tool -n \"ab\"", {"0019", "ab", "2", "3"});
  EXPECT_EQ(seen.advice, usage.Get());
  EXPECT_EQ(exactly2.Check(), 0);
  ExpectCmdLnError(exactly4.Check(), "tool -n \"ab\"", {"0020", "ab", "2", "4"});
  ExpectCmdLnError(upTo1.Check(), "tool -n \"ab\"", {"0016", "ab", "2", "0", "1"});

  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg files(tool_, "", TOVCmdLnOptOptional, kNone, args, 0, -1, 0);
  TOVCmdLnOptMultiArgElementLengthMngr elements(tool_, files, 1, 3);
  EXPECT_EQ(elements.Check(), 0);
  for (const char* word : {"a", "abc", "", "abcd"})
    ASSERT_EQ(files.AddArgument(word), 0);
  ExpectCmdLnError(elements.Check(), "tool \"\"", {"0016", "", "0", "1", "3"});
}

TEST_F(CmdLnOptTest, ConvertSplitsAtTheLastSeparator) {
  TOVString value;
  TOVParamNLSMsgBldrRfHndlr usage = TovbcMsg("0101");
  TOVCmdLnOptOneArg host(tool_, "-host", TOVCmdLnOptOptional, usage, value, 1);
  TOVCmdLnOptOneArgConvToStringAndInt converter(host);
  TOVString text;
  int number = 5;
  auto convert = [&](const char* word) {
    host.Reset();
    EXPECT_EQ(host.AddArgument(word), 0);
    return converter.Convert(':', text, number);
  };
  const std::pair<const char*, int> good[] = {{"host:42", 42},
                                              {"a:b:7", 7},
                                              {":7", 7},
                                              {"h: -12", -12},
                                              {"m:-2147483648", -2147483647 - 1}};
  for (const auto& [word, expected] : good) {
    EXPECT_EQ(convert(word), 0);
    EXPECT_EQ(std::string(word).substr(0, std::string(word).rfind(':')), std::string(text));
    EXPECT_EQ(number, expected);
  }
  SeenError seen =
      ExpectCmdLnError(convert("nocolon"), "tool -host \"nocolon\"", {"0018", "nocolon", ":"});
  EXPECT_EQ(seen.advice, usage.Get());
  EXPECT_EQ(std::string(text), "nocolon");
  EXPECT_EQ(number, -2147483647 - 1) << "the number is not touched";
  // Beyond the range of int (though within a 64-bit long), trailing characters, nothing.
  for (const char* bad : {"x:", "x:12a", "x:99999999999999999999", "x:2147483648", "x: ", "x:+"}) {
    ExpectCmdLnError(convert(bad), std::string("tool -host \"") + bad + "\"", {"0015", bad + 2});
    EXPECT_EQ(std::string(text), "x");
  }
  // The text may go to the option's own string.
  host.Reset();
  ASSERT_EQ(host.AddArgument("name:3"), 0);
  EXPECT_EQ(converter.Convert(':', value, number), 0);
  EXPECT_EQ(std::string(value) + std::to_string(number), "name3");
}
