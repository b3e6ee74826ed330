// tovinfo: prints the library's version and the tree of every registered class with its
// GUID, children indented under their parent and sorted by name.
//
//   tovinfo [-h|-help|-?] [-errors]
//
// With -errors it then walks the error path once: it raises one recoverable error of each
// type through an error manager, which shows them on their streams, and ends with the
// status of the most severe (4, the fatal error's). Exit status otherwise: 0 on success,
// 1 when the help was shown, 2 for a wrong command line, 3 when the standard output could
// not be written.
#include "MORMetaClass.h"
#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnHelpMngr.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVErrorDisplayInstall.h"
#include "TOVErrorMngr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMacro.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVOFStream.h"
#include "TOVRaiseError.h"
#include "TOVString.h"
#include "TOVVersion.h"
#include "TovToolOutput.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace {

using ClassList = std::vector<MORMetaClass*>;

/// The GUID as {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
void FormatGuid(const MORGUID& g, char (&out)[39]) {
  std::snprintf(out, sizeof out, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
}

void Collect(MORMetaClass* meta, void* context) {
  static_cast<ClassList*>(context)->push_back(meta);
}

bool ByName(const MORMetaClass* a, const MORMetaClass* b) {
  return std::strcmp(a->GetName(), b->GetName()) < 0;
}

void PrintTree(const MORMetaClass* meta, const std::map<const MORMetaClass*, ClassList>& children,
               int depth) {
  char guid[39];
  FormatGuid(meta->GetGuid(), guid);
  for (int i = 0; i < depth; ++i)
    TOVStdout << "  ";
  TOVStdout << meta->GetName() << ' ' << guid << '\n';
  auto found = children.find(meta);
  if (found == children.end())
    return;
  for (const MORMetaClass* child : found->second)
    PrintTree(child, children, depth + 1);
}

// One demonstration error per type, each with a failure code of its own so that the exit
// status tells which one the manager kept.
struct DemoError {
  MORErrorType type;
  const char* name;
  long rc;
};
const DemoError kDemoErrors[] = {
    {MORInformation, "information", MOR_STATUS(0x80040001u)},
    {MORWarning, "warning", MOR_STATUS(0x80040002u)},
    {MORFatalError, "fatal", MOR_STATUS(0x80040004u)},
    {MORCriticalError, "critical", MOR_STATUS(0x80040003u)},
};

TOVNLSMsgBldrRfHndlr Text(const char* text) {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVNLSMsgBldrFromString(text, "", ""));
}

long RaiseDemoError(const DemoError& demo) {
  TOVString request("Demonstration of the error path, type ");
  request += demo.name;
  return TOV_RAISE_ERROR(Text(static_cast<const char*>(request)),
                         TOVCatalogMsg("TOVBC", "0015", demo.name),
                         Text("Nothing to do: tovinfo raised it on purpose."), demo.type, demo.rc);
}

// The process exit status of a status code: 0 for success, else its low byte.
int ExitStatus(long rc) {
  return rc == 0 ? 0 : static_cast<int>(rc & 0xFF);
}

/// Prints the version and the class tree.
void PrintClasses() {
  TOVRegisterAllClasses();
  ClassList all;
  MORMetaClass::ForEach(&Collect, &all);
  std::sort(all.begin(), all.end(), &ByName);
  std::map<const MORMetaClass*, ClassList> children;
  ClassList roots;
  for (MORMetaClass* meta : all) {
    if (meta->GetParent() == nullptr)
      roots.push_back(meta);
    else
      children[meta->GetParent()].push_back(meta);
  }
  TOVStdout << "TOVBasic " << TOVGetVersion() << '\n';
  TOVStdout << "Registered classes: " << static_cast<unsigned long>(all.size()) << '\n';
  for (const MORMetaClass* root : roots)
    PrintTree(root, children, 0);
}

} // namespace

int main(int argc, char** argv) {
  TovToolGuardStandardDescriptors();
  TOVGlobalObjectCleaner cleaner;
  TOVSetGlobalErrorDisplayToTerm(0);
  TOVErrorMngr* manager = new TOVErrorMngr;
  TOVGlobalObjectCleaner::Add(manager);

  TOVParamNLSMsgBldrRfHndlr usage(TOVRfHndlrNoAddRef,
                                  new TOVParamNLSMsgBldrCtlg("TOVINFO", "0001"));
  TOVCmdLnAnalyzer analyzer("tovinfo", usage);
  TOVCmdLnOptNoArg errorsOpt(analyzer, "-errors", TOVCmdLnOptOptional,
                             TOVCatalogMsg("TOVINFO", "0002"));
  TOVCmdLnHelpMngr help(analyzer, usage.Get(), TOVCatalogMsg("TOVINFO", "0003"));
  long rc = analyzer.Analyze(const_cast<const char**>(argv + 1), argc - 1);
  if (rc != 0)
    manager->DisplayAndKeepError(rc, 1);
  else
    PrintClasses();
  // What went to the standard output must have got there; a failure is a critical error
  // of its own code.
  long written =
      TovToolCheckStandardOutput(TOVCatalogMsg("TOVINFO", "0010"), TOVCatalogMsg("TOVINFO", "0011"),
                                 TOVCatalogMsg("TOVINFO", "0012"), MOR_STATUS(0x80040003u));
  if (written != 0)
    manager->DisplayAndKeepError(written, 1);
  if (rc != 0) // the help or a wrong command line, told as the other tools tell them
    return written != 0 ? ExitStatus(written) : (rc > 0 ? 1 : 2);
  if (errorsOpt.IsDefined())
    for (const DemoError& demo : kDemoErrors)
      manager->DisplayAndKeepError(RaiseDemoError(demo), 1);
  return ExitStatus(manager->ReturnSuccessOrError());
}
