#include "TOVOSType.h"
#include "TOVOSTypes.h"

TOV_IMPLEMENT_CLASS(TOVOSType, TOVMappedCodeWithName)

TOVOSType::TOVOSType() = default;

TOVOSType::TOVOSType(const char* code, const TOVNLSMsgBldrRfHndlr& nameBldr)
    : TOVMappedCodeWithName(code, nameBldr) {}

TOVOSType::~TOVOSType() {
  TOVOSTypes::ForgetGlobal(this);
}
