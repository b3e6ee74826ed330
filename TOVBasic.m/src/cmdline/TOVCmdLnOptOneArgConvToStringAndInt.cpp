#include "TOVCmdLnOptOneArgConvToStringAndInt.h"

#include "TOVCmdLnOptOneArg.h"
#include "TOVRaiseError.h"
#include "TOVString.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

TOV_IMPLEMENT_CLASS(TOVCmdLnOptOneArgConvToStringAndInt, MORBaseUnknown)

TOVCmdLnOptOneArgConvToStringAndInt::TOVCmdLnOptOneArgConvToStringAndInt(
    const TOVCmdLnOptOneArg& iOption)
    : _pOption(&iOption) {}

TOVCmdLnOptOneArgConvToStringAndInt::~TOVCmdLnOptOneArgConvToStringAndInt() = default;

long TOVCmdLnOptOneArgConvToStringAndInt::Convert(char iSeparator, TOVString& oText, int& oNumber) {
  // A copy, so that oText may be the option's own argument string.
  const TOVString value(_pOption->GetArgument());
  const char* chars = value;
  int separator = -1;
  for (int i = value.Length() - 1; i >= 0 && separator < 0; --i)
    if (chars[i] == iSeparator)
      separator = i;

  if (separator < 0) {
    oText = value;
    const char separatorText[2] = {iSeparator, '\0'};
    return TOV_RAISE_ERROR(
        TOVCatalogMsg("TOVBC", "0013", _pOption->GetCommandNameAndNamesForMsg(value)),
        TOVCatalogMsg("TOVBC", "0018", value, separatorText), _pOption->GetHUsageBldr());
  }

  oText.Copy(chars, separator);
  const char* integerPart = chars + separator + 1;
  bool valid = false;
  if (integerPart[0] != '\0') {
    char* end = nullptr;
    errno = 0;
    long number = std::strtol(integerPart, &end, 10);
    bool inRange = errno != ERANGE && number >= INT_MIN && number <= INT_MAX;
    // Out of range, the number gets the nearest bound, as strtol gives it.
    oNumber = number < INT_MIN ? INT_MIN : number > INT_MAX ? INT_MAX : static_cast<int>(number);
    valid = inRange && end != integerPart && end == chars + value.Length();
  }
  if (valid)
    return TOV_RETURN_SUCCESS();
  return TOV_RAISE_ERROR(
      TOVCatalogMsg("TOVBC", "0013", _pOption->GetCommandNameAndNamesForMsg(value)),
      TOVCatalogMsg("TOVBC", "0015", integerPart), _pOption->GetHUsageBldr());
}
