// A command-line option with one value.
#ifndef TOVCMDLNOPTONEARG_H
#define TOVCMDLNOPTONEARG_H

#include "TOVCmdLnOpt.h"
#include "TOVString.h"

/// An option that stores one value in a string of the caller's.
class TOVBASIC_API TOVCmdLnOptOneArg : public TOVCmdLnOpt {
  TOV_DECLARE_CLASS(TOVCmdLnOptOneArg)
public:
  /// ioArgument receives the value and must outlive the option. With iArgumentRequired
  /// set, an option that is given must be given its value.
  TOVCmdLnOptOneArg(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames, TOVCmdLnOptStatusEnum iStatus,
                    const TOVParamNLSMsgBldrRfHndlr& iHUsage, TOVString& ioArgument,
                    unsigned int iArgumentRequired);
  ~TOVCmdLnOptOneArg() override;

  unsigned int IsTheLastOption() const override;
  /// 1 while no value was stored.
  unsigned int AcceptsOneMoreArgument() const override;
  /// Stores the value; a second value fails.
  [[nodiscard]] long AddArgument(const char* iArgument) override;
  /// The mandatory check, then: given with a required value, but without it, fails.
  [[nodiscard]] long Check() const override;
  /// Not defined and no value (the caller's string keeps the last value).
  void Reset() override;

  virtual const TOVString& GetArgument() const;
  virtual unsigned int ArgumentIsAdded() const;

private:
  TOVString& _rArgument;
  unsigned int _ArgumentRequired;
  unsigned int _ArgumentAdded;
};

#endif
