// Raising a recoverable error in one line.
//
// An operation that fails for the user returns
//   return TOV_RAISE_ERROR(request, diagnostic, advice, type, rc);
// where each builder is usually TOVCatalogMsg("TOVBC", "0201", path, reason) or an empty
// TOVNLSMsgBldrRfHndlr(). The error becomes the pending error of the thread and the
// failure code is returned; the caller passes it up to a TOVErrorMngr. An operation that
// succeeds returns TOV_RETURN_SUCCESS().
#ifndef TOVRAISEERROR_H
#define TOVRAISEERROR_H

#include "TOVError.h"
#include "TOVParamNLSMsgBldrCtlgRfHndlr.h"

/// A handler on a new builder of message msgId of catalog, with params added in order;
/// each is an int, a narrow text, a TOVString or a MORUnicodeString.
template <class... Params>
TOVParamNLSMsgBldrCtlgRfHndlr TOVCatalogMsg(const char* catalog, const char* msgId,
                                            const Params&... params) {
  TOVParamNLSMsgBldrCtlgRfHndlr builder(TOVRfHndlrNoAddRef,
                                        new TOVParamNLSMsgBldrCtlg(catalog, msgId));
  (builder->AddNewParameter(params), ...);
  return builder;
}

/// Makes a TOVError of the three builders (each may be empty), type and rc, raised at
/// file and line, the pending error; gives its failure code.
[[nodiscard]] TOVBASIC_API long
TOVRaiseError(const char* file, int line, const TOVNLSMsgBldrRfHndlr& request,
              const TOVNLSMsgBldrRfHndlr& diagnostic, const TOVNLSMsgBldrRfHndlr& advice,
              MORErrorType type = MORCriticalError, long rc = E_FAIL);

/// The success code of an operation ending at file and line.
TOVBASIC_API long TOVReturnSuccess(const char* file, int line);

/// TOVRaiseError at the current source line: (request, diagnostic, advice[, type[, rc]]).
#define TOV_RAISE_ERROR(...) TOVRaiseError(__FILE__, __LINE__, __VA_ARGS__)
/// TOVReturnSuccess at the current source line.
#define TOV_RETURN_SUCCESS() TOVReturnSuccess(__FILE__, __LINE__)

#endif
