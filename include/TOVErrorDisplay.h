// Where recoverable errors are shown.
#ifndef TOVERRORDISPLAY_H
#define TOVERRORDISPLAY_H

#include "MORError.h"
#include "TOVMacro.h"

/// Shows an error to the user. One display is the global one, used by the error manager
/// and the plain-function layer.
class TOVBASIC_API TOVErrorDisplay : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVErrorDisplay)
public:
  TOVErrorDisplay() = default;
  /// A display that goes away stops being the global one.
  ~TOVErrorDisplay() override;

  virtual void Display(MORError& error) = 0;
  /// Displays the pending error of rc (or one made for rc), then forgets the pending error.
  virtual void DisplayAndCleanLastError(long rc);

  /// Makes display the global one; no reference is taken.
  static void SetGlobal(TOVErrorDisplay& display);
  /// The global display; a fatal internal error when none is set.
  static TOVErrorDisplay& GetGlobal();
  /// True when a global display is set.
  static bool HasGlobal() { return _pGlobalErrorDisplay != nullptr; }

private:
  static TOVErrorDisplay* _pGlobalErrorDisplay;
};

#endif
