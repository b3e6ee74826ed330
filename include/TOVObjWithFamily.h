// An object that belongs to a family given by a mapped code.
#ifndef TOVOBJWITHFAMILY_H
#define TOVOBJWITHFAMILY_H

#include "TOVMacro.h"

class TOVMappedCode;

/// Families are compared by the address of their mapped code.
class TOVBASIC_API TOVObjWithFamily : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVObjWithFamily)

public:
  TOVObjWithFamily() = default;
  ~TOVObjWithFamily() override;

  virtual const TOVMappedCode& GetFamily() const = 0;
};

#endif
