// The option manager that declares the help option and raises the generated help.
#ifndef TOVCMDLNHELPMNGR_H
#define TOVCMDLNHELPMNGR_H

#include "MORUnicodeString.h"
#include "TOVCmdLnOptMngr.h"
#include "TOVNLSMsgBldrRfHndlr.h"

class TOVCmdLnOptNoArg;
class TOVParamNLSMsgBldr;

/// Declares the help option "-h|-help|-?" of its analyzer. When that option was given,
/// Check raises the help text as an information error (code 1), which the analyzer
/// returns like any other error.
class TOVBASIC_API TOVCmdLnHelpMngr : public TOVCmdLnOptMngr {
  TOV_DECLARE_CLASS(TOVCmdLnHelpMngr)
public:
  /// Registers the manager, then creates the help option. A non-null iUsage (normally
  /// the analyzer's short usage) gets the help option's names as its next parameter.
  /// The explained usage, when not empty, closes the help text.
  TOVCmdLnHelpMngr(TOVCmdLnAnalyzer& iAnalyzer, TOVParamNLSMsgBldr* iUsage,
                   const TOVNLSMsgBldrRfHndlr& iHExplainedUsage);
  /// Releases the help option; the analyzer must not be used after that.
  ~TOVCmdLnHelpMngr() override;

  /// Success when the help option was not given; else raises the help.
  [[nodiscard]] long Check() override;
  /// Nothing to reset: the help option is reset as an option.
  void Reset() override;
  /// The short usage, one line per described option, then the explained usage after an
  /// empty line; every piece ends with a line feed.
  virtual MORUnicodeString GetHelp() const;
  virtual const TOVCmdLnOptNoArg& GetHelpOpt() const;
  virtual const TOVNLSMsgBldrRfHndlr& GetHExplainedUsageBldr() const;

private:
  TOVCmdLnOptNoArg* _pHelpOpt;
  TOVNLSMsgBldrRfHndlr _HExplainedUsageBldr;
};

#endif
