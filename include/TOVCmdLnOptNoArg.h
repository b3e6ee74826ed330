// A command-line option without argument: a switch.
#ifndef TOVCMDLNOPTNOARG_H
#define TOVCMDLNOPTNOARG_H

#include "TOVCmdLnOpt.h"

/// An option that is given or not; it refuses every argument.
class TOVBASIC_API TOVCmdLnOptNoArg : public TOVCmdLnOpt {
  TOV_DECLARE_CLASS(TOVCmdLnOptNoArg)
public:
  TOVCmdLnOptNoArg(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames, TOVCmdLnOptStatusEnum iStatus,
                   const TOVParamNLSMsgBldrRfHndlr& iHUsage);
  ~TOVCmdLnOptNoArg() override;

  unsigned int IsTheLastOption() const override;
  unsigned int AcceptsOneMoreArgument() const override;
  /// Always fails: the option takes no argument.
  [[nodiscard]] long AddArgument(const char* iArgument) override;
};

#endif
