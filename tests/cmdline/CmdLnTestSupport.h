// Helpers of the command-line tests: running an analyzer on a word list, reading back the
// pending error it raised, and the texts of the catalog files.
#ifndef CMDLNTESTSUPPORT_H
#define CMDLNTESTSUPPORT_H

#include "MORError.h"
#include "TOVCmdLnAnalyzer.h"
#include "TOVError.h"
#include "TOVParamNLSMsgBldrCtlg.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"
#include "TOVVector.h"

#include <fstream>
#include <string>
#include <vector>

namespace cmdtest {

using Words = std::vector<std::string>;

using tovtest::Utf8;

/// No message builder.
const TOVParamNLSMsgBldrRfHndlr kNone;

/// The texts of a vector of TOVString.
inline Words Strings(const TOVVector& set) {
  Words out;
  for (int i = 0; i < set.Size(); ++i)
    out.push_back(static_cast<const char*>(*static_cast<const TOVString*>(set[i])));
  return out;
}

inline long Analyze(TOVCmdLnAnalyzer& analyzer, const Words& words) {
  std::vector<const char*> pointers;
  for (const std::string& word : words)
    pointers.push_back(word.c_str());
  return analyzer.Analyze(pointers.data(), static_cast<int>(pointers.size()));
}

inline TOVParamNLSMsgBldrRfHndlr TovbcMsg(const char* msgId) {
  return TOVParamNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVParamNLSMsgBldrCtlg("TOVBC", msgId));
}

/// A message of an error: its id, then its parameters (empty when there is no builder).
/// With iOfTovbc, a catalog message must come from catalog "TOVBC".
inline Words Describe(const TOVNLSMsgBldrRfHndlr& handler, bool iOfTovbc = true) {
  Words seen;
  if (handler.Get() == nullptr)
    return seen;
  seen.push_back(handler->GetMsgId());
  if (handler->IsAKindOf("TOVParamNLSMsgBldrCtlg")) {
    const auto* ctlg = static_cast<const TOVParamNLSMsgBldrCtlg*>(handler.Get());
    if (iOfTovbc) {
      EXPECT_STREQ(ctlg->GetMsgCatalogName(), "TOVBC");
    }
    for (int i = 0; i < ctlg->GetNbParameters(); ++i)
      seen.push_back(Utf8(ctlg->GetParameter(i)));
  }
  return seen;
}

/// What the pending error of rc says; it is forgotten afterwards.
struct SeenError {
  int type = 0;
  long rc = 0;
  Words request, diagnostic;
  std::string diagnosticText;
  const void* advice = nullptr; // the advice builder itself
  Words adviceMessage;          // its id and parameters
};
inline SeenError TakeError(long rc) {
  SeenError seen;
  MORError* error = MORGetLastError(rc, nullptr);
  if (error == nullptr || !error->IsAKindOf("TOVError")) {
    ADD_FAILURE() << "no pending TOVError for " << rc;
    return seen;
  }
  auto* tovError = static_cast<TOVError*>(error);
  seen = {tovError->GetType(),
          tovError->GetReturnCode(),
          Describe(tovError->GetHRequestBldr()),
          Describe(tovError->GetHDiagnosticBldr()),
          Utf8(tovError->GetNLSDiagnostic()),
          tovError->GetHAdviceBldr().Get(),
          Describe(tovError->GetHAdviceBldr(), false)};
  error->Release();
  MORCleanLastError();
  return seen;
}

/// Checks that rc is E_FAIL with a critical error whose request is "0013" with request
/// and whose diagnostic is the id and parameters given.
inline SeenError ExpectCmdLnError(long rc, const std::string& request, const Words& diagnostic) {
  EXPECT_EQ(rc, E_FAIL);
  SeenError seen = TakeError(rc);
  EXPECT_EQ(seen.type, MORCriticalError);
  EXPECT_EQ(seen.request, (Words{"0013", request}));
  EXPECT_EQ(seen.diagnostic, diagnostic);
  return seen;
}

/// Message msgId of a catalog file (the library's TOVBC by default), read from the file
/// itself, with %1... replaced by params.
inline std::string CatalogText(const std::string& msgId, const Words& params,
                               std::string path = TOV_SOURCE_DIR "/catalogs/TOVBC.msg") {
  std::ifstream in(path);
  std::string prefix = msgId + " = ";
  for (std::string line; std::getline(in, line);) {
    if (line.compare(0, prefix.size(), prefix) != 0)
      continue;
    std::string text;
    for (size_t i = prefix.size(); i < line.size(); ++i) {
      bool param =
          line[i] == '%' && i + 1 < line.size() && line[i + 1] >= '1' && line[i + 1] <= '9';
      text += param ? params.at(static_cast<size_t>(line[++i] - '1')) : std::string(1, line[i]);
    }
    return text;
  }
  ADD_FAILURE() << "message " << msgId << " is not in " << path;
  return std::string();
}

} // namespace cmdtest

#endif
