// Behaviour of the analyzer: matching words to options, positional arguments, the order
// of checks, the help and the errors it raises.
#include "CmdLnTestSupport.h"
#include "MORError.h"
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptMngr.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVRaiseError.h"
#include "TOVVector.h"

#include <string>
#include <vector>

using namespace cmdtest;

namespace {

/// The strings of a container of TOVString, in order.
Words Strings(const TOVVector& set) {
  Words out;
  for (int i = 0; i < set.Size(); ++i)
    out.push_back(static_cast<const char*>(*static_cast<const TOVString*>(set[i])));
  return out;
}

/// A catalog TST for usage lines, in a directory of its own.
class CmdLnAnalyzerTest : public ::testing::Test {
protected:
  void SetUp() override {
    dir_ = tovtest::MakeTempDir();
    tovtest::WriteFile(dir_ + "/TST.msg", "USAGE = usage: %1 [%2] -o file words\n"
                                          "OPT = %1: an option\n"
                                          "EXPLAIN = The words are read in order.\n");
  }
  void TearDown() override { MORCleanLastError(); }

  TOVParamNLSMsgBldrRfHndlr Tst(const char* id) {
    return TOVParamNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef,
                                     new TOVParamNLSMsgBldrCtlg("TST", id, dir_.c_str()));
  }

  std::string dir_;
};

/// An option manager that records when it runs and can fail.
class RecordingMngr : public TOVCmdLnOptMngr {
public:
  RecordingMngr(TOVCmdLnAnalyzer& analyzer, std::vector<std::string>& log, std::string name,
                bool fail)
      : TOVCmdLnOptMngr(analyzer), log_(log), name_(std::move(name)), fail_(fail) {}
  long Check() override {
    log_.push_back(name_);
    if (!fail_)
      return 0;
    return TOV_RAISE_ERROR(TOVNLSMsgBldrRfHndlr(), TovbcMsg("0100"), TOVNLSMsgBldrRfHndlr());
  }
  void Reset() override { log_.push_back("reset " + name_); }

private:
  std::vector<std::string>& log_;
  std::string name_;
  bool fail_;
};

} // namespace

TEST_F(CmdLnAnalyzerTest, NamesMatchWholeWordsWithCaseFirstDeclaredFirst) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptNoArg first(analyzer, "-a|-all", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptNoArg second(analyzer, "-all|-b", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptNoArg dashes(analyzer, "--", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());

  EXPECT_EQ(Analyze(analyzer, {"-all"}), 0);
  EXPECT_TRUE(first.IsDefined());
  EXPECT_FALSE(second.IsDefined());
  // "--" is an option name like any other.
  EXPECT_EQ(Analyze(analyzer, {"--"}), 0);
  EXPECT_TRUE(dashes.IsDefined());
  // No case folding, no prefixes, no value joined to the name.
  for (const char* word : {"-A", "-al", "-allx", "-a=1", "-ab"}) {
    analyzer.Reset();
    ExpectCmdLnError(Analyze(analyzer, {word}), std::string("tool ") + word, "0001", {word});
  }
}

TEST_F(CmdLnAnalyzerTest, UnknownOptionFailsWithTheWordAndTheShortUsageEvenWithPositional) {
  TOVParamNLSMsgBldrRfHndlr usage = Tst("USAGE");
  TOVCmdLnAnalyzer analyzer("tool", usage);
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                 args, 0, -1, 0);
  TOVString out;
  TOVCmdLnOptOneArg later(analyzer, "-o", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(), out, 1);

  SeenError seen =
      ExpectCmdLnError(Analyze(analyzer, {"a", "-x", "-o", "f"}), "tool -x", "0001", {"-x"});
  EXPECT_EQ(seen.adviceBldr, usage.Get()) << "the advice is the command's short usage itself";
  // Analysis stopped at the unknown word: the words after it were not read.
  EXPECT_EQ(Strings(args), Words{"a"});
  EXPECT_FALSE(later.IsDefined());
}

