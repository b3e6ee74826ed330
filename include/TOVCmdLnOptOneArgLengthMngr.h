// Checks the length of a one-argument option's value.
#ifndef TOVCMDLNOPTONEARGLENGTHMNGR_H
#define TOVCMDLNOPTONEARGLENGTHMNGR_H

#include "TOVCmdLnOptMngr.h"

class TOVCmdLnOptOneArg;

/// Fails when the option received a value shorter than the minimum or longer than the
/// maximum (a negative maximum means none).
class TOVBASIC_API TOVCmdLnOptOneArgLengthMngr : public TOVCmdLnOptMngr {
  TOV_DECLARE_CLASS(TOVCmdLnOptOneArgLengthMngr)
public:
  TOVCmdLnOptOneArgLengthMngr(TOVCmdLnAnalyzer& iAnalyzer, const TOVCmdLnOptOneArg& iOption,
                              int iMinimum, int iMaximum);
  ~TOVCmdLnOptOneArgLengthMngr() override;

  [[nodiscard]] long Check() override;
  void Reset() override;

private:
  const TOVCmdLnOptOneArg* _pOption;
  int _Minimum;
  int _Maximum;
};

#endif
