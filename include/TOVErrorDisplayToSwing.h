// Error display of the Java front end.
#ifndef TOVERRORDISPLAYTOSWING_H
#define TOVERRORDISPLAYTOSWING_H

#include "TOVErrorDisplay.h"

/// Hands the text of an error, laid out as on a terminal, to the static method of the
/// front end's class that matches its type: "DisplayCriticalError" (1),
/// "DisplayFatalError" (2), "DisplayWarningError" (3), "DisplayInformationError" (others).
class TOVBASIC_API TOVErrorDisplayToSwing : public TOVErrorDisplay {
  TOV_DECLARE_CLASS(TOVErrorDisplayToSwing)
public:
  TOVErrorDisplayToSwing() = default;
  ~TOVErrorDisplayToSwing() override;

  /// A missing class or method is a fatal internal error.
  void Display(MORError& error) override;

protected:
  /// Sets text to the terminal layout of error.
  virtual void BuildMsgTxt(MORError& error, MORUnicodeString& text);
};

#endif
