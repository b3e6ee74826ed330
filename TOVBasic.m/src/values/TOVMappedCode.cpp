#include "TOVMappedCode.h"

TOV_IMPLEMENT_CLASS(TOVMappedCode, MORBaseUnknown)

TOVMappedCode::TOVMappedCode() = default;

TOVMappedCode::TOVMappedCode(const char* code) : _Code(code) {}

TOVMappedCode::~TOVMappedCode() = default;

void TOVMappedCode::SetCode(const char* code) {
  _Code = code;
}

const TOVString& TOVMappedCode::GetCode() const {
  return _Code;
}
