// A command-line option with a counted list of arguments.
#ifndef TOVCMDLNOPTMULTIARG_H
#define TOVCMDLNOPTMULTIARG_H

#include "TOVCmdLnOpt.h"
#include "TOVContainer.h"

/// An option that adds one new TOVString per argument to a container of the caller's,
/// whose delete policy decides who frees them.
class TOVBASIC_API TOVCmdLnOptMultiArg : public TOVCmdLnOpt {
  TOV_DECLARE_CLASS(TOVCmdLnOptMultiArg)
public:
  /// A minimum below 1 means none, a negative maximum none. With iIsTheLastOption set,
  /// every word after the option's name is one of its arguments.
  TOVCmdLnOptMultiArg(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames,
                      TOVCmdLnOptStatusEnum iStatus, const TOVParamNLSMsgBldrRfHndlr& iHUsage,
                      TOVContainer& ioArgumentSet, int iMinimum, int iMaximum,
                      unsigned int iIsTheLastOption);
  ~TOVCmdLnOptMultiArg() override;

  unsigned int IsTheLastOption() const override;
  /// 1 while the maximum is not reached.
  unsigned int AcceptsOneMoreArgument() const override;
  /// Adds the argument; one beyond the maximum fails.
  [[nodiscard]] long AddArgument(const char* iArgument) override;
  /// The mandatory check, then, when given: the count must lie within the bounds.
  [[nodiscard]] long Check() const override;
  /// Not defined and a count of 0 (the container keeps its strings).
  void Reset() override;

  virtual const TOVContainer& GetArgumentSet() const;

  /// The number of arguments received since construction or the last Reset.
  int GetCount() const { return _Count; }

private:
  /// Message ids of a count diagnostic, by case of the bounds.
  struct CountMsgIds {
    const char* exactlyOne; // minimum = maximum = 1
    const char* exactly;    // minimum = maximum, not 1
    const char* noMinimum;  // minimum below 1
    const char* noMaximum;  // maximum negative
    const char* bothBounds;
  };
  /// The diagnostic for the option's bounds: names, then the bounds the case names.
  TOVParamNLSMsgBldrCtlgRfHndlr CountMsg(const CountMsgIds& iIds) const;

  TOVContainer& _rArgumentSet;
  int _Minimum;
  int _Maximum;
  int _Count;
  unsigned int _IsTheLastOption;
};

#endif
