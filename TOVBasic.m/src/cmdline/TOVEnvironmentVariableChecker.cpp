#include "TOVEnvironmentVariableChecker.h"
#include "TOVRaiseError.h"

TOV_IMPLEMENT_CLASS(TOVEnvironmentVariableChecker, MORBaseUnknown)

TOVEnvironmentVariableChecker::TOVEnvironmentVariableChecker(const TOVNLSMsgBldrRfHndlr& iAdvice)
    : _Variables(TOVContainerNothingAtDelete), _HAdviceBldr(iAdvice) {}

TOVEnvironmentVariableChecker::~TOVEnvironmentVariableChecker() = default;

void TOVEnvironmentVariableChecker::Add(TOVEnvironmentVariable& iVariable) {
  _Variables.Add(&iVariable, 0);
}

long TOVEnvironmentVariableChecker::ReadAndCheck() {
  TOVString unset;
  for (int i = 0; i < _Variables.Size(); ++i) {
    auto* variable = static_cast<TOVEnvironmentVariable*>(_Variables[i]);
    if (!variable->IsEmpty(1))
      continue;
    if (unset.Length() > 0)
      unset += ", ";
    unset += variable->GetName();
  }
  if (unset.Length() == 0)
    return TOV_RETURN_SUCCESS();
  return TOV_RAISE_ERROR(TOVCatalogMsg("TOVBC", "0150"), TOVCatalogMsg("TOVBC", "0151", unset),
                         _HAdviceBldr);
}
