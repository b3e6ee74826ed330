#include "TOVRaiseError.h"

long TOVRaiseError(const char* file, int line, const TOVNLSMsgBldrRfHndlr& request,
                   const TOVNLSMsgBldrRfHndlr& diagnostic, const TOVNLSMsgBldrRfHndlr& advice,
                   MORErrorType type, long rc) {
  TOVError* error = new TOVError(file, line, request, diagnostic, advice, type, rc);
  return MORError::GetReturn(2, error, nullptr, file, line);
}

long TOVReturnSuccess(const char* file, int line) {
  return MORError::GetReturn(1, nullptr, nullptr, file, line);
}
