// An option of a command line: its names, its status, its help line and its state.
#ifndef TOVCMDLNOPT_H
#define TOVCMDLNOPT_H

#include "MORUnicodeString.h"
#include "TOVCmdLnOptStatusEnum.h"
#include "TOVMacro.h"
#include "TOVNLSMsgBldrRfHndlr.h"
#include "TOVParamNLSMsgBldrCtlgRfHndlr.h"
#include "TOVParamNLSMsgBldrRfHndlr.h"
#include "TOVVector.h"

class TOVCmdLnAnalyzer;

/// Abstract option. It registers itself with its analyzer on construction and stays
/// registered: it must outlive every use of the analyzer.
///
/// The names are given as alternatives separated by "|" ("-o|-output"); an empty
/// alternative (or an empty or null text) makes the option the one that takes the
/// command's positional arguments.
class TOVBASIC_API TOVCmdLnOpt : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVCmdLnOpt)
public:
  /// A non-empty usage builder gets iNames, exactly as given, as its parameter 0.
  TOVCmdLnOpt(TOVCmdLnAnalyzer& iAnalyzer, const char* iNames, TOVCmdLnOptStatusEnum iStatus,
              const TOVParamNLSMsgBldrRfHndlr& iHUsage);
  /// Destroys the names; does not unregister from the analyzer.
  ~TOVCmdLnOpt() override;

  TOVCmdLnOpt(const TOVCmdLnOpt&) = delete;
  TOVCmdLnOpt& operator=(const TOVCmdLnOpt&) = delete;

  /// Appends to ioText, when iArgument is not null, a blank (unless ioText is empty) and
  /// iArgument in double quotes.
  static void ConcatArgumentForMsg(MORUnicodeString& ioText, const char* iArgument);

  virtual const TOVCmdLnAnalyzer& GetCmdLnAnalyzer() const;
  /// 1 when the option takes the command's positional arguments.
  virtual unsigned int IsAssociatedWithCommand() const;
  /// Every declared name (TOVString), the empty one included, in declared order.
  virtual const TOVVector& GetNameSet() const;
  virtual unsigned int IsHelpOption() const;
  virtual unsigned int IsMandatory() const;
  /// 1 when every word after this option's name is one of its arguments.
  virtual unsigned int IsTheLastOption() const = 0;
  virtual void SetToDefined();
  /// 1 once the option was named (the positional option: once analysis began).
  virtual unsigned int IsDefined() const;
  virtual unsigned int AcceptsOneMoreArgument() const = 0;
  /// Stores iArgument; gives 0, or a failure code with a pending error when the option
  /// cannot take it.
  [[nodiscard]] virtual long AddArgument(const char* iArgument) = 0;
  /// A handler on the usage builder (the option's help line); empty when none.
  virtual TOVNLSMsgBldrRfHndlr GetHUsageBldr() const;
  /// The mandatory check: fails when the option is mandatory and was not given.
  [[nodiscard]] virtual long Check() const;
  /// Back to the freshly constructed state.
  virtual void Reset();
  /// The non-empty names joined by "|".
  virtual const MORUnicodeString& GetInternalNames() const;
  /// The command name and the names (the positional option: as GetNamesOrCommandNameForMsg),
  /// then the quoted argument when not null.
  virtual MORUnicodeString GetCommandNameAndNamesForMsg(const char* iArgument) const;
  /// The names (the positional option: the command name, then " [" names "]" when it has
  /// names), then the quoted argument when not null.
  virtual MORUnicodeString GetNamesOrCommandNameForMsg(const char* iArgument) const;

protected:
  /// Reads the names from the "|"-separated text; null or empty is the empty name.
  virtual void SetNames(const char* iNames);

  /// Message iMsgId of catalog "TOVBC" with the option's names as first parameter.
  TOVParamNLSMsgBldrCtlgRfHndlr NamesMsg(const char* iMsgId) const;
  /// The request of every failure of an option: "0013" with the command, the names and
  /// the quoted argument (when not null).
  TOVNLSMsgBldrRfHndlr RequestMsg(const char* iArgument) const;
  /// The short usage of the command, the advice of most failures.
  TOVNLSMsgBldrRfHndlr ShortUsage() const;

private:
  TOVCmdLnAnalyzer* _pCmdLnAnalyzer;
  MORUnicodeString _InternalNames;
  unsigned int _IsAssociatedWithCommand;
  TOVVector _NameSet;
  TOVCmdLnOptStatusEnum _Status;
  TOVParamNLSMsgBldrRfHndlr _HUsageBldr;
  unsigned int _IsDefined;
};

#endif
