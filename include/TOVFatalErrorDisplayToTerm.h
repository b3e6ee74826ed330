// Fatal-error display on the standard error stream.
#ifndef TOVFATALERRORDISPLAYTOTERM_H
#define TOVFATALERRORDISPLAYTOTERM_H

#include "TOVFatalErrorDisplay.h"

class TOVBASIC_API TOVFatalErrorDisplayToTerm : public TOVFatalErrorDisplay {
  TOV_DECLARE_CLASS(TOVFatalErrorDisplayToTerm)
public:
  TOVFatalErrorDisplayToTerm() = default;
  ~TOVFatalErrorDisplayToTerm() override;

  /// TOVStderr.
  TOVOFStream& GetOutputStream() override;
  /// Does nothing.
  void Display() override;
};

#endif
