// Message display of the Java front end.
#ifndef TOVMESSAGEDISPLAYTOSWING_H
#define TOVMESSAGEDISPLAYTOSWING_H

#include "TOVMessageDisplay.h"

/// Hands each message whole to the static method "DisplayMessage" of the front end's
/// class; the Java side lays it out.
class TOVBASIC_API TOVMessageDisplayToSwing : public TOVMessageDisplay {
  TOV_DECLARE_CLASS(TOVMessageDisplayToSwing)
public:
  TOVMessageDisplayToSwing() = default;
  ~TOVMessageDisplayToSwing() override;

  /// iNewLine is not used. A missing class or method is a fatal internal error; a message
  /// that cannot become a Java string is dropped.
  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override;
  /// Null and 0.
  long GetDisplayError(MORError*& error, unsigned int iForget) override;
};

#endif