TEST_F(CmdLnAnalyzerTest, ArgumentWithNoOptionToTakeItNamesTheCommand) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptNoArg verbose(analyzer, "-v", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());

  ExpectCmdLnError(Analyze(analyzer, {"word"}), "tool \"word\"", "0003", {"tool"});
  // After a switch, the switch itself refuses the word.
  analyzer.Reset();
  ExpectCmdLnError(Analyze(analyzer, {"-v", "word"}), "tool -v \"word\"", "0003", {"-v"});
}

TEST_F(CmdLnAnalyzerTest, PositionalOptionTakesWhatOtherOptionsCannot) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVString out;
  TOVCmdLnOptOneArg output(analyzer, "-o", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(), out,
                           1);
  TOVCmdLnOptNoArg verbose(analyzer, "-v", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptMultiArg positional(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                 args, 0, -1, 0);

  // "-" alone and the empty word are ordinary arguments; a repeated -o keeps its value.
  EXPECT_EQ(Analyze(analyzer, {"-o", "a", "b", "-", "-v", "c", "", "-o", "d"}), 0);
  EXPECT_EQ(std::string(out), "a");
  EXPECT_EQ(Strings(args), (Words{"b", "-", "c", "", "d"}));
  EXPECT_TRUE(verbose.IsDefined());
}

TEST_F(CmdLnAnalyzerTest, WithoutPositionalOptionASecondValueIsRefused) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVString out;
  TOVCmdLnOptOneArg output(analyzer, "-o|-out", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                           out, 1);

  ExpectCmdLnError(Analyze(analyzer, {"-o", "a", "-out", "b"}), "tool -o|-out \"b\"", "0009",
                   {"-o|-out"});
  EXPECT_EQ(std::string(out), "a");
  // A word starting with "-" after the name is never taken as its value.
  analyzer.Reset();
  ExpectCmdLnError(Analyze(analyzer, {"-o", "-1"}), "tool -1", "0001", {"-1"});
}

TEST_F(CmdLnAnalyzerTest, AfterALastOptionEveryWordIsAnArgument) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVVector rest(TOVContainerReleaseAtDelete);
  TOVCmdLnOptNoArg verbose(analyzer, "-v", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptMultiArg exec(analyzer, "-exec", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                           rest, 1, -1, 1);
  TOVCmdLnHelpMngr help(analyzer, nullptr, TOVNLSMsgBldrRfHndlr());

  EXPECT_EQ(Analyze(analyzer, {"-v", "-exec", "cmd", "-v", "-h", "-x", "--"}), 0);
  EXPECT_EQ(Strings(rest), (Words{"cmd", "-v", "-h", "-x", "--"}));
  EXPECT_FALSE(help.GetHelpOpt().IsDefined());
}

TEST_F(CmdLnAnalyzerTest, PositionalLastOptionTakesEveryWordEvenHelp) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                 args, 0, -1, 1);
  TOVCmdLnHelpMngr help(analyzer, nullptr, TOVNLSMsgBldrRfHndlr());

  EXPECT_EQ(Analyze(analyzer, {"-h", "-x", "a"}), 0);
  EXPECT_EQ(Strings(args), (Words{"-h", "-x", "a"}));
}

TEST_F(CmdLnAnalyzerTest, EmptyCommandLineStillDefinesAndChecksThePositionalOption) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                 args, 1, -1, 0);

  ExpectCmdLnError(Analyze(analyzer, {}), "tool", "0007", {"tool", "1"});
  EXPECT_TRUE(positional.IsDefined());

  TOVCmdLnAnalyzer plain("plain", TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptNoArg verbose(plain, "-v", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());
  EXPECT_EQ(plain.Analyze(nullptr, 0), 0);
}

