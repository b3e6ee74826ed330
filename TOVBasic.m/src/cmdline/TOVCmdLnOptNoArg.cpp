#include "TOVCmdLnOptNoArg.h"

#include "TOVRaiseError.h"

TOV_IMPLEMENT_CLASS(TOVCmdLnOptNoArg, TOVCmdLnOpt)

TOVCmdLnOptNoArg::TOVCmdLnOptNoArg(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                                   TOVCmdLnOptStatusEnum iStatus,
                                   const TOVParamNLSMsgBldrRfHndlr& iHUsage)
    : TOVCmdLnOpt(iAnalyzer, iNames, iStatus, iHUsage) {}

TOVCmdLnOptNoArg::~TOVCmdLnOptNoArg() = default;

unsigned int TOVCmdLnOptNoArg::IsTheLastOption() const {
  return 0;
}

unsigned int TOVCmdLnOptNoArg::AcceptsOneMoreArgument() const {
  return 0;
}

long TOVCmdLnOptNoArg::AddArgument(const char* iArgument) {
  return TOV_RAISE_ERROR(RequestMsg(iArgument), NamesMsg("0003"), ShortUsage());
}
