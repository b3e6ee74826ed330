// tovgraph: reads a graph of named nodes and prints the steps that carry it out, in rank
// order, the nodes of each cycle sharing one step.
//
//   tovgraph [-h|-help|-?] [-t|-tree] [-o|-output file] graph-file
//
// A graph file holds one node identifier per line, or a parent and a child identifier
// separated by blanks (the parent comes first); "#" starts a comment and blank lines are
// ignored. Exit status: 0 on success, 1 when the help was shown, 2 on an error (shown on
// the standard error stream).
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVErrorMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplay.h"
#include "TOVMessageDisplayInstall.h"
#include "TOVMessageDisplayToAsciiFile.h"
#include "TOVOFStream.h"
#include "TOVRaiseError.h"
#include "TovGraph.h"

#include <cstdlib>
#include <strings.h>

namespace {

/// Installs the terminal displays as the global ones: code page 850 when TOV_TERM_CS is
/// "oem" (in any case), 8-bit text otherwise.
void InstallTerminalDisplays() {
  const char* charset = std::getenv("TOV_TERM_CS");
  TOVSetGlobalDisplaysToTerm(charset != nullptr && strcasecmp(charset, "oem") == 0);
}

int ExitStatus(long rc) {
  if (rc == 0)
    return 0;
  return rc > 0 ? 1 : 2;
}

/// Reads, builds and prints the graph; gives 0 or the failure code of the pending error.
long Run(const TOVString& input, bool tree, const TOVString* output) {
  TovGraph graph;
  long rc = graph.Read(input);
  if (rc != 0)
    return rc;
  graph.Build();
  TOVMessageDisplayToAsciiFile* file = nullptr;
  if (output != nullptr) {
    file = new TOVMessageDisplayToAsciiFile(*output);
    rc = file->OpenFile();
    if (rc != 0) {
      file->Release();
      return rc;
    }
  }
  TOVMessageDisplay& display = file != nullptr ? *file : TOVMessageDisplay::GetGlobal();
  if (tree)
    graph.DisplayTree(display);
  else
    graph.DisplaySteps(display);
  if (file != nullptr) {
    rc = file->CloseFile();
    file->Release();
  }
  TOVStdout.Flush();
  return rc;
}

} // namespace

int main(int argc, char** argv) {
  TOVGlobalObjectCleaner cleaner;
  InstallTerminalDisplays();

  TOVParamNLSMsgBldrRfHndlr usage(TOVRfHndlrNoAddRef,
                                  new TOVParamNLSMsgBldrCtlg("TOVGRAPH", "0001"));
  TOVCmdLnAnalyzer analyzer("tovgraph", usage);
  TOVString input, output;
  TOVCmdLnOptOneArg inputOpt(analyzer, "", TOVCmdLnOptMandatory, TOVParamNLSMsgBldrRfHndlr(), input,
                             1);
  TOVCmdLnOptNoArg treeOpt(analyzer, "-t|-tree", TOVCmdLnOptOptional,
                           TOVCatalogMsg("TOVGRAPH", "0002"));
  TOVCmdLnOptOneArg outputOpt(analyzer, "-o|-output", TOVCmdLnOptOptional,
                              TOVCatalogMsg("TOVGRAPH", "0003"), output, 1);
  TOVCmdLnHelpMngr help(analyzer, usage.Get(), TOVCatalogMsg("TOVGRAPH", "0004"));

  TOVErrorMngr errors;
  long rc = analyzer.Analyze(const_cast<const char**>(argv + 1), argc - 1);
  if (rc == 0)
    rc = Run(input, treeOpt.IsDefined() != 0, outputOpt.ArgumentIsAdded() ? &output : nullptr);
  if (rc != 0)
    errors.DisplayAndKeepError(rc, 1);
  return ExitStatus(errors.ReturnSuccessOrError());
}
