// Where fatal internal error reports go.
#ifndef TOVFATALERRORDISPLAY_H
#define TOVFATALERRORDISPLAY_H

#include "TOVMacro.h"
#include "TOVOFStream.h"

class TOVBASIC_API TOVFatalErrorDisplay : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVFatalErrorDisplay)
public:
  TOVFatalErrorDisplay() = default;
  ~TOVFatalErrorDisplay() override;

  /// The stream the report is written to.
  virtual TOVOFStream& GetOutputStream() = 0;
  /// Called once the report is written, just before the process stops.
  virtual void Display() = 0;

  /// Makes display the global one; no reference is taken.
  static void SetGlobal(TOVFatalErrorDisplay& display);
  /// The global display; when none is set, makes a terminal one, sets it and hands it
  /// to the global object cleaner.
  static TOVFatalErrorDisplay& GetGlobal();

private:
  static TOVFatalErrorDisplay* _pFatalErrorDisplay;
};

#endif