TEST_F(CmdLnAnalyzerTest, ChecksRunOptionsThenManagersInDeclarationOrderStoppingAtFirstFailure) {
  std::vector<std::string> log;
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  RecordingMngr early(analyzer, log, "early", false);
  TOVString a, b;
  TOVCmdLnOptOneArg first(analyzer, "-a", TOVCmdLnOptMandatory, TOVParamNLSMsgBldrRfHndlr(), a, 1);
  TOVCmdLnOptOneArg second(analyzer, "-b", TOVCmdLnOptMandatory, TOVParamNLSMsgBldrRfHndlr(), b, 1);
  RecordingMngr failing(analyzer, log, "failing", true);
  RecordingMngr late(analyzer, log, "late", false);

  // Both options are missing: the first declared is reported, no manager runs.
  ExpectCmdLnError(Analyze(analyzer, {}), "tool -a", "0002", {"-a"});
  EXPECT_TRUE(log.empty());
  // With both given, managers run in order up to the failing one, whose error is returned.
  analyzer.Reset();
  EXPECT_EQ(log, (std::vector<std::string>{"reset early", "reset failing", "reset late"}));
  log.clear();
  long rc = Analyze(analyzer, {"-b", "y", "-a", "x"});
  EXPECT_EQ(rc, E_FAIL);
  EXPECT_EQ(TakeError(rc).diagnostic.msgId, "0100");
  EXPECT_EQ(log, (std::vector<std::string>{"early", "failing"}));
}

TEST_F(CmdLnAnalyzerTest, HelpSkipsMandatoryChecksButNotErrorsOfTheWords) {
  std::vector<std::string> log;
  TOVCmdLnAnalyzer analyzer("tool", Tst("USAGE"));
  TOVString out;
  TOVCmdLnOptOneArg output(analyzer, "-o", TOVCmdLnOptMandatory, Tst("OPT"), out, 1);
  RecordingMngr before(analyzer, log, "before", false);
  TOVCmdLnHelpMngr help(analyzer, nullptr, TOVNLSMsgBldrRfHndlr());
  RecordingMngr after(analyzer, log, "after", false);

  for (const char* word : {"-h", "-help", "-?"}) {
    analyzer.Reset();
    log.clear();
    long rc = Analyze(analyzer, {word});
    EXPECT_EQ(rc, 1) << word;
    SeenError seen = TakeError(rc);
    EXPECT_EQ(seen.type, MORInformation);
    EXPECT_EQ(seen.rc, 1);
    EXPECT_EQ(seen.request.msgId, "");
    EXPECT_EQ(seen.advice.msgId, "");
    EXPECT_EQ(seen.diagnostic.catalog, "TOVBC");
    EXPECT_EQ(seen.diagnostic.msgId, "CONCAT");
    EXPECT_EQ(seen.diagnosticText, Utf8(help.GetHelp()));
    // The manager declared before the help manager ran; the one after it did not.
    EXPECT_EQ(log, std::vector<std::string>{"before"});
  }
  // An unknown option or a surplus argument fails first, before or after the help.
  analyzer.Reset();
  ExpectCmdLnError(Analyze(analyzer, {"-x", "-h"}), "tool -x", "0001", {"-x"});
  analyzer.Reset();
  ExpectCmdLnError(Analyze(analyzer, {"-h", "-x"}), "tool -x", "0001", {"-x"});
  analyzer.Reset();
  ExpectCmdLnError(Analyze(analyzer, {"-h", "extra"}), "tool -h|-help|-? \"extra\"", "0003",
                   {"-h|-help|-?"});
  analyzer.Reset();
  ExpectCmdLnError(Analyze(analyzer, {"-o", "a", "b", "-h"}), "tool -o \"b\"", "0009", {"-o"});
  // Names are matched with case.
  analyzer.Reset();
  ExpectCmdLnError(Analyze(analyzer, {"-H"}), "tool -H", "0001", {"-H"});
}

TEST_F(CmdLnAnalyzerTest, HelpTextIsUsageOptionLinesThenExplanation) {
  TOVParamNLSMsgBldrRfHndlr usage = Tst("USAGE");
  TOVCmdLnAnalyzer analyzer("tool", usage);
  TOVCmdLnHelpMngr help(analyzer, usage.Get(), Tst("EXPLAIN"));
  const std::string helpLine = CatalogText("0101", {"-h|-help|-?"});

  EXPECT_EQ(Utf8(help.GetHelp()), "usage: tool [-h|-help|-?] -o file words\n" + helpLine +
                                      "\n\nThe words are read in order.\n");

  TOVCmdLnAnalyzer bare("bare", Tst("USAGE"));
  TOVCmdLnHelpMngr bareHelp(bare, nullptr, TOVNLSMsgBldrRfHndlr());
  EXPECT_EQ(Utf8(bareHelp.GetHelp()), "usage: bare [???] -o file words !!! Wrong message TST - "
                                      "USAGE: 1 parameters instead of 2 !!!\n" +
                                          helpLine + "\n");
}

