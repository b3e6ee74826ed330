#include "TOVErrorMngr.h"
#include "TOVError.h"
#include "TOVErrorDisplay.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVErrorMngr, MORBaseUnknown)

namespace {

// True when an error of type replacing must take the place of a main error of type main.
// Fatal ranks first, then critical, warning and information; an unknown type ranks just
// below fatal, and a main error of unknown type is never replaced.
bool IsMoreSevere(int replacing, int main) {
  bool known = replacing >= MORCriticalError && replacing <= MORInformation;
  switch (main) {
  case MORFatalError:
    return false;
  case MORCriticalError:
    return replacing == MORFatalError || !known;
  case MORWarning:
    return replacing == MORCriticalError || replacing == MORFatalError || !known;
  case MORInformation:
    return replacing != MORInformation;
  default:
    return false;
  }
}

// The pending error of rc, or one made for it; a fatal internal error when there is none.
MORError& FetchError(long rc, MORError*& error) {
  error = TOVError::GetOrMakeLastError(rc);
  if (error == nullptr)
    TOVFatalInternalError("pError is NULL");
  return *error;
}

} // namespace

TOVErrorMngr::TOVErrorMngr() : _pMainError(nullptr) {}

TOVErrorMngr::~TOVErrorMngr() {
  if (_pMainError != nullptr)
    _pMainError->Release();
}

void TOVErrorMngr::DisplayAndChangeMainError(MORError& error, unsigned int iCompare) {
  TOVErrorDisplay::GetGlobal().Display(error);
  if (&error == _pMainError)
    return;
  if (_pMainError != nullptr && iCompare != 0 &&
      !IsMoreSevere(error.GetType(), _pMainError->GetType()))
    return;
  error.AddRef();
  if (_pMainError != nullptr)
    _pMainError->Release();
  _pMainError = &error;
}

void TOVErrorMngr::DisplayAndKeepError(MORError& error, unsigned int iCompare) {
  DisplayAndChangeMainError(error, iCompare);
  MORCleanLastError();
}

void TOVErrorMngr::DisplayAndKeepError(long rc, unsigned int iCompare) {
  if (rc != 0) {
    MORError* error;
    DisplayAndChangeMainError(FetchError(rc, error), iCompare);
    error->Release();
  }
  MORCleanLastError();
}

void TOVErrorMngr::DisplayAndForgetError(MORError& error) {
  TOVErrorDisplay::GetGlobal().Display(error);
  MORCleanLastError();
}

void TOVErrorMngr::DisplayAndForgetError(long rc) {
  if (rc != 0) {
    MORError* error;
    TOVErrorDisplay::GetGlobal().Display(FetchError(rc, error));
    error->Release();
  }
  MORCleanLastError();
}

long TOVErrorMngr::ReturnSuccessOrError() const {
  if (_pMainError == nullptr)
    return MORError::GetReturn(1, nullptr, nullptr, __FILE__, __LINE__);
  _pMainError->AddRef();
  return MORError::GetReturn(2, _pMainError, nullptr, __FILE__, __LINE__);
}

long TOVErrorMngr::SetMainError(MORError* error) {
  if (error != _pMainError) {
    if (error != nullptr)
      error->AddRef();
    if (_pMainError != nullptr)
      _pMainError->Release();
    _pMainError = error;
  }
  return MORError::GetReturn(1, nullptr, nullptr, __FILE__, __LINE__);
}

long TOVErrorMngr::GetMainError(MORError*& error) const {
  error = _pMainError;
  if (error != nullptr)
    error->AddRef();
  return 0;
}

long TOVErrorMngr::GetMainErrorReturnCode() const {
  return _pMainError != nullptr ? _pMainError->GetReturnCode() : 0;
}
