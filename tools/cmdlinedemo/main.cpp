// cmdlinedemo: declares a command with a few options and a generated help, analyses its
// command line and prints what it understood.
//
// Exit status: 0 when the command line is right, 1 when the help was asked for (the
// information status), 2 when the command line is wrong (the error is shown on the
// standard error stream).
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVCmdLnOptOneArgLengthMngr.h"
#include "TOVErrorDisplayInstall.h"
#include "TOVErrorMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVIterator.h"
#include "TOVOFStream.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVVector.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

/// The directory of this program's executable, where its catalog lies; empty when unknown.
std::string ProgramDir() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0)
    return std::string();
  std::string dir(path, static_cast<size_t>(n));
  size_t slash = dir.rfind('/');
  return slash == std::string::npos ? std::string() : dir.substr(0, slash);
}

/// A handler on message iMsgId of the tool's own catalog.
TOVParamNLSMsgBldrRfHndlr DemoMsg(const std::string& iDir, const char* iMsgId) {
  return TOVParamNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef,
                                   new TOVParamNLSMsgBldrCtlg("CLDEMO", iMsgId, iDir.c_str()));
}

int ExitStatus(long rc) {
  if (rc == 0)
    return 0;
  return rc > 0 ? 1 : 2;
}

} // namespace

int main(int argc, char** argv) {
  TOVGlobalObjectCleaner cleaner;
  const char* charset = std::getenv("TOV_TERM_CS");
  TOVSetGlobalErrorDisplayToTerm(charset != nullptr && std::strcmp(charset, "oem") == 0);

  std::string dir = ProgramDir();
  TOVParamNLSMsgBldrRfHndlr usage = DemoMsg(dir, "0001");
  TOVCmdLnAnalyzer analyzer("cmdlinedemo", usage);
  TOVVector files(TOVContainerReleaseAtDelete);
  TOVString output;
  TOVString name;
  // The files are told by the short usage and the explanation, not by a line of their own.
  TOVCmdLnOptMultiArg filesOpt(analyzer, "", TOVCmdLnOptOptional, TOVParamNLSMsgBldrRfHndlr(),
                               files, 1, -1, 0);
  TOVCmdLnOptNoArg verboseOpt(analyzer, "-v", TOVCmdLnOptOptional, DemoMsg(dir, "0002"));
  TOVCmdLnOptOneArg outputOpt(analyzer, "-o|-output", TOVCmdLnOptOptional, DemoMsg(dir, "0003"),
                              output, 1);
  TOVCmdLnOptOneArg nameOpt(analyzer, "-n|-name", TOVCmdLnOptMandatory, DemoMsg(dir, "0004"), name,
                            1);
  TOVCmdLnOptOneArgLengthMngr nameLength(analyzer, nameOpt, 2, 8);
  TOVCmdLnHelpMngr help(analyzer, usage.Get(), DemoMsg(dir, "0005"));

  TOVErrorMngr errors;
  long rc = analyzer.Analyze(const_cast<const char**>(argv + 1), argc - 1);
  if (rc != 0) {
    errors.DisplayAndKeepError(rc, 1);
  } else {
    TOVStdout << "name: " << static_cast<const char*>(name) << '\n';
    TOVStdout << "output: "
              << (outputOpt.ArgumentIsAdded() ? static_cast<const char*>(output) : "-") << '\n';
    TOVStdout << "verbose: " << (verboseOpt.IsDefined() ? "yes" : "no") << '\n';
    TOVIterator* it = files.MakeIterator(nullptr);
    for (MORBaseUnknown* file = it->Next(); file != nullptr; file = it->Next())
      TOVStdout << "file: " << static_cast<const char*>(*TOVCheckedCast<TOVString>(file)) << '\n';
    it->Release();
    TOVStdout.Flush();
  }
  return ExitStatus(errors.ReturnSuccessOrError());
}