TEST_F(CmdLnAnalyzerTest, HelpTextListsOnlyDescribedOptionsInDeclarationOrder) {
  TOVParamNLSMsgBldrRfHndlr usage = Tst("USAGE");
  TOVCmdLnAnalyzer analyzer("tool", usage);
  TOVString out;
  TOVCmdLnOptNoArg quiet(analyzer, "-q", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr());
  TOVCmdLnOptOneArg output(analyzer, "-o|-output", TOVCmdLnOptOptional, Tst("OPT"), out, 1);
  TOVCmdLnHelpMngr help(analyzer, usage.Get(), TOVNLSMsgBldrRfHndlr());
  TOVCmdLnOptNoArg verbose(analyzer, "-v", TOVCmdLnOptOptional, Tst("OPT"));

  EXPECT_EQ(Utf8(help.GetHelp()), "usage: tool [-h|-help|-?] -o file words\n"
                                  "-o|-output: an option\n" +
                                      CatalogText("0101", {"-h|-help|-?"}) +
                                      "\n"
                                      "-v: an option\n");
  EXPECT_EQ(analyzer.GetHelpOption(), &help.GetHelpOpt());
}

TEST_F(CmdLnAnalyzerTest, ResetLetsTheSameObjectsAnalyseAnotherLine) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVString out;
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptOneArg output(analyzer, "-o", TOVCmdLnOptMandatory, TOVParamNLSMsgBldrRfHndlr(), out,
                           1);
  TOVCmdLnOptMultiArg positional(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                 args, 0, 2, 0);

  EXPECT_EQ(Analyze(analyzer, {"-o", "a", "x", "y"}), 0);
  analyzer.Reset();
  EXPECT_FALSE(output.IsDefined());
  EXPECT_FALSE(output.ArgumentIsAdded());
  EXPECT_EQ(positional.GetCount(), 0);
  // Not given this time: reported as missing, not as lacking its value.
  ExpectCmdLnError(Analyze(analyzer, {"z"}), "tool -o", "0002", {"-o"});
  analyzer.Reset();
  EXPECT_EQ(Analyze(analyzer, {"-o", "b", "u", "v"}), 0);
  EXPECT_EQ(std::string(out), "b");
  EXPECT_EQ(Strings(args), (Words{"x", "y", "z", "u", "v"})) << "the caller's container keeps all";
}

TEST_F(CmdLnAnalyzerTest, AnyWordsGiveSuccessOrACatalogError) {
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                 args, 0, -1, 0);
  std::string longWord(100000, 'w');
  Words many(5000, "word");
  many.push_back(longWord);
  many.push_back(std::string("\xff\xfe\x80-", 4));
  EXPECT_EQ(Analyze(analyzer, many), 0);
  EXPECT_EQ(args.Size(), 5002);
  EXPECT_EQ(static_cast<const TOVString*>(args[5000])->Length(), 100000);

  analyzer.Reset();
  std::string bad("-\xff\xc3", 3);
  SeenError seen = ExpectCmdLnError(Analyze(analyzer, {bad}), "tool " + Utf8(bad.c_str()), "0001",
                                    {Utf8(bad.c_str())});
  EXPECT_NE(seen.diagnosticText.find(Utf8(bad.c_str())), std::string::npos);
}

TEST_F(CmdLnAnalyzerTest, MisuseOfAnalyzeIsFatal) {
  TOVGlobalObjectCleaner cleaner;
  TOVCmdLnAnalyzer analyzer("tool", TOVParamNLSMsgBldrRfHndlr());
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                                 args, 0, -1, 0);
  const char* words[] = {"a", nullptr};
  EXPECT_FATAL(analyzer.Analyze(words, -1), "TOVCmdLnAnalyzer::Analyze: negative word count -1");
  EXPECT_FATAL(analyzer.Analyze(nullptr, 2), "TOVCmdLnAnalyzer::Analyze: no word list for 2 words");
  EXPECT_FATAL(analyzer.Analyze(words, 2), "TOVCmdLnAnalyzer::Analyze: word 1 is null");
}
