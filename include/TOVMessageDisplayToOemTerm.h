// Message display on a terminal that reads code page 850.
#ifndef TOVMESSAGEDISPLAYTOOEMTERM_H
#define TOVMESSAGEDISPLAYTOOEMTERM_H

#include "TOVMessageDisplayToTerm.h"

/// Writes each message in code page 850; a character without a form there shows as "?".
class TOVBASIC_API TOVMessageDisplayToOemTerm : public TOVMessageDisplayToTerm {
  TOV_DECLARE_CLASS(TOVMessageDisplayToOemTerm)
public:
  TOVMessageDisplayToOemTerm() = default;
  ~TOVMessageDisplayToOemTerm() override;

  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override;
};

#endif
