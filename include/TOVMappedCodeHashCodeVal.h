// Hashes mapped codes (or a text key) by code text.
#ifndef TOVMAPPEDCODEHASHCODEVAL_H
#define TOVMAPPEDCODEHASHCODEVAL_H

#include "TOVStringExtCharsHash.h"

class TOVBASIC_API TOVMappedCodeHashCodeVal : public TOVStringExtCharsHash {
  TOV_DECLARE_CLASS(TOVMappedCodeHashCodeVal)

public:
  TOVMappedCodeHashCodeVal() = default;
  ~TOVMappedCodeHashCodeVal() override;

  /// The text hash of the code (of the key itself for a text key): a mapped code and the
  /// text of its code get the same code. A null argument is fatal.
  unsigned int Code(const MORBaseUnknown* pObj1) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVMappedCodeHashCodeVal& GetGlobal();

private:
  static TOVMappedCodeHashCodeVal* _pGlobal;
};

#endif
