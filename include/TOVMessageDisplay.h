// Where informational text goes.
#ifndef TOVMESSAGEDISPLAY_H
#define TOVMESSAGEDISPLAY_H

#include "MORError.h"
#include "MORUnicodeString.h"
#include "TOVMacro.h"

/// Shows finished messages to the user. One display is the global one, through which the
/// library and the tools send their informational text.
class TOVBASIC_API TOVMessageDisplay : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVMessageDisplay)
public:
  TOVMessageDisplay() = default;
  /// A display that goes away stops being the global one.
  ~TOVMessageDisplay() override;

  /// Shows msg, followed by an end of line when iNewLine is not 0.
  virtual void Display(const MORUnicodeString& msg, unsigned int iNewLine) = 0;
  /// Sets error to the error met while displaying (null when none); when iForget is set
  /// the display forgets it. Gives a status. This display never meets one: null and 0.
  virtual long GetDisplayError(MORError*& error, unsigned int iForget);

  /// Makes display the global one; no reference is taken.
  static void SetGlobal(TOVMessageDisplay& display);
  /// The global display; a fatal internal error when none is set.
  static TOVMessageDisplay& GetGlobal();

private:
  static TOVMessageDisplay* _pGlobalMessageDisplay;
};

#endif
