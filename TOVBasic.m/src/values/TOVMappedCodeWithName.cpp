#include "TOVMappedCodeWithName.h"

TOV_IMPLEMENT_CLASS(TOVMappedCodeWithName, TOVMappedCode)

TOVMappedCodeWithName::TOVMappedCodeWithName() = default;

TOVMappedCodeWithName::TOVMappedCodeWithName(const char* code, const TOVNLSMsgBldrRfHndlr& nameBldr)
    : TOVMappedCode(code), _HNameBldr(nameBldr) {}

TOVMappedCodeWithName::~TOVMappedCodeWithName() = default;

void TOVMappedCodeWithName::SetHNameBldr(const TOVNLSMsgBldrRfHndlr& nameBldr) {
  _HNameBldr = nameBldr;
}

const TOVNLSMsgBldrRfHndlr& TOVMappedCodeWithName::GetHNameBldr() const {
  return _HNameBldr;
}
