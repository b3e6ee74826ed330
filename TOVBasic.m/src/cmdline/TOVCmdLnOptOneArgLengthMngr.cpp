#include "TOVCmdLnOptOneArgLengthMngr.h"

#include "TOVCmdLnLengthCheck.h"
#include "TOVCmdLnOptOneArg.h"
#include "TOVRaiseError.h"

TOV_IMPLEMENT_CLASS(TOVCmdLnOptOneArgLengthMngr, TOVCmdLnOptMngr)

TOVCmdLnOptOneArgLengthMngr::TOVCmdLnOptOneArgLengthMngr(TOVCmdLnAnalyzer& iAnalyzer,
                                                         const TOVCmdLnOptOneArg& iOption,
                                                         int iMinimum, int iMaximum)
    : TOVCmdLnOptMngr(iAnalyzer), _pOption(&iOption), _Minimum(iMinimum), _Maximum(iMaximum) {}

TOVCmdLnOptOneArgLengthMngr::~TOVCmdLnOptOneArgLengthMngr() = default;

long TOVCmdLnOptOneArgLengthMngr::Check() {
  if (!_pOption->ArgumentIsAdded())
    return TOV_RETURN_SUCCESS();
  long result = TOVCmdLnCheckLength(*_pOption, _pOption->GetArgument(), _Minimum, _Maximum);
  return result != 0 ? result : TOV_RETURN_SUCCESS();
}

void TOVCmdLnOptOneArgLengthMngr::Reset() {}
