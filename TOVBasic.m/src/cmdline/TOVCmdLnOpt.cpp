#include "TOVCmdLnOpt.h"

#include "TOVCmdLnAnalyzer.h"
#include "TOVRaiseError.h"
#include "TOVString.h"

#include <cctype>

TOV_IMPLEMENT_CLASS(TOVCmdLnOpt, MORBaseUnknown)

TOVCmdLnOpt::TOVCmdLnOpt(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                         TOVCmdLnOptStatusEnum iStatus, const TOVParamNLSMsgBldrRfHndlr& iHUsage)
    : _pCmdLnAnalyzer(&iAnalyzer), _IsAssociatedWithCommand(0),
      _NameSet(TOVContainerReleaseAtDelete), _Status(iStatus), _HUsageBldr(iHUsage), _IsDefined(0) {
  SetNames(iNames);
  if (_HUsageBldr.Get() != nullptr)
    _HUsageBldr->SetParameter(0, iNames);
  iAnalyzer.AddOption(*this);
}

TOVCmdLnOpt::~TOVCmdLnOpt() = default;

void TOVCmdLnOpt::ConcatArgumentForMsg(MORUnicodeString& ioText, const char* iArgument) {
  if (iArgument == nullptr)
    return;
  if (!ioText.IsEmpty())
    ioText += " ";
  ioText += "\"";
  ioText += iArgument;
  ioText += "\"";
}

void TOVCmdLnOpt::SetNames(const char* iNames) {
  _InternalNames = "";
  _IsAssociatedWithCommand = 0;
  _NameSet.ReleaseElementsAndClear();
  if (iNames == nullptr || iNames[0] == '\0') {
    _NameSet.Append(new TOVString(""));
    _IsAssociatedWithCommand = 1;
    return;
  }
  const char* p = iNames;
  for (;;) {
    while (*p != '\0' && std::isspace(static_cast<unsigned char>(*p)))
      ++p;
    const char* start = p;
    while (*p != '\0' && *p != '|' && !std::isspace(static_cast<unsigned char>(*p)))
      ++p;
    int length = static_cast<int>(p - start);
    TOVString* name = new TOVString();
    name->Copy(start, length);
    _NameSet.Append(name);
    if (length == 0) {
      _IsAssociatedWithCommand = 1;
    } else {
      if (!_InternalNames.IsEmpty())
        _InternalNames += "|";
      _InternalNames += static_cast<const char*>(*name);
    }
    // Whatever follows the name in its alternative is ignored.
    while (*p != '\0' && *p != '|')
      ++p;
    if (*p == '\0')
      break;
    ++p;
  }
}

const TOVCmdLnAnalyzer& TOVCmdLnOpt::GetCmdLnAnalyzer() const {
  return *_pCmdLnAnalyzer;
}

unsigned int TOVCmdLnOpt::IsAssociatedWithCommand() const {
  return _IsAssociatedWithCommand;
}

const TOVVector& TOVCmdLnOpt::GetNameSet() const {
  return _NameSet;
}

unsigned int TOVCmdLnOpt::IsHelpOption() const {
  return _Status == TOVCmdLnOptHelp;
}

unsigned int TOVCmdLnOpt::IsMandatory() const {
  return _Status == TOVCmdLnOptMandatory;
}

void TOVCmdLnOpt::SetToDefined() {
  _IsDefined = 1;
}

unsigned int TOVCmdLnOpt::IsDefined() const {
  return _IsDefined;
}

TOVNLSMsgBldrRfHndlr TOVCmdLnOpt::GetHUsageBldr() const {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrAddRef, _HUsageBldr.Get());
}

long TOVCmdLnOpt::Check() const {
  if (IsMandatory() && !IsDefined())
    return TOV_RAISE_ERROR(RequestMsg(nullptr), NamesMsg("0002"), ShortUsage());
  return TOV_RETURN_SUCCESS();
}

void TOVCmdLnOpt::Reset() {
  _IsDefined = 0;
}

const MORUnicodeString& TOVCmdLnOpt::GetInternalNames() const {
  return _InternalNames;
}

MORUnicodeString TOVCmdLnOpt::GetNamesOrCommandNameForMsg(const char* iArgument) const {
  MORUnicodeString text;
  if (!_IsAssociatedWithCommand) {
    text = _InternalNames;
  } else {
    text = _pCmdLnAnalyzer->GetCommandName();
    if (!_InternalNames.IsEmpty()) {
      text += " [";
      text += _InternalNames;
      text += "]";
    }
  }
  ConcatArgumentForMsg(text, iArgument);
  return text;
}

MORUnicodeString TOVCmdLnOpt::GetCommandNameAndNamesForMsg(const char* iArgument) const {
  if (_IsAssociatedWithCommand)
    return GetNamesOrCommandNameForMsg(iArgument);
  MORUnicodeString text(_pCmdLnAnalyzer->GetCommandName());
  text += " ";
  text += _InternalNames;
  ConcatArgumentForMsg(text, iArgument);
  return text;
}

TOVParamNLSMsgBldrCtlgRfHndlr TOVCmdLnOpt::NamesMsg(const char* iMsgId) const {
  return TOVCatalogMsg("TOVBC", iMsgId, GetNamesOrCommandNameForMsg(nullptr));
}

TOVNLSMsgBldrRfHndlr TOVCmdLnOpt::RequestMsg(const char* iArgument) const {
  return TOVCatalogMsg("TOVBC", "0013", GetCommandNameAndNamesForMsg(iArgument));
}

TOVNLSMsgBldrRfHndlr TOVCmdLnOpt::ShortUsage() const {
  return _pCmdLnAnalyzer->GetHShortUsageBldr();
}
