// tovgraph: reads a graph of named nodes and prints the steps that carry it out, in rank
// order, the nodes of each cycle sharing one step.
//
//   tovgraph [-h|-help|-?] [-t|-tree] [-o|-output file] graph-file
//
// A graph file holds one node identifier per line, or a parent and a child identifier
// separated by blanks (the parent comes first); "#" starts a comment and blank lines are
// ignored. Exit status: 0 on success, 1 when the help was shown, 2 on an error (shown on
// the standard error stream), an output that could not be written included.
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVErrorMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplay.h"
#include "TOVMessageDisplayInstall.h"
#include "TOVMessageDisplayToAsciiFile.h"
#include "TOVRaiseError.h"
#include "TovGraph.h"
#include "TovToolOutput.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <strings.h>
#include <sys/stat.h>
#include <vector>

/// An option with one argument that is given once: naming it again is an error of its
/// own, instead of its next word taking the place of the graph file.
class TovGraphOnceOpt : public TOVCmdLnOptOneArg {
  TOV_DECLARE_CLASS(TovGraphOnceOpt)
public:
  using TOVCmdLnOptOneArg::TOVCmdLnOptOneArg;
  void SetToDefined() override {
    _Repeated = _Repeated || IsDefined() != 0;
    TOVCmdLnOptOneArg::SetToDefined();
  }
  unsigned int AcceptsOneMoreArgument() const override {
    return _Repeated ? 1 : TOVCmdLnOptOneArg::AcceptsOneMoreArgument();
  }
  long AddArgument(const char* iArgument) override {
    return _Repeated ? Repeated(iArgument) : TOVCmdLnOptOneArg::AddArgument(iArgument);
  }
  long Check() const override { return _Repeated ? Repeated(nullptr) : TOVCmdLnOptOneArg::Check(); }
  void Reset() override {
    TOVCmdLnOptOneArg::Reset();
    _Repeated = false;
  }

private:
  long Repeated(const char* iArgument) const {
    return TOV_RAISE_ERROR(RequestMsg(iArgument),
                           TOVCatalogMsg("TOVGRAPH", "0030", GetInternalNames()), ShortUsage());
  }
  bool _Repeated = false;
};

TOV_IMPLEMENT_CLASS(TovGraphOnceOpt, TOVCmdLnOptOneArg)

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

/// Writes the steps to the file named output; gives 0 or the failure code of the pending
/// error, whose request names the file.
long WriteSteps(const TovGraph& graph, bool tree, const TOVString& output) {
  TOVNLSMsgBldrRfHndlr request = TOVCatalogMsg("TOVGRAPH", "0020", output);
  struct stat info;
  if (stat(output, &info) == 0 && S_ISDIR(info.st_mode))
    return TOV_RAISE_ERROR(request, TOVCatalogMsg("TOVGRAPH", "0021", output),
                           TOVCatalogMsg("TOVGRAPH", "0022"));
  TOVMessageDisplayToAsciiFile* file = new TOVMessageDisplayToAsciiFile(output);
  long rc = file->OpenFile();
  if (rc == 0) {
    if (tree)
      graph.DisplayTree(*file);
    else
      graph.DisplaySteps(*file);
    rc = file->CloseFile();
  }
  file->Release();
  if (rc != 0)
    TOVError::ReplaceLastErrorRequest(rc, request);
  return rc;
}

/// How many nodes the graph file at path may name, to size the table of identifiers (it
/// grows when there are more): about two for five lines, as in a graph of a few links per
/// node. The lines are counted in a first pass over a regular file, so that a file of a
/// few long lines does not get a table the size of the file; 0 for any other file.
int EstimateNodes(const TOVString& path) {
  struct stat info;
  if (stat(path, &info) != 0 || !S_ISREG(info.st_mode))
    return 0;
  FILE* file = std::fopen(path, "r");
  if (file == nullptr)
    return 0;
  std::vector<char> buffer(1 << 16);
  long long lines = 1;
  for (size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0;)
    lines += std::count(buffer.data(), buffer.data() + got, '\n');
  std::fclose(file);
  return static_cast<int>(std::min(lines * 2 / 5, 1LL << 24));
}

/// Reads, builds and prints the graph; gives 0 or the failure code of the pending error.
long Run(const TOVString& input, bool tree, const TOVString* output) {
  TovGraph graph(EstimateNodes(input));
  long rc = graph.Read(input);
  if (rc != 0)
    return rc;
  graph.Build();
  if (output != nullptr)
    return WriteSteps(graph, tree, *output);
  TOVMessageDisplay& display = TOVMessageDisplay::GetGlobal();
  if (tree)
    graph.DisplayTree(display);
  else
    graph.DisplaySteps(display);
  return 0;
}

} // namespace

int main(int argc, char** argv) {
  TovToolGuardStandardDescriptors();
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
  TovGraphOnceOpt outputOpt(analyzer, "-o|-output", TOVCmdLnOptOptional,
                            TOVCatalogMsg("TOVGRAPH", "0003"), output, 1);
  TOVCmdLnHelpMngr help(analyzer, usage.Get(), TOVCatalogMsg("TOVGRAPH", "0004"));

  TOVErrorMngr errors;
  long rc = analyzer.Analyze(const_cast<const char**>(argv + 1), argc - 1);
  if (rc == 0)
    rc = Run(input, treeOpt.IsDefined() != 0, outputOpt.ArgumentIsAdded() ? &output : nullptr);
  if (rc != 0)
    errors.DisplayAndKeepError(rc, 1);
  // What went to the standard output (the steps, the help) must have got there.
  rc = TovToolCheckStandardOutput(TOVCatalogMsg("TOVGRAPH", "0023"),
                                  TOVCatalogMsg("TOVGRAPH", "0024"),
                                  TOVCatalogMsg("TOVGRAPH", "0025"));
  if (rc != 0)
    errors.DisplayAndKeepError(rc, 1);
  return ExitStatus(errors.ReturnSuccessOrError());
}
