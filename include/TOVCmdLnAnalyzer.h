// The analyzer of one command's command line.
#ifndef TOVCMDLNANALYZER_H
#define TOVCMDLNANALYZER_H

#include "MORUnicodeString.h"
#include "TOVMacro.h"
#include "TOVNLSMsgBldrRfHndlr.h"
#include "TOVParamNLSMsgBldrRfHndlr.h"
#include "TOVVector.h"

class TOVCmdLnOpt;
class TOVCmdLnOptMngr;

/// Matches the words of a command line to the options declared for the command, feeds
/// them their arguments, then lets every option and option manager check itself.
///
/// Options and managers register themselves when they are constructed, in the order that
/// is then the order of matching, checking and help lines. The analyzer neither owns nor
/// frees them: they must outlive every call of Analyze, Reset and the help.
class TOVBASIC_API TOVCmdLnAnalyzer : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVCmdLnAnalyzer)
public:
  /// A non-empty short-usage builder gets the command name as its parameter 0.
  TOVCmdLnAnalyzer(MORUnicodeString iCommandName, const TOVParamNLSMsgBldrRfHndlr& iHShortUsage);
  /// Frees neither options nor managers.
  ~TOVCmdLnAnalyzer() override;

  TOVCmdLnAnalyzer(const TOVCmdLnAnalyzer&) = delete;
  TOVCmdLnAnalyzer& operator=(const TOVCmdLnAnalyzer&) = delete;

  virtual const MORUnicodeString& GetCommandName() const;
  /// Appends the option; a help option also becomes the analyzer's help option.
  virtual void AddOption(TOVCmdLnOpt& iOption);
  /// Appends the manager.
  virtual void AddOptMngr(TOVCmdLnOptMngr& iOptMngr);
  /// A new handler on the short-usage builder (shared, not copied); empty when none.
  virtual TOVNLSMsgBldrRfHndlr GetHShortUsageBldr() const;
  /// The declared options, in declaration order.
  virtual const TOVVector& GetOptionSet() const;
  /// The declared managers, in declaration order.
  virtual const TOVVector& GetOptMngrSet() const;
  /// Reads the count words (without the command name), fills the options and runs the
  /// checks. Gives 0, or the failure code of the pending error that says what was wrong;
  /// when help was asked for, that error carries the help text (information, code 1).
  [[nodiscard]] virtual long Analyze(const char** iWords, int iCount);
  /// Returns every option, then every manager, to its state before Analyze.
  virtual void Reset();

  /// The last declared help option, or null.
  TOVCmdLnOpt* GetHelpOption() const { return _pHelpOption; }

protected:
  /// The first option, in declaration order, one of whose names equals iName byte for
  /// byte; the empty name finds the option that takes the positional arguments. Null
  /// when none.
  virtual TOVCmdLnOpt* LookupOneOption(const char* iName);

private:
  struct NameIndex;

  TOVCmdLnOpt* OptionAt(int i) const;
  TOVCmdLnOptMngr* OptMngrAt(int i) const;
  /// Gives iWord to the current option (or to the positional one when the current one
  /// is full); iCurrent may change.
  [[nodiscard]] long GiveArgument(const char* iWord, TOVCmdLnOpt*& ioCurrent,
                                  TOVCmdLnOpt* iAssociated);
  [[nodiscard]] long RunChecks();

  MORUnicodeString _CommandName;
  TOVParamNLSMsgBldrRfHndlr _HShortUsageBldr;
  TOVVector _OptionSet;
  TOVVector _OptMngrSet;
  TOVCmdLnOpt* _pHelpOption;
  /// While Analyze runs: the options by name, so that each word is found in constant time.
  NameIndex* _pNameIndex;
};

#endif
