// Splits a one-argument option's value into a text and an integer ("host:42").
#ifndef TOVCMDLNOPTONEARGCONVTOSTRINGANDINT_H
#define TOVCMDLNOPTONEARGCONVTOSTRINGANDINT_H

#include "TOVMacro.h"

class TOVCmdLnOptOneArg;
class TOVString;

/// Reads the value of a one-argument option as a text and an integer around the last
/// occurrence of a separator.
class TOVBASIC_API TOVCmdLnOptOneArgConvToStringAndInt : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVCmdLnOptOneArgConvToStringAndInt)
public:
  explicit TOVCmdLnOptOneArgConvToStringAndInt(const TOVCmdLnOptOneArg& iOption);
  ~TOVCmdLnOptOneArgConvToStringAndInt() override;

  /// oText receives what comes before the last iSeparator (the whole value when there is
  /// none) and oNumber the decimal integer after it. Fails when the separator is missing
  /// or the integer part is empty, not wholly a number or outside the range of int.
  [[nodiscard]] virtual long Convert(char iSeparator, TOVString& oText, int& oNumber);

private:
  const TOVCmdLnOptOneArg* _pOption;
};

#endif
