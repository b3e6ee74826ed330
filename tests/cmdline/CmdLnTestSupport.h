// Helpers shared by the command-line tests: running an analyzer on a word list and
// reading back the pending error it raised.
#ifndef CMDLNTESTSUPPORT_H
#define CMDLNTESTSUPPORT_H

#include "MORUnicodeString.h"
#include "TOVCmdLnAnalyzer.h"
#include "TOVParamNLSMsgBldrRfHndlr.h"
#include "TOVTestSupport.h"

#include <string>
#include <vector>

namespace cmdtest {

using Words = std::vector<std::string>;

/// The UTF-8 form of text.
std::string Utf8(const MORUnicodeString& text);

/// Analyze over the given words.
long Analyze(TOVCmdLnAnalyzer& analyzer, const Words& words);

/// A handler on a new builder of message iMsgId of catalog "TOVBC".
TOVParamNLSMsgBldrRfHndlr TovbcMsg(const char* iMsgId);

/// One message of an error: catalog, id and parameters (empty id: no builder).
struct SeenMsg {
  std::string catalog;
  std::string msgId;
  Words params;
};

/// What the pending error of rc says; the error is forgotten afterwards.
struct SeenError {
  bool present = false;
  int type = 0;
  long rc = 0;
  SeenMsg request;
  SeenMsg diagnostic;
  SeenMsg advice;
  std::string diagnosticText;       // the built diagnostic
  const void* adviceBldr = nullptr; // the advice builder object itself
};
SeenError TakeError(long rc);

/// The text of message iMsgId of the library's catalog file TOVBC, read directly from the
/// file, with %1... replaced by params.
std::string CatalogText(const std::string& msgId, const Words& params);
/// The same for the catalog file at path.
std::string CatalogFileText(const std::string& path, const std::string& msgId, const Words& params);

/// Checks that rc is the failure E_FAIL of a critical error whose request is "0013" with
/// iRequest and whose diagnostic is iMsgId with iParams; gives the error for more checks.
SeenError ExpectCmdLnError(long rc, const std::string& iRequest, const std::string& iMsgId,
                           const Words& iParams);

} // namespace cmdtest

#endif
