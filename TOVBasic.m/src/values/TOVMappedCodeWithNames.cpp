#include "TOVMappedCodeWithNames.h"

TOV_IMPLEMENT_CLASS(TOVMappedCodeWithNames, TOVMappedCodeWithName)

TOVMappedCodeWithNames::TOVMappedCodeWithNames() = default;

TOVMappedCodeWithNames::TOVMappedCodeWithNames(const char* code,
                                               const TOVNLSMsgBldrRfHndlr& nameBldr,
                                               const TOVNLSMsgBldrRfHndlr& shortNameBldr)
    : TOVMappedCodeWithName(code, nameBldr), _HShortNameBldr(shortNameBldr) {}

TOVMappedCodeWithNames::~TOVMappedCodeWithNames() = default;

void TOVMappedCodeWithNames::SetHShortNameBldr(const TOVNLSMsgBldrRfHndlr& shortNameBldr) {
  _HShortNameBldr = shortNameBldr;
}

const TOVNLSMsgBldrRfHndlr& TOVMappedCodeWithNames::GetHShortNameBldr() const {
  return _HShortNameBldr;
}
