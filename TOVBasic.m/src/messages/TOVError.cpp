#include "TOVError.h"
#include "TOVParamNLSMsgBldrCtlg.h"

#include <cstdlib>
#include <cstring>

TOV_IMPLEMENT_CLASS(TOVError, MORError)

const MORErrDsc TOVError::errorTable[1] = {{0, MORCriticalError, 0, nullptr, nullptr}};
const unsigned int TOVError::errorTableLength = 0;

namespace {

char* CopyText(const char* text) {
  return strdup(text != nullptr ? text : "");
}

} // namespace

TOVError::TOVError(unsigned int id) : MORError(id), _pSourceFileName(CopyText(nullptr)) {}

TOVError::TOVError(unsigned int id, const char* s1, const char* s2)
    : MORError(id, s1, s2), _pSourceFileName(CopyText(nullptr)) {}

TOVError::TOVError(const char* file, int line, const TOVNLSMsgBldrRfHndlr& request,
                   const TOVNLSMsgBldrRfHndlr& diagnostic, const TOVNLSMsgBldrRfHndlr& advice,
                   MORErrorType type, long rc)
    : MORError(0), _HRequestBldr(request), _HDiagnosticBldr(diagnostic), _HAdviceBldr(advice),
      _pSourceFileName(nullptr) {
  if (diagnostic.Get() != nullptr) {
    MORError::SetMsgCatalog(diagnostic->GetMsgCatalogName());
    MORError::SetMsgId(diagnostic->GetMsgId());
  }
  MORError::SetType(type);
  MORError::SetReturnCode(rc);
  KeepSourceFileName(file);
  MORError::SetSourceLineNumber(line);
}

TOVError::TOVError(TOVError& other)
    : MORError(0), _HRequestBldr(other._HRequestBldr), _HDiagnosticBldr(other._HDiagnosticBldr),
      _HAdviceBldr(other._HAdviceBldr), _pSourceFileName(nullptr) {
  char* file = nullptr;
  KeepSourceFileName(other.GetSourceFileName(&file) == 0 ? file : nullptr);
  MORError::SetSourceLineNumber(other.GetSourceLineNumber());
  MORError::SetMsgCatalog(other.GetMsgCatalog());
  MORError::SetMsgId(other.GetMsgId());
  MORError::SetType(other.GetType());
  MORError::SetReturnCode(other.GetReturnCode());
}

TOVError::~TOVError() {
  std::free(_pSourceFileName);
}

void TOVError::KeepSourceFileName(const char* name) {
  char* copy = CopyText(name);
  std::free(_pSourceFileName);
  _pSourceFileName = copy;
  MORError::SetSourceFileName(_pSourceFileName);
}

TOVError* TOVError::Setup(const char* file, int line) {
  MORError::Setup(file, line);
  KeepSourceFileName(file);
  return this;
}

long TOVError::GetSourceFileName(char** name) {
  if (name == nullptr)
    return E_POINTER;
  // The runtime may have recorded a place itself (when the error became pending without
  // one); the whole name is ours otherwise.
  if (_pSourceFileName[0] == '\0')
    return MORError::GetSourceFileName(name);
  *name = _pSourceFileName;
  return 0;
}

long TOVError::SetSourceFileName(char* name) {
  KeepSourceFileName(name);
  return 0;
}

MORUnicodeString TOVError::GetNLSRequest() {
  return _HRequestBldr.Get() != nullptr ? _HRequestBldr->Build() : MORUnicodeString();
}

MORUnicodeString TOVError::GetNLSDiagnostic() {
  return _HDiagnosticBldr.Get() != nullptr ? _HDiagnosticBldr->Build() : MORUnicodeString();
}

MORUnicodeString TOVError::GetNLSAdvice() {
  return _HAdviceBldr.Get() != nullptr ? _HAdviceBldr->Build() : MORUnicodeString();
}

MORUnicodeString TOVError::GetNLSMessage() {
  MORUnicodeString text = GetNLSRequest();
  // The separators follow the request only: without request, diagnostic and advice
  // are joined directly.
  bool withRequest = !text.IsEmpty();
  MORUnicodeString diagnostic = GetNLSDiagnostic();
  if (!diagnostic.IsEmpty()) {
    if (withRequest)
      text += "\n";
    text += diagnostic;
  }
  MORUnicodeString advice = GetNLSAdvice();
  if (!advice.IsEmpty()) {
    if (withRequest)
      text += "\n";
    text += advice;
  }
  return text;
}

MORError* TOVError::CloneSelf() {
  return new TOVError(*this);
}

long TOVError::GetErrorTable(unsigned int* count, const MORErrDsc** table) {
  if (count != nullptr)
    *count = errorTableLength;
  if (table != nullptr)
    *table = errorTable;
  return 0;
}

void TOVError::SetHRequestBldr(const TOVNLSMsgBldrRfHndlr& request) {
  _HRequestBldr = request;
}

TOVNLSMsgBldrRfHndlr TOVError::GetHRequestBldr() const {
  return _HRequestBldr;
}

void TOVError::SetHDiagnosticBldr(const TOVNLSMsgBldrRfHndlr& diagnostic) {
  _HDiagnosticBldr = diagnostic;
}

TOVNLSMsgBldrRfHndlr TOVError::GetHDiagnosticBldr() const {
  return _HDiagnosticBldr;
}

void TOVError::SetHAdviceBldr(const TOVNLSMsgBldrRfHndlr& advice) {
  _HAdviceBldr = advice;
}

TOVNLSMsgBldrRfHndlr TOVError::GetHAdviceBldr() const {
  return _HAdviceBldr;
}

MORError* TOVError::GetOrMakeLastError(long rc) {
  MORError* error = MORGetLastError(rc, nullptr);
  if (error != nullptr || rc == 0)
    return error;
  TOVNLSMsgBldrRfHndlr diagnostic(TOVRfHndlrNoAddRef,
                                  new TOVParamNLSMsgBldrCtlg("TOVBC", "0100", nullptr));
  return new TOVError(__FILE__, __LINE__, TOVNLSMsgBldrRfHndlr(), diagnostic,
                      TOVNLSMsgBldrRfHndlr(), rc < 0 ? MORCriticalError : MORWarning, rc);
}

void TOVError::ReplaceLastErrorRequest(long rc, const TOVNLSMsgBldrRfHndlr& request) {
  MORError* error = MORGetLastError(rc, nullptr);
  if (error == nullptr)
    return;
  if (error->IsAKindOf(TOVError::ClassName()))
    static_cast<TOVError*>(error)->SetHRequestBldr(request);
  error->Release();
}
