// The analyzer: matching words to options, positional arguments, the order of checks,
// the help and the errors it raises.
#include "CmdLnTestSupport.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptMngr.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVRaiseError.h"
#include "TOVVector.h"

using namespace cmdtest;

namespace {

/// An analyzer "tool" with a catalog TST of usage lines in a directory of its own.
class CmdLnAnalyzerTest : public ::testing::Test {
protected:
  CmdLnAnalyzerTest() : dir_(tovtest::MakeTempDir()) {
    tovtest::WriteFile(dir_ + "/TST.msg", "USAGE = usage: %1 [%2] words\nOPT = %1: an option\n"
                                          "EXPLAIN = The words are read in order.\n");
  }
  void TearDown() override { MORCleanLastError(); }
  TOVParamNLSMsgBldrRfHndlr Tst(const char* id) {
    return TOVParamNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef,
                                     new TOVParamNLSMsgBldrCtlg("TST", id, dir_.c_str()));
  }
  std::string dir_;
  TOVParamNLSMsgBldrRfHndlr usage_ = Tst("USAGE");
  TOVCmdLnAnalyzer tool_{"tool", usage_};
};

/// A manager that records its checks and resets, and can fail.
class RecordingMngr : public TOVCmdLnOptMngr {
public:
  RecordingMngr(TOVCmdLnAnalyzer& analyzer, Words& log, const char* name, bool fail = false)
      : TOVCmdLnOptMngr(analyzer), log_(log), name_(name), fail_(fail) {}
  long Check() override {
    log_.push_back(name_);
    return fail_ ? TOV_RAISE_ERROR(TOVNLSMsgBldrRfHndlr(), TovbcMsg("0100"), TOVNLSMsgBldrRfHndlr())
                 : 0;
  }
  void Reset() override { log_.push_back("reset " + name_); }

private:
  Words& log_;
  std::string name_;
  bool fail_;
};

} // namespace

using CmdLnAnalyzerDeathTest = CmdLnAnalyzerTest;

TEST_F(CmdLnAnalyzerTest, NamesMatchWholeWordsWithCaseFirstDeclaredFirst) {
  TOVCmdLnOptNoArg first(tool_, "-a|-all", TOVCmdLnOptOptional, kNone);
  TOVCmdLnOptNoArg second(tool_, "-all|-b", TOVCmdLnOptOptional, kNone);
  TOVCmdLnOptNoArg dashes(tool_, "--", TOVCmdLnOptOptional, kNone);
  EXPECT_EQ(Analyze(tool_, {"-all", "--"}), 0);
  EXPECT_TRUE(first.IsDefined() && dashes.IsDefined());
  EXPECT_FALSE(second.IsDefined());
  // No case folding, no prefixes, no value joined to the name.
  for (const char* word : {"-A", "-al", "-allx", "-a=1", "-ab"}) {
    tool_.Reset();
    SeenError seen =
        ExpectCmdLnError(Analyze(tool_, {word}), std::string("tool ") + word, {"0001", word});
    EXPECT_EQ(seen.advice, usage_.Get()) << "the advice is the command's short usage";
  }
}

TEST_F(CmdLnAnalyzerTest, WordErrorsStopTheAnalysis) {
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(tool_, "", TOVCmdLnOptOptional, kNone, args, 0, -1, 0);
  TOVCmdLnOptNoArg later(tool_, "-v", TOVCmdLnOptOptional, kNone);
  // An unknown option fails even though a positional option exists; later words are not read.
  ExpectCmdLnError(Analyze(tool_, {"a", "-x", "-v", "b"}), "tool -x", {"0001", "-x"});
  EXPECT_EQ(Strings(args), Words{"a"});
  EXPECT_FALSE(later.IsDefined());

  // Without positional option, a word that no option takes, a second value and a word
  // starting with "-" (never a value) are refused.
  TOVCmdLnAnalyzer bare("bare", kNone);
  TOVCmdLnOptNoArg verbose(bare, "-v", TOVCmdLnOptOptional, kNone);
  TOVString out;
  TOVCmdLnOptOneArg bareOut(bare, "-o|-out", TOVCmdLnOptOptional, kNone, out, 1);
  EXPECT_EQ(bare.Analyze(nullptr, 0), 0);
  const std::pair<Words, Words> refused[] = {
      {{"word"}, {"bare \"word\"", "0003", "bare"}},
      {{"-v", "word"}, {"bare -v \"word\"", "0003", "-v"}},
      {{"-o", "x", "-out", "y"}, {"bare -o|-out \"y\"", "0009", "-o|-out"}},
      {{"-o", "-1"}, {"bare -1", "0001", "-1"}}};
  for (const auto& [words, error] : refused) {
    bare.Reset();
    ExpectCmdLnError(Analyze(bare, words), error[0], Words(error.begin() + 1, error.end()));
  }
}

