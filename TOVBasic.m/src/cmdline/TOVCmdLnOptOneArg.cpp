#include "TOVCmdLnOptOneArg.h"

#include "TOVRaiseError.h"

TOV_IMPLEMENT_CLASS(TOVCmdLnOptOneArg, TOVCmdLnOpt)

TOVCmdLnOptOneArg::TOVCmdLnOptOneArg(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                                     TOVCmdLnOptStatusEnum iStatus,
                                     const TOVParamNLSMsgBldrRfHndlr& iHUsage,
                                     TOVString& ioArgument, unsigned int iArgumentRequired)
    : TOVCmdLnOpt(iAnalyzer, iNames, iStatus, iHUsage), _rArgument(ioArgument),
      _ArgumentRequired(iArgumentRequired), _ArgumentAdded(0) {}

TOVCmdLnOptOneArg::~TOVCmdLnOptOneArg() = default;

unsigned int TOVCmdLnOptOneArg::IsTheLastOption() const {
  return 0;
}

unsigned int TOVCmdLnOptOneArg::AcceptsOneMoreArgument() const {
  return !_ArgumentAdded;
}

long TOVCmdLnOptOneArg::AddArgument(const char* iArgument) {
  if (!AcceptsOneMoreArgument())
    return TOV_RAISE_ERROR(RequestMsg(iArgument), NamesMsg("0009"), ShortUsage());
  _rArgument = iArgument;
  _ArgumentAdded = 1;
  return TOV_RETURN_SUCCESS();
}

long TOVCmdLnOptOneArg::Check() const {
  long result = TOVCmdLnOpt::Check();
  if (result == 0 && IsDefined() && _ArgumentRequired && !_ArgumentAdded)
    return TOV_RAISE_ERROR(RequestMsg(nullptr), NamesMsg("0004"), ShortUsage());
  return result;
}

void TOVCmdLnOptOneArg::Reset() {
  TOVCmdLnOpt::Reset();
  _ArgumentAdded = 0;
}

const TOVString& TOVCmdLnOptOneArg::GetArgument() const {
  return _rArgument;
}

unsigned int TOVCmdLnOptOneArg::ArgumentIsAdded() const {
  return _ArgumentAdded;
}
