#include "TOVCmdLnOptMultiArg.h"

#include "TOVRaiseError.h"
#include "TOVString.h"

TOV_IMPLEMENT_CLASS(TOVCmdLnOptMultiArg, TOVCmdLnOpt)

TOVCmdLnOptMultiArg::TOVCmdLnOptMultiArg(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                                         TOVCmdLnOptStatusEnum iStatus,
                                         const TOVParamNLSMsgBldrRfHndlr& iHUsage,
                                         TOVContainer& ioArgumentSet, int iMinimum, int iMaximum,
                                         unsigned int iIsTheLastOption)
    : TOVCmdLnOpt(iAnalyzer, iNames, iStatus, iHUsage), _rArgumentSet(ioArgumentSet),
      _Minimum(iMinimum), _Maximum(iMaximum), _Count(0), _IsTheLastOption(iIsTheLastOption) {}

TOVCmdLnOptMultiArg::~TOVCmdLnOptMultiArg() = default;

unsigned int TOVCmdLnOptMultiArg::IsTheLastOption() const {
  return _IsTheLastOption;
}

unsigned int TOVCmdLnOptMultiArg::AcceptsOneMoreArgument() const {
  return _Maximum < 0 || _Count < _Maximum;
}

long TOVCmdLnOptMultiArg::AddArgument(const char* iArgument) {
  if (AcceptsOneMoreArgument()) {
    _rArgumentSet.Add(new TOVString(iArgument), 1);
    ++_Count;
    return TOV_RETURN_SUCCESS();
  }
  // The maximum is not negative here, so the no-maximum case does not occur.
  static const CountMsgIds refusal = {"0009", "0010", "0012", "0011", "0011"};
  return TOV_RAISE_ERROR(RequestMsg(iArgument), CountMsg(refusal), ShortUsage());
}

long TOVCmdLnOptMultiArg::Check() const {
  long result = TOVCmdLnOpt::Check();
  if (result != 0 || !IsDefined())
    return result;
  if ((_Minimum < 1 || _Count >= _Minimum) && (_Maximum < 0 || _Count <= _Maximum))
    return result;
  static const CountMsgIds wrongCount = {"0004", "0005", "0008", "0007", "0006"};
  return TOV_RAISE_ERROR(RequestMsg(nullptr), CountMsg(wrongCount), ShortUsage());
}

TOVParamNLSMsgBldrCtlgRfHndlr TOVCmdLnOptMultiArg::CountMsg(const CountMsgIds& iIds) const {
  if (_Minimum == _Maximum && _Minimum == 1)
    return NamesMsg(iIds.exactlyOne);
  TOVParamNLSMsgBldrCtlgRfHndlr message;
  if (_Minimum == _Maximum) {
    message = NamesMsg(iIds.exactly);
    message->AddNewParameter(_Minimum);
  } else if (_Minimum < 1) {
    message = NamesMsg(iIds.noMinimum);
    message->AddNewParameter(_Maximum);
  } else if (_Maximum < 0) {
    message = NamesMsg(iIds.noMaximum);
    message->AddNewParameter(_Minimum);
  } else {
    message = NamesMsg(iIds.bothBounds);
    message->AddNewParameter(_Minimum);
    message->AddNewParameter(_Maximum);
  }
  return message;
}

void TOVCmdLnOptMultiArg::Reset() {
  TOVCmdLnOpt::Reset();
  _Count = 0;
}

const TOVContainer& TOVCmdLnOptMultiArg::GetArgumentSet() const {
  return _rArgumentSet;
}
