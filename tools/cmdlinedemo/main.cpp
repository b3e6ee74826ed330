// cmdlinedemo: declares a command with a few options and a generated help, analyses its
// command line and prints what it understood.
//
// Exit status: 0 when the command line is right and the report written, 1 when the help
// was asked for (the information status), 2 when the command line is wrong or the report
// could not be written (the error is shown on the standard error stream).
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptMultiArg.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVCmdLnOptOneArgLengthMngr.h"
#include "TOVError.h"
#include "TOVErrorDisplayInstall.h"
#include "TOVErrorMngr.h"
#include "TOVFileUtilities.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVIterator.h"
#include "TOVOFStream.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVVector.h"
#include "TovToolOutput.h"

#include <climits>
#include <cstdio>
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

/// Writes report to the file at path (made or emptied); gives 0 or the failure code of
/// the pending error, whose request becomes request.
long WriteReport(const std::string& report, const TOVString& path,
                 const TOVParamNLSMsgBldrRfHndlr& request) {
  FILE* file = nullptr;
  long rc = TOVFileUtilities::FileOpen(path, "w", file);
  if (rc == 0) {
    rc = TOVFileUtilities::FilePutString(report.c_str(), file, path);
    // After a failed write the file is closed quietly: the write's error is the one told.
    if (rc == 0)
      rc = TOVFileUtilities::FileClose(file, path);
    else
      std::fclose(file);
  }
  if (rc != 0)
    TOVError::ReplaceLastErrorRequest(rc, request);
  return rc;
}

} // namespace

int main(int argc, char** argv) {
  TovToolGuardStandardDescriptors();
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
  if (rc == 0) {
    std::string report = "name: " + std::string(name) +
                         "\noutput: " + (outputOpt.ArgumentIsAdded() ? std::string(output) : "-") +
                         "\nverbose: " + (verboseOpt.IsDefined() ? "yes" : "no") + "\n";
    TOVIterator* it = files.MakeIterator(nullptr);
    for (MORBaseUnknown* file = it->Next(); file != nullptr; file = it->Next())
      report += "file: " + std::string(*TOVCheckedCast<TOVString>(file)) + "\n";
    it->Release();
    if (outputOpt.ArgumentIsAdded()) {
      TOVParamNLSMsgBldrRfHndlr request = DemoMsg(dir, "0006");
      request->AddNewParameter(output);
      rc = WriteReport(report, output, request);
    } else {
      TOVStdout << report.c_str();
    }
  }
  if (rc != 0)
    errors.DisplayAndKeepError(rc, 1);
  // What went to the standard output (the report, the help) must have got there.
  TOVParamNLSMsgBldrRfHndlr advice = DemoMsg(dir, "0009");
  rc = TovToolCheckStandardOutput(DemoMsg(dir, "0007"), DemoMsg(dir, "0008"), advice);
  if (rc != 0)
    errors.DisplayAndKeepError(rc, 1);
  return ExitStatus(errors.ReturnSuccessOrError());
}