TEST_F(CmdLnAnalyzerTest, PositionalOptionTakesWhatOtherOptionsCannotAndALastOptionAll) {
  TOVVector args(TOVContainerReleaseAtDelete), rest(TOVContainerReleaseAtDelete);
  TOVString out;
  TOVCmdLnOptOneArg output(tool_, "-o", TOVCmdLnOptOptional, kNone, out, 1);
  TOVCmdLnOptNoArg verbose(tool_, "-v", TOVCmdLnOptOptional, kNone);
  TOVCmdLnOptMultiArg positional(tool_, "", TOVCmdLnOptOptional, kNone, args, 0, -1, 0);
  TOVCmdLnOptMultiArg exec(tool_, "-exec", TOVCmdLnOptOptional, kNone, rest, 1, -1, 1);
  TOVCmdLnHelpMngr help(tool_, nullptr, TOVNLSMsgBldrRfHndlr());
  // "-" alone and the empty word are arguments; a repeated -o keeps its first value; after
  // the last option every word is its argument, even "-h".
  EXPECT_EQ(Analyze(tool_, {"-o", "a", "b", "-", "-v", "c", "", "-o", "d", "-exec", "-v", "-h"}),
            0);
  EXPECT_EQ(std::string(out), "a");
  EXPECT_EQ(Strings(args), (Words{"b", "-", "c", "", "d"}));
  EXPECT_EQ(Strings(rest), (Words{"-v", "-h"}));

  // A positional option that is the last option takes every word.
  TOVCmdLnAnalyzer all("all", kNone);
  TOVVector allArgs(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg allPositional(all, "", TOVCmdLnOptOptional, kNone, allArgs, 1, -1, 1);
  TOVCmdLnHelpMngr allHelp(all, nullptr, TOVNLSMsgBldrRfHndlr());
  EXPECT_EQ(Analyze(all, {"-h", "-x"}), 0);
  EXPECT_EQ(Strings(allArgs), (Words{"-h", "-x"}));
  // With no word, the positional option is still defined, so its count is checked.
  all.Reset();
  ExpectCmdLnError(Analyze(all, {}), "all", {"0007", "all", "1"});
}

TEST_F(CmdLnAnalyzerTest, ChecksRunOptionsThenManagersInOrderUpToTheFirstFailure) {
  Words log;
  RecordingMngr early(tool_, log, "early");
  TOVString a, b;
  TOVCmdLnOptOneArg first(tool_, "-a", TOVCmdLnOptMandatory, kNone, a, 1);
  TOVCmdLnOptOneArg second(tool_, "-b", TOVCmdLnOptMandatory, kNone, b, 1);
  RecordingMngr failing(tool_, log, "failing", true);
  RecordingMngr late(tool_, log, "late");

  ExpectCmdLnError(Analyze(tool_, {}), "tool -a", {"0002", "-a"});
  EXPECT_TRUE(log.empty()) << "a failing option stops the checks";
  tool_.Reset();
  EXPECT_EQ(log, (Words{"reset early", "reset failing", "reset late"}));
  log.clear();
  long rc = Analyze(tool_, {"-b", "y", "-a", "x"});
  EXPECT_EQ(TakeError(rc).diagnostic, Words{"0100"});
  EXPECT_EQ(log, (Words{"early", "failing"}));
}

TEST_F(CmdLnAnalyzerTest, HelpSkipsOptionChecksButNotErrorsOfTheWords) {
  Words log;
  TOVString out;
  TOVCmdLnOptOneArg output(tool_, "-o", TOVCmdLnOptMandatory, Tst("OPT"), out, 1);
  RecordingMngr before(tool_, log, "before");
  TOVCmdLnHelpMngr help(tool_, nullptr, TOVNLSMsgBldrRfHndlr());
  RecordingMngr after(tool_, log, "after");
  for (const char* word : {"-h", "-help", "-?"}) {
    tool_.Reset();
    log.clear();
    long rc = Analyze(tool_, {word});
    EXPECT_EQ(rc, 1) << word;
    SeenError seen = TakeError(rc);
    EXPECT_EQ(seen.type, MORInformation);
    EXPECT_EQ(seen.rc, 1);
    EXPECT_TRUE(seen.request.empty() && seen.advice == nullptr);
    EXPECT_EQ(seen.diagnostic, Words{"CONCAT"});
    EXPECT_EQ(seen.diagnosticText, Utf8(help.GetHelp()));
    EXPECT_EQ(log, Words{"before"}) << "the manager declared before the help ran first";
  }
  // An unknown option or a surplus argument fails first, before or after the help.
  const std::pair<Words, Words> failures[] = {
      {{"-x", "-h"}, {"tool -x", "0001", "-x"}},
      {{"-h", "-x"}, {"tool -x", "0001", "-x"}},
      {{"-H"}, {"tool -H", "0001", "-H"}},
      {{"-h", "extra"}, {"tool -h|-help|-? \"extra\"", "0003", "-h|-help|-?"}},
      {{"-o", "a", "b", "-h"}, {"tool -o \"b\"", "0009", "-o"}}};
  for (const auto& [words, error] : failures) {
    tool_.Reset();
    ExpectCmdLnError(Analyze(tool_, words), error[0], Words(error.begin() + 1, error.end()));
  }
}

TEST_F(CmdLnAnalyzerTest, HelpTextIsUsageDescribedOptionsThenExplanation) {
  TOVString out;
  TOVCmdLnOptNoArg quiet(tool_, "-q", TOVCmdLnOptOptional, kNone);
  TOVCmdLnOptOneArg output(tool_, "-o|-output", TOVCmdLnOptOptional, Tst("OPT"), out, 1);
  TOVCmdLnHelpMngr help(tool_, usage_.Get(), Tst("EXPLAIN"));
  TOVCmdLnOptNoArg verbose(tool_, "-v", TOVCmdLnOptOptional, Tst("OPT"));
  const std::string helpLine = CatalogText("0101", {"-h|-help|-?"}) + "\n";
  EXPECT_EQ(Utf8(help.GetHelp()), "usage: tool [-h|-help|-?] words\n-o|-output: an option\n" +
                                      helpLine + "-v: an option\n\nThe words are read in order.\n");
  EXPECT_EQ(tool_.GetHelpOption(), &help.GetHelpOpt());

  // Only the help option, no explanation; no short usage at all.
  TOVCmdLnAnalyzer bare("bare", Tst("OPT"));
  TOVCmdLnHelpMngr bareHelp(bare, nullptr, TOVNLSMsgBldrRfHndlr());
  EXPECT_EQ(Utf8(bareHelp.GetHelp()), "bare: an option\n" + helpLine);
  TOVCmdLnAnalyzer none("none", kNone);
  TOVCmdLnHelpMngr noneHelp(none, nullptr, Tst("EXPLAIN"));
  EXPECT_EQ(Utf8(noneHelp.GetHelp()), helpLine + "\nThe words are read in order.\n");
}

TEST_F(CmdLnAnalyzerTest, ResetLetsTheSameObjectsAnalyseAnotherLine) {
  TOVString out;
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptOneArg output(tool_, "-o", TOVCmdLnOptMandatory, kNone, out, 1);
  TOVCmdLnOptMultiArg positional(tool_, "", TOVCmdLnOptOptional, kNone, args, 0, 2, 0);
  EXPECT_EQ(Analyze(tool_, {"-o", "a", "x", "y"}), 0);
  tool_.Reset();
  EXPECT_FALSE(output.IsDefined() || output.ArgumentIsAdded() || positional.GetCount());
  // Not given this time: reported as missing, not as lacking its value.
  ExpectCmdLnError(Analyze(tool_, {"z"}), "tool -o", {"0002", "-o"});
  tool_.Reset();
  EXPECT_EQ(Analyze(tool_, {"-o", "b", "u", "v"}), 0);
  EXPECT_EQ(Strings(args), (Words{"x", "y", "z", "u", "v"})) << "the caller's container keeps all";
}

TEST_F(CmdLnAnalyzerDeathTest, AnyWordsGiveSuccessOrACatalogErrorMisuseIsFatal) {
  TOVVector args(TOVContainerReleaseAtDelete);
  TOVCmdLnOptMultiArg positional(tool_, "", TOVCmdLnOptOptional, kNone, args, 0, -1, 0);
  Words many(5000, "word");
  many.push_back(std::string(100000, 'w'));
  many.push_back("\xff\xfe\x80-");
  EXPECT_EQ(Analyze(tool_, many), 0);
  EXPECT_EQ(static_cast<const TOVString*>(args[5000])->Length(), 100000);
  tool_.Reset();
  std::string bad = Utf8("-\xff\xc3");
  ExpectCmdLnError(Analyze(tool_, {"-\xff\xc3"}), "tool " + bad, {"0001", bad});

  TOVGlobalObjectCleaner cleaner;
  const char* words[] = {"a", nullptr};
  EXPECT_FATAL(tool_.Analyze(words, -1), "TOVCmdLnAnalyzer::Analyze: negative word count -1");
  EXPECT_FATAL(tool_.Analyze(nullptr, 2), "TOVCmdLnAnalyzer::Analyze: no word list for 2 words");
  EXPECT_FATAL(tool_.Analyze(words, 2), "TOVCmdLnAnalyzer::Analyze: word 1 is null");
}
