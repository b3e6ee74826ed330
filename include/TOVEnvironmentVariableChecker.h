// Checks that environment variables are all set.
#ifndef TOVENVIRONMENTVARIABLECHECKER_H
#define TOVENVIRONMENTVARIABLECHECKER_H

#include "TOVEnvironmentVariable.h"
#include "TOVNLSMsgBldrRfHndlr.h"
#include "TOVVector.h"

class TOVBASIC_API TOVEnvironmentVariableChecker : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVEnvironmentVariableChecker)

public:
  /// iAdvice is shared and given as advice of the failure.
  explicit TOVEnvironmentVariableChecker(const TOVNLSMsgBldrRfHndlr& iAdvice);
  ~TOVEnvironmentVariableChecker() override;

  /// Adds iVariable to the variables to check; the caller keeps it alive.
  virtual void Add(TOVEnvironmentVariable& iVariable);
  /// Reads every variable from the environment, in the order of addition. When some are
  /// unset or empty: a pending error (request "0150", diagnostic "0151" naming them all,
  /// joined by ", ", and the advice).
  [[nodiscard]] virtual long ReadAndCheck();

private:
  TOVVector _Variables;
  TOVNLSMsgBldrRfHndlr _HAdviceBldr;
};

#endif
