#include "TOVInputValuePrefix.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVInputValuePrefix, TOVMappedCodeWithName)

namespace {

const char* const kNegativeMini = "ValueLengthMini must be greater or equal than 0";

} // namespace

TOVInputValuePrefix::TOVInputValuePrefix() : _ValueLengthMini(0), _ValueLengthMaxi(-1) {}

TOVInputValuePrefix::TOVInputValuePrefix(const char* code, const TOVNLSMsgBldrRfHndlr& nameBldr,
                                         int iValueLengthMini, int iValueLengthMaxi)
    : TOVMappedCodeWithName(code, nameBldr), _ValueLengthMini(iValueLengthMini),
      _ValueLengthMaxi(iValueLengthMaxi) {}

TOVInputValuePrefix::~TOVInputValuePrefix() = default;

void TOVInputValuePrefix::SetValueLengthMini(int iValueLengthMini) {
  if (iValueLengthMini < 0)
    TOVFatalInternalError(kNegativeMini);
  _ValueLengthMini = iValueLengthMini;
}

int TOVInputValuePrefix::GetValueLengthMini() const {
  if (_ValueLengthMini < 0)
    TOVFatalInternalError(kNegativeMini);
  return _ValueLengthMini;
}

void TOVInputValuePrefix::SetValueLengthMaxi(int iValueLengthMaxi) {
  _ValueLengthMaxi = iValueLengthMaxi;
}

int TOVInputValuePrefix::GetValueLengthMaxi() const {
  return _ValueLengthMaxi;
}
