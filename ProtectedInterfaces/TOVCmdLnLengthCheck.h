// The length check shared by the option managers that check argument lengths.
#ifndef TOVCMDLNLENGTHCHECK_H
#define TOVCMDLNLENGTHCHECK_H

class TOVCmdLnOpt;
class TOVString;

/// Gives 0 when the length of iValue lies within iMinimum..iMaximum (a negative maximum
/// means none); otherwise raises the length error of iOption for iValue and gives its
/// failure code.
[[nodiscard]] long TOVCmdLnCheckLength(const TOVCmdLnOpt& iOption, const TOVString& iValue,
                                       int iMinimum, int iMaximum);

#endif
