#include "TOVCmdLnHelpMngr.h"

#include "TOVCmdLnAnalyzer.h"
#include "TOVCmdLnOptNoArg.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVRaiseError.h"

TOV_IMPLEMENT_CLASS(TOVCmdLnHelpMngr, TOVCmdLnOptMngr)

namespace {

const char kHelpNames[] = "-h|-help|-?";

/// Appends the built text of the builder and a line feed; nothing for an empty handler.
void AppendLine(MORUnicodeString& ioText, const TOVNLSMsgBldrRfHndlr& iHBldr) {
  if (iHBldr.Get() == nullptr)
    return;
  ioText += iHBldr->Build();
  ioText += "\n";
}

} // namespace

TOVCmdLnHelpMngr::TOVCmdLnHelpMngr(TOVCmdLnAnalyzer& iAnalyzer, TOVParamNLSMsgBldr* iUsage,
                                   const TOVNLSMsgBldrRfHndlr& iHExplainedUsage)
    : TOVCmdLnOptMngr(iAnalyzer), _pHelpOpt(nullptr), _HExplainedUsageBldr(iHExplainedUsage) {
  _pHelpOpt =
      new TOVCmdLnOptNoArg(iAnalyzer, kHelpNames, TOVCmdLnOptHelp, TOVCatalogMsg("TOVBC", "0101"));
  if (iUsage != nullptr)
    iUsage->AddNewParameter(_pHelpOpt->GetNamesOrCommandNameForMsg(nullptr));
}

TOVCmdLnHelpMngr::~TOVCmdLnHelpMngr() {
  _pHelpOpt->Release();
}

long TOVCmdLnHelpMngr::Check() {
  if (!_pHelpOpt->IsDefined())
    return TOV_RETURN_SUCCESS();
  TOVNLSMsgBldrRfHndlr help(TOVRfHndlrNoAddRef,
                            new TOVNLSMsgBldrFromString(GetHelp(), "TOVBC", "CONCAT"));
  return TOV_RAISE_ERROR(TOVNLSMsgBldrRfHndlr(), help, TOVNLSMsgBldrRfHndlr(), MORInformation, 1);
}

void TOVCmdLnHelpMngr::Reset() {}

MORUnicodeString TOVCmdLnHelpMngr::GetHelp() const {
  const TOVCmdLnAnalyzer& analyzer = _pHelpOpt->GetCmdLnAnalyzer();
  MORUnicodeString text;
  AppendLine(text, analyzer.GetHShortUsageBldr());
  const TOVVector& options = analyzer.GetOptionSet();
  int nbOptions = options.Size();
  for (int i = 0; i < nbOptions; ++i)
    AppendLine(text, static_cast<const TOVCmdLnOpt*>(options[i])->GetHUsageBldr());
  if (_HExplainedUsageBldr.Get() != nullptr) {
    if (nbOptions > 0)
      text += "\n";
    AppendLine(text, _HExplainedUsageBldr);
  }
  return text;
}

const TOVCmdLnOptNoArg& TOVCmdLnHelpMngr::GetHelpOpt() const {
  return *_pHelpOpt;
}

const TOVNLSMsgBldrRfHndlr& TOVCmdLnHelpMngr::GetHExplainedUsageBldr() const {
  return _HExplainedUsageBldr;
}
