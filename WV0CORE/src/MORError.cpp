#include "MORError.h"
#include "MORMetaClass.h"
#include "MORMsgCatalog.h"

#include <cstdlib>
#include <cstring>

namespace {

char* CopyOrNull(const char* text) {
  if (text == nullptr)
    return nullptr;
  size_t n = std::strlen(text) + 1;
  char* copy = static_cast<char*>(std::malloc(n));
  if (copy != nullptr)
    std::memcpy(copy, text, n);
  return copy;
}

void CopyCut(char* target, const char* text, size_t capacity) {
  size_t n = text != nullptr ? strnlen(text, capacity - 1) : 0;
  if (n != 0)
    std::memcpy(target, text, n);
  target[n] = '\0';
}

// The pending error of the thread; released when the thread ends.
struct PendingError {
  MORError* error = nullptr;
  ~PendingError() { Set(nullptr); }
  // Takes over the caller's reference to next. When next is pending already, the pending
  // slot keeps the reference it holds and the one handed over is dropped.
  void Set(MORError* next) {
    MORError* previous = error;
    error = next;
    if (previous != nullptr)
      previous->Release();
  }
};

PendingError& Pending() {
  thread_local PendingError pending;
  return pending;
}

} // namespace

MORError::MORError(unsigned int id)
    : _Id(id), _Type(MORCriticalError), _ReturnCode(E_FAIL), _pMsgCatalog(nullptr),
      _pMsgId(nullptr), _SourceLine(0) {
  _SourceFileName[0] = '\0';
}

MORError::MORError(unsigned int id, const char* msgId, const char* catalog) : MORError(id) {
  _pMsgId = CopyOrNull(msgId);
  _pMsgCatalog = CopyOrNull(catalog);
}

MORError::MORError(const MORError& other)
    : MORBaseUnknown(other), _Id(other._Id), _Type(other._Type), _ReturnCode(other._ReturnCode),
      _pMsgCatalog(CopyOrNull(other._pMsgCatalog)), _pMsgId(CopyOrNull(other._pMsgId)),
      _SourceLine(other._SourceLine) {
  std::memcpy(_SourceFileName, other._SourceFileName, sizeof _SourceFileName);
}

MORError& MORError::operator=(const MORError& other) {
  if (this != &other) {
    _Id = other._Id;
    _Type = other._Type;
    _ReturnCode = other._ReturnCode;
    SetMsgCatalog(other._pMsgCatalog);
    SetMsgId(other._pMsgId);
    _SourceLine = other._SourceLine;
    std::memcpy(_SourceFileName, other._SourceFileName, sizeof _SourceFileName);
  }
  return *this;
}

MORError::~MORError() {
  std::free(_pMsgCatalog);
  std::free(_pMsgId);
}

MORMetaClass* MORError::GetMetaObject() const {
  return MetaObject();
}

const char* MORError::IsA() const {
  return ClassName();
}

int MORError::IsAKindOf(const char* name) const {
  return MetaObject()->IsAKindOf(name);
}

MORErrorType MORError::GetType() const {
  return _Type;
}

void MORError::SetType(MORErrorType type) {
  _Type = type;
}

long MORError::GetReturnCode() const {
  return _ReturnCode;
}

void MORError::SetReturnCode(long rc) {
  _ReturnCode = rc;
}

unsigned int MORError::GetId() const {
  return _Id;
}

const char* MORError::GetMsgCatalog() const {
  return _pMsgCatalog;
}

void MORError::SetMsgCatalog(const char* catalog) {
  char* copy = CopyOrNull(catalog);
  std::free(_pMsgCatalog);
  _pMsgCatalog = copy;
}

const char* MORError::GetMsgId() const {
  return _pMsgId;
}

void MORError::SetMsgId(const char* msgId) {
  char* copy = CopyOrNull(msgId);
  std::free(_pMsgId);
  _pMsgId = copy;
}

int MORError::GetSourceLineNumber() const {
  return _SourceLine;
}

void MORError::SetSourceLineNumber(int line) {
  _SourceLine = line;
}

long MORError::GetSourceFileName(char** name) {
  if (name == nullptr)
    return E_POINTER;
  *name = _SourceFileName;
  return S_OK;
}

long MORError::SetSourceFileName(char* name) {
  CopyCut(_SourceFileName, name, sizeof _SourceFileName);
  return S_OK;
}

MORUnicodeString MORError::GetNLSMessage() {
  return GetNLSDiagnostic();
}

MORUnicodeString MORError::GetNLSRequest() {
  return MORUnicodeString();
}

MORUnicodeString MORError::GetNLSDiagnostic() {
  if (_pMsgCatalog == nullptr || _pMsgId == nullptr || *_pMsgCatalog == '\0' || *_pMsgId == '\0')
    return MORUnicodeString();
  MORMsgCatalog catalog;
  if (!catalog.LoadMsgCatalog(_pMsgCatalog, nullptr))
    return MORUnicodeString();
  MORMsg msg = catalog.GetCatalogMsg(_pMsgId);
  return msg.IsEmpty() ? MORUnicodeString() : msg.BuildMessage(nullptr, 0);
}

MORUnicodeString MORError::GetNLSAdvice() {
  return MORUnicodeString();
}

MORError* MORError::CloneSelf() {
  return new MORError(*this);
}

long MORError::GetErrorTable(unsigned int* count, const MORErrDsc** table) {
  if (count != nullptr)
    *count = 0;
  if (table != nullptr)
    *table = nullptr;
  return S_OK;
}

MORError* MORError::Setup(const char* file, int line) {
  CopyCut(_SourceFileName, file, sizeof _SourceFileName);
  _SourceLine = line;
  return this;
}

MORMetaClass* MORError::MetaObject() {
  static MORMetaClass* const meta = fct_RetrieveMetaObject(
      "MORError", 1, MORBaseUnknown::MetaObject(), "MORNull", "WV0CORE", sizeof(MORError));
  return meta;
}

const MORGUID& MORError::ClassId() {
  return MetaObject()->GetGuid();
}

const char* MORError::ClassName() {
  return MetaObject()->GetName();
}

long MORError::GetReturn(int severity, MORError* error, MORBaseUnknown*, const char* file,
                         int line) {
  if (severity == 1) {
    if (error != nullptr)
      error->Release();
    return S_OK;
  }
  if (error == nullptr) {
    Pending().Set(nullptr);
    return E_FAIL;
  }
  if (error->GetReturnCode() == S_OK)
    error->SetReturnCode(E_FAIL);
  if (error->GetSourceLineNumber() == 0 && error->_SourceFileName[0] == '\0')
    error->Setup(file, line);
  long rc = error->GetReturnCode();
  Pending().Set(error);
  return rc;
}

extern "C" MORError* MORGetLastError(long rc, MORBaseUnknown*) {
  MORError* error = Pending().error;
  if (error == nullptr || error->GetReturnCode() != rc)
    return nullptr;
  error->AddRef();
  return error;
}

extern "C" void MORCleanLastError() {
  Pending().Set(nullptr);
}
