// Hash coder of objects by address.
#ifndef MORBASEUNKNOWNHASHADDR_H
#define MORBASEUNKNOWNHASHADDR_H

#include "TOVHashCoder.h"

class TOVBASIC_API MORBaseUnknownHashAddr : public TOVHashCoder {
  TOV_DECLARE_CLASS(MORBaseUnknownHashAddr)
public:
  MORBaseUnknownHashAddr() = default;
  ~MORBaseUnknownHashAddr() override;

  /// FNV-style code of the address folded to 32 bits (low half XOR high half).
  unsigned int Code(const MORBaseUnknown* obj) const override;

  /// The shared instance, made on first use and owned by the global object cleaner.
  static MORBaseUnknownHashAddr& GetGlobal();

private:
  static MORBaseUnknownHashAddr* _pGlobal;
};

#endif
