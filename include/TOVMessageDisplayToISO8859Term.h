// Message display on a terminal that reads 8-bit text.
#ifndef TOVMESSAGEDISPLAYTOISO8859TERM_H
#define TOVMESSAGEDISPLAYTOISO8859TERM_H

#include "TOVMessageDisplayToTerm.h"

/// Writes the narrow form of each message unchanged.
class TOVBASIC_API TOVMessageDisplayToISO8859Term : public TOVMessageDisplayToTerm {
  TOV_DECLARE_CLASS(TOVMessageDisplayToISO8859Term)
public:
  TOVMessageDisplayToISO8859Term() = default;
  ~TOVMessageDisplayToISO8859Term() override;

  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override;
};

#endif
