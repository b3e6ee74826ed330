// Error display on a terminal that reads code page 850.
#ifndef TOVERRORDISPLAYTOOEMTERM_H
#define TOVERRORDISPLAYTOOEMTERM_H

#include "TOVErrorDisplayToTerm.h"

#include <string>

/// Writes the text in code page 850; a character without a form there shows as "?".
class TOVBASIC_API TOVErrorDisplayToOemTerm : public TOVErrorDisplayToTerm {
  TOV_DECLARE_CLASS(TOVErrorDisplayToOemTerm)
public:
  TOVErrorDisplayToOemTerm() = default;
  ~TOVErrorDisplayToOemTerm() override;
  void Display(MORError& error) override;

  /// The code page 850 bytes of text.
  static std::string ConvertToOem(const MORUnicodeString& text);
};

#endif
