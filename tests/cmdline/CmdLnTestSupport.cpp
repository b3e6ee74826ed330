#include "CmdLnTestSupport.h"

#include "MORError.h"
#include "TOVError.h"
#include "TOVParamNLSMsgBldrCtlg.h"

#include <fstream>

namespace cmdtest {

std::string Utf8(const MORUnicodeString& text) {
  return MORUnicodeString::EncodeUtf8(text, text.GetLengthInChar());
}

long Analyze(TOVCmdLnAnalyzer& analyzer, const Words& words) {
  std::vector<const char*> pointers;
  for (const std::string& word : words)
    pointers.push_back(word.c_str());
  return analyzer.Analyze(pointers.data(), static_cast<int>(pointers.size()));
}

TOVParamNLSMsgBldrRfHndlr TovbcMsg(const char* iMsgId) {
  return TOVParamNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef, new TOVParamNLSMsgBldrCtlg("TOVBC", iMsgId));
}

namespace {

SeenMsg Describe(const TOVNLSMsgBldrRfHndlr& handler) {
  SeenMsg seen;
  if (handler.Get() == nullptr)
    return seen;
  seen.catalog = handler->GetMsgCatalogName();
  seen.msgId = handler->GetMsgId();
  if (handler->IsAKindOf("TOVParamNLSMsgBldrCtlg")) {
    const auto* ctlg = static_cast<const TOVParamNLSMsgBldrCtlg*>(handler.Get());
    for (int i = 0; i < ctlg->GetNbParameters(); ++i)
      seen.params.push_back(Utf8(ctlg->GetParameter(i)));
  }
  return seen;
}

} // namespace

SeenError TakeError(long rc) {
  SeenError seen;
  MORError* error = MORGetLastError(rc, nullptr);
  if (error == nullptr)
    return seen;
  seen.present = true;
  seen.type = error->GetType();
  seen.rc = error->GetReturnCode();
  if (error->IsAKindOf("TOVError")) {
    auto* tovError = static_cast<TOVError*>(error);
    seen.request = Describe(tovError->GetHRequestBldr());
    seen.diagnostic = Describe(tovError->GetHDiagnosticBldr());
    seen.advice = Describe(tovError->GetHAdviceBldr());
    seen.diagnosticText = Utf8(tovError->GetNLSDiagnostic());
    seen.adviceBldr = tovError->GetHAdviceBldr().Get();
  }
  error->Release();
  MORCleanLastError();
  return seen;
}

std::string CatalogText(const std::string& msgId, const Words& params) {
  return CatalogFileText(std::string(TOV_SOURCE_DIR) + "/catalogs/TOVBC.msg", msgId, params);
}

std::string CatalogFileText(const std::string& path, const std::string& msgId,
                            const Words& params) {
  std::ifstream in(path);
  std::string line;
  std::string prefix = msgId + " = ";
  while (std::getline(in, line)) {
    if (line.compare(0, prefix.size(), prefix) != 0)
      continue;
    std::string text;
    for (size_t i = prefix.size(); i < line.size(); ++i) {
      char c = line[i];
      if (c == '%' && i + 1 < line.size() && line[i + 1] >= '1' && line[i + 1] <= '9') {
        size_t index = static_cast<size_t>(line[++i] - '1');
        text += index < params.size() ? params[index] : "???";
      } else if (c == '%' && i + 1 < line.size() && line[i + 1] == '%') {
        text += '%';
        ++i;
      } else {
        text += c;
      }
    }
    return text;
  }
  ADD_FAILURE() << "message " << msgId << " is not in " << path;
  return std::string();
}

SeenError ExpectCmdLnError(long rc, const std::string& iRequest, const std::string& iMsgId,
                           const Words& iParams) {
  EXPECT_EQ(rc, E_FAIL);
  SeenError seen = TakeError(rc);
  EXPECT_TRUE(seen.present) << "no pending error";
  EXPECT_EQ(seen.type, MORCriticalError);
  EXPECT_EQ(seen.request.catalog, "TOVBC");
  EXPECT_EQ(seen.request.msgId, "0013");
  EXPECT_EQ(seen.request.params, Words{iRequest});
  EXPECT_EQ(seen.diagnostic.catalog, "TOVBC");
  EXPECT_EQ(seen.diagnostic.msgId, iMsgId);
  EXPECT_EQ(seen.diagnostic.params, iParams);
  return seen;
}

} // namespace cmdtest
