// Reading back the recoverable error that an operation made pending.
#ifndef TOVPENDINGERROR_H
#define TOVPENDINGERROR_H

#include "TOVError.h"
#include "TOVParamNLSMsgBldrCtlg.h"

#include <string>

namespace tovtest {

/// The UTF-8 text of a Unicode string.
inline std::string Utf8(const MORUnicodeString& text) {
  return MORUnicodeString::EncodeUtf8(text, text.GetLengthInChar());
}

/// The pending error of return code rc summed up as "CATALOG ID p1|p2|...", the
/// diagnostic's catalog, message id and parameters, then forgotten. Gives "no error" when
/// none is pending, and says so when the error is not a critical TOVError of code E_FAIL
/// or its diagnostic is not a catalog message.
inline std::string TakePendingError(long rc) {
  MORError* error = MORGetLastError(rc, nullptr);
  MORCleanLastError();
  if (error == nullptr)
    return "no error";
  std::string summary;
  if (!error->IsAKindOf("TOVError") || error->GetType() != MORCriticalError ||
      error->GetReturnCode() != E_FAIL) {
    summary = "not a critical TOVError of E_FAIL";
  } else {
    TOVNLSMsgBldrRfHndlr diagnostic = static_cast<TOVError*>(error)->GetHDiagnosticBldr();
    if (diagnostic.Get() == nullptr || !diagnostic->IsAKindOf("TOVParamNLSMsgBldrCtlg")) {
      summary = "diagnostic not a catalog message";
    } else {
      auto* message = static_cast<TOVParamNLSMsgBldrCtlg*>(diagnostic.Get());
      summary = std::string(message->GetMsgCatalogName()) + " " + message->GetMsgId() + " ";
      for (int i = 0; i < message->GetNbParameters(); ++i)
        summary += (i > 0 ? "|" : "") + Utf8(message->GetParameter(i));
    }
  }
  error->Release();
  return summary;
}

} // namespace tovtest

#endif
