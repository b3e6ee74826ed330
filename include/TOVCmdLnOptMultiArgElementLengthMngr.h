// Checks the length of every argument of a multi-argument option.
#ifndef TOVCMDLNOPTMULTIARGELEMENTLENGTHMNGR_H
#define TOVCMDLNOPTMULTIARGELEMENTLENGTHMNGR_H

#include "TOVCmdLnOptMngr.h"

class TOVCmdLnOptMultiArg;

/// Fails on the first argument, in the order of the option's argument set, that is
/// shorter than the minimum or longer than the maximum (a negative maximum means none).
class TOVBASIC_API TOVCmdLnOptMultiArgElementLengthMngr : public TOVCmdLnOptMngr {
  TOV_DECLARE_CLASS(TOVCmdLnOptMultiArgElementLengthMngr)
public:
  TOVCmdLnOptMultiArgElementLengthMngr(TOVCmdLnAnalyzer& iAnalyzer,
                                       const TOVCmdLnOptMultiArg& iOption, int iMinimum,
                                       int iMaximum);
  ~TOVCmdLnOptMultiArgElementLengthMngr() override;

  [[nodiscard]] long Check() override;
  void Reset() override;

private:
  const TOVCmdLnOptMultiArg* _pOption;
  int _Minimum;
  int _Maximum;
};

#endif
