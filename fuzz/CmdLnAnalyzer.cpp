// Feeds arbitrary word lists to an analyzer that has one option of each kind, the length
// managers and a help manager, and checks that every command line gives success or one
// pending catalog error, the same again after Reset, never a crash.
//
// Input: the first byte chooses the bounds of the multi-argument options, the rest is the
// list of words separated by NUL bytes.
#include "MORError.h"
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptMultiArgElementLengthMngr.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVCmdLnOptOneArgConvToStringAndInt.h"
#include "TOVCmdLnOptOneArgLengthMngr.h"
#include "TOVError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVVector.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "command-line invariant broken: %s\n", what);
    std::abort();
  }
}

TOVParamNLSMsgBldrRfHndlr Msg(const char* id) {
  return TOVParamNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVParamNLSMsgBldrCtlg("TOVBC", id));
}

/// The pending error of rc, fully built, then forgotten; gives its type and text.
std::string TakeError(long rc, int* type) {
  MORError* error = MORGetLastError(rc, nullptr);
  Check(error != nullptr, "a failure has its pending error");
  Check(error->IsAKindOf("TOVError"), "the pending error is a TOVError");
  *type = error->GetType();
  MORUnicodeString text = error->GetNLSMessage();
  error->Release();
  MORCleanLastError();
  return std::string(static_cast<const char*>(text));
}

/// Analyses the words; checks the result and gives it with the error's text.
std::string AnalyzeOnce(TOVCmdLnAnalyzer& analyzer, const std::vector<const char*>& words,
                        long* rc) {
  *rc = analyzer.Analyze(const_cast<const char**>(words.data()), static_cast<int>(words.size()));
  if (*rc == 0) {
    Check(MORGetLastError(0, nullptr) == nullptr, "success leaves no pending error");
    return std::string();
  }
  int type = 0;
  std::string text = TakeError(*rc, &type);
  Check((*rc == 1 && type == MORInformation) || (*rc == E_FAIL && type == MORCriticalError),
        "help is information with code 1, any other failure critical with E_FAIL");
  return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TOVGlobalObjectCleaner cleaner;
  if (size == 0)
    return 0;
  int shape = data[0];
  std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  std::vector<std::string> words;
  size_t start = 0;
  for (size_t i = 0; i <= rest.size(); ++i)
    if (i == rest.size() || rest[i] == '\0') {
      words.push_back(rest.substr(start, i - start));
      start = i + 1;
    }
  if (rest.empty())
    words.clear();
  std::vector<const char*> pointers;
  for (const std::string& word : words)
    pointers.push_back(word.c_str());

  TOVParamNLSMsgBldrRfHndlr usage = Msg("0101");
  TOVCmdLnAnalyzer analyzer("fuzz", usage);
  TOVVector positionalArgs(TOVContainerReleaseAtDelete);
  TOVVector multiArgs(TOVContainerReleaseAtDelete);
  TOVString value;
  TOVCmdLnOptMultiArg positional(analyzer, (shape & 1) ? "|-p" : "", TOVCmdLnOptOptional,
                                 Msg("0101"), positionalArgs, (shape >> 1) & 3,
                                 (shape & 8) ? -1 : 3, (shape >> 4) & 1);
  TOVCmdLnOptNoArg noArg(analyzer, "-n|-no", TOVCmdLnOptOptional, Msg("0101"));
  TOVCmdLnOptOneArg oneArg(analyzer, "-o",
                           (shape & 32) ? TOVCmdLnOptMandatory : TOVCmdLnOptOptional, Msg("0101"),
                           value, 1);
  TOVCmdLnOptMultiArg multi(analyzer, "-m|-many", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                            multiArgs, (shape >> 6) & 1, (shape & 128) ? 2 : -1, (shape >> 6) & 1);
  TOVCmdLnOptOneArgLengthMngr oneLength(analyzer, oneArg, 1, 12);
  TOVCmdLnOptMultiArgElementLengthMngr multiLength(analyzer, multi, 0, 8);
  TOVCmdLnHelpMngr help(analyzer, usage.Get(), Msg("0150"));

  long rc = 0;
  std::string first = AnalyzeOnce(analyzer, pointers, &rc);
  if (rc == 0 && oneArg.ArgumentIsAdded()) {
    TOVCmdLnOptOneArgConvToStringAndInt converter(oneArg);
    TOVString text;
    int number = 0;
    long converted = converter.Convert(':', text, number);
    if (converted != 0) {
      int type = 0;
      TakeError(converted, &type);
    }
  }
  Check(positional.GetCount() <= static_cast<int>(words.size()), "no argument is invented");

  // The same command line analysed again after Reset gives the same answer.
  analyzer.Reset();
  long again = 0;
  std::string second = AnalyzeOnce(analyzer, pointers, &again);
  Check(again == rc && second == first, "Reset makes a second analysis identical");
  return 0;
}
