// An operating-system type ("WINDOWS", "UNIX", ...) as a mapped code with a name.
#ifndef TOVOSTYPE_H
#define TOVOSTYPE_H

#include "TOVMappedCodeWithName.h"

class TOVBASIC_API TOVOSType : public TOVMappedCodeWithName {
  TOV_DECLARE_CLASS(TOVOSType)

public:
  /// An empty code without name builder.
  TOVOSType();
  /// Copies code (null: empty) and shares nameBldr.
  TOVOSType(const char* code, const TOVNLSMsgBldrRfHndlr& nameBldr);
  ~TOVOSType() override;
};

#endif
