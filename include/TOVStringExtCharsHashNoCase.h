// Hash coder of text objects, case ignored.
#ifndef TOVSTRINGEXTCHARSHASHNOCASE_H
#define TOVSTRINGEXTCHARSHASHNOCASE_H

#include "TOVHashCoder.h"

/// Codes TOVString and TOVExtChars objects by their lowered text, so that texts equal
/// under TOVStringExtCharsCmpNoCase get equal codes.
class TOVBASIC_API TOVStringExtCharsHashNoCase : public TOVHashCoder {
  TOV_DECLARE_CLASS(TOVStringExtCharsHashNoCase)
public:
  TOVStringExtCharsHashNoCase() = default;
  ~TOVStringExtCharsHashNoCase() override;

  /// As TOVStringExtCharsHash::Code, each byte first lowered with tolower.
  unsigned int Code(const MORBaseUnknown* obj) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVStringExtCharsHashNoCase& GetGlobal();

private:
  static TOVStringExtCharsHashNoCase* _pGlobal;
};

#endif
