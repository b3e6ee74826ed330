// Two message displays that show the same messages.
#ifndef TOVCOUPLEDMESSAGEDISPLAY_H
#define TOVCOUPLEDMESSAGEDISPLAY_H

#include "TOVMessageDisplay.h"

/// Shows each message on a first display, then on a second one. Neither is owned: both
/// must outlive the coupled display.
class TOVBASIC_API TOVCoupledMessageDisplay : public TOVMessageDisplay {
  TOV_DECLARE_CLASS(TOVCoupledMessageDisplay)
public:
  TOVCoupledMessageDisplay(TOVMessageDisplay& first, TOVMessageDisplay& second);
  ~TOVCoupledMessageDisplay() override;

  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override;
  /// The first display's error or failure status when it has one, else the second's.
  long GetDisplayError(MORError*& error, unsigned int iForget) override;

private:
  TOVMessageDisplay& _First;
  TOVMessageDisplay& _Second;
};

#endif
