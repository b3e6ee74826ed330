// A check that runs over options after every word of a command line was read.
#ifndef TOVCMDLNOPTMNGR_H
#define TOVCMDLNOPTMNGR_H

#include "TOVMacro.h"

class TOVCmdLnAnalyzer;

/// Abstract option manager. It registers itself with its analyzer on construction; the
/// analyzer calls Check after the options' own checks, in declaration order.
class TOVBASIC_API TOVCmdLnOptMngr : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVCmdLnOptMngr)
public:
  explicit TOVCmdLnOptMngr(TOVCmdLnAnalyzer& iAnalyzer);
  ~TOVCmdLnOptMngr() override;

  TOVCmdLnOptMngr(const TOVCmdLnOptMngr&) = delete;
  TOVCmdLnOptMngr& operator=(const TOVCmdLnOptMngr&) = delete;

  /// 0, or the failure code of the pending error that says what is wrong.
  [[nodiscard]] virtual long Check() = 0;
  /// Back to the state before analysis.
  virtual void Reset() = 0;
  virtual const TOVCmdLnAnalyzer& GetCmdLnAnalyzer() const;

private:
  TOVCmdLnAnalyzer& _rCmdLnAnalyzer;
};

#endif
