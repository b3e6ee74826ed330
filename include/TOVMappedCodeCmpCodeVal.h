// Compares mapped codes (or a mapped code and a text key) by code text.
#ifndef TOVMAPPEDCODECMPCODEVAL_H
#define TOVMAPPEDCODECMPCODEVAL_H

#include "TOVStringExtCharsCmp.h"

class TOVBASIC_API TOVMappedCodeCmpCodeVal : public TOVStringExtCharsCmp {
  TOV_DECLARE_CLASS(TOVMappedCodeCmpCodeVal)

public:
  TOVMappedCodeCmpCodeVal() = default;
  ~TOVMappedCodeCmpCodeVal() override;

  /// Each mapped code is replaced by its code, anything else (a TOVString or TOVExtChars
  /// key) stays itself; then the texts are compared, case respected. A null argument is
  /// fatal.
  int CompareObjects(const MORBaseUnknown* pObj1, const MORBaseUnknown* pObj2) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static TOVMappedCodeCmpCodeVal& GetGlobal();

private:
  static TOVMappedCodeCmpCodeVal* _pGlobal;
};

#endif
