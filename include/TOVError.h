// The library's recoverable error: request, diagnostic and advice message builders.
#ifndef TOVERROR_H
#define TOVERROR_H

#include "MORError.h"
#include "TOVMacro.h"
#include "TOVNLSMsgBldrRfHndlr.h"

/// A recoverable error carrying up to three message builders: what was being done
/// (request), what went wrong (diagnostic) and what to do (advice). The catalog and message
/// id of the error are those of its diagnostic.
class TOVBASIC_API TOVError : public MORError {
  TOV_DECLARE_CLASS(TOVError)
public:
  /// As MORError(id); no builder.
  explicit TOVError(unsigned int id);
  /// As MORError(id, s1, s2); no builder.
  TOVError(unsigned int id, const char* s1, const char* s2);
  /// The error the library raises: shares the three builders (each may be empty), takes
  /// the diagnostic's catalog and message id, type, return code, and the source place (a
  /// null file counts as empty).
  TOVError(const char* file, int line, const TOVNLSMsgBldrRfHndlr& request,
           const TOVNLSMsgBldrRfHndlr& diagnostic, const TOVNLSMsgBldrRfHndlr& advice,
           MORErrorType type, long rc);
  /// Copies source place, builders (shared), catalog, message id, type and return code.
  TOVError(TOVError& other);
  ~TOVError() override;

  TOVError& operator=(const TOVError&) = delete;

  /// Sets *name to the whole source file name; gives 0 (E_POINTER when name is null).
  long GetSourceFileName(char** name) override;
  /// Replaces the source file name (null counts as empty); gives 0.
  long SetSourceFileName(char* name) override;
  /// The request; then the diagnostic and the advice, each after a line feed when the
  /// request is not empty.
  MORUnicodeString GetNLSMessage() override;
  /// The built text of each builder, empty without builder.
  MORUnicodeString GetNLSRequest() override;
  MORUnicodeString GetNLSDiagnostic() override;
  MORUnicodeString GetNLSAdvice() override;
  /// A copy of this error (one reference, the caller's), or null.
  MORError* CloneSelf() override;
  /// The table of errors of the class: empty.
  long GetErrorTable(unsigned int* count, const MORErrDsc** table) override;

  virtual void SetHRequestBldr(const TOVNLSMsgBldrRfHndlr& request);
  virtual TOVNLSMsgBldrRfHndlr GetHRequestBldr() const;
  virtual void SetHDiagnosticBldr(const TOVNLSMsgBldrRfHndlr& diagnostic);
  virtual TOVNLSMsgBldrRfHndlr GetHDiagnosticBldr() const;
  virtual void SetHAdviceBldr(const TOVNLSMsgBldrRfHndlr& advice);
  virtual TOVNLSMsgBldrRfHndlr GetHAdviceBldr() const;

  /// Records the source place; gives this error.
  TOVError* Setup(const char* file, int line);
  TOVError* Self() { return this; }

  /// The pending error of return code rc (a new reference, the caller's). When there is
  /// none and rc is not 0, a new error with diagnostic "TOVBC" "0100", type critical for a
  /// negative rc and warning otherwise; it is not made pending. Null for rc 0 without a
  /// pending error.
  static MORError* GetOrMakeLastError(long rc);
  /// Gives the pending error of return code rc, when it is a TOVError, the request.
  static void ReplaceLastErrorRequest(long rc, const TOVNLSMsgBldrRfHndlr& request);

  /// The class's error table and its length (0).
  static const MORErrDsc errorTable[1];
  static const unsigned int errorTableLength;

private:
  void KeepSourceFileName(const char* name);

  TOVNLSMsgBldrRfHndlr _HRequestBldr;
  TOVNLSMsgBldrRfHndlr _HDiagnosticBldr;
  TOVNLSMsgBldrRfHndlr _HAdviceBldr;
  char* _pSourceFileName;
};

#endif
