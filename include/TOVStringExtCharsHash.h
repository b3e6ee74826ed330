// Hash coder of text objects, case respected.
#ifndef TOVSTRINGEXTCHARSHASH_H
#define TOVSTRINGEXTCHARSHASH_H

#include "TOVHashCoder.h"

/// Codes TOVString and TOVExtChars objects by their text, so that texts equal under
/// TOVStringExtCharsCmp get equal codes.
class TOVBASIC_API TOVStringExtCharsHash : public TOVHashCoder {
  TOV_DECLARE_CLASS(TOVStringExtCharsHash)
public:
  TOVStringExtCharsHash() = default;
  ~TOVStringExtCharsHash() override;

  /// The length, then h * 17 + byte (signed) for each byte, modulo 2^32.
  unsigned int Code(const MORBaseUnknown* obj) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVStringExtCharsHash& GetGlobal();

private:
  static TOVStringExtCharsHash* _pGlobal;
};

#endif
