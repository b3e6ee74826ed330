#include "TOVCmdLnLengthCheck.h"

#include "TOVCmdLnOpt.h"
#include "TOVRaiseError.h"
#include "TOVString.h"

long TOVCmdLnCheckLength(const TOVCmdLnOpt& iOption, const TOVString& iValue, int iMinimum,
                         int iMaximum) {
  int length = iValue.Length();
  if (length >= iMinimum && (iMaximum < 0 || length <= iMaximum))
    return 0;
  TOVParamNLSMsgBldrCtlgRfHndlr diagnostic;
  if (iMaximum < 0) {
    diagnostic = TOVCatalogMsg("TOVBC", "0019", iValue, length, iMinimum);
  } else if (iMinimum == iMaximum) {
    diagnostic = TOVCatalogMsg("TOVBC", "0020", iValue, length, iMinimum);
  } else {
    diagnostic = TOVCatalogMsg("TOVBC", "0016", iValue, length, iMinimum, iMaximum);
  }
  // The advice is the option's own help line, which tells the expected value.
  return TOV_RAISE_ERROR(
      TOVCatalogMsg("TOVBC", "0013", iOption.GetCommandNameAndNamesForMsg(iValue)), diagnostic,
      iOption.GetHUsageBldr());
}
