// Error display on a terminal that reads 8-bit text.
#ifndef TOVERRORDISPLAYTOISO8859TERM_H
#define TOVERRORDISPLAYTOISO8859TERM_H

#include "TOVErrorDisplayToTerm.h"

/// Writes the UTF-8 form of the text unchanged.
class TOVBASIC_API TOVErrorDisplayToISO8859Term : public TOVErrorDisplayToTerm {
  TOV_DECLARE_CLASS(TOVErrorDisplayToISO8859Term)
public:
  TOVErrorDisplayToISO8859Term() = default;
  ~TOVErrorDisplayToISO8859Term() override;
  void Display(MORError& error) override;
};

#endif
