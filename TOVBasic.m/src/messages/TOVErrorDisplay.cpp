#include "TOVErrorDisplay.h"
#include "TOVError.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVErrorDisplay, MORBaseUnknown)

TOVErrorDisplay* TOVErrorDisplay::_pGlobalErrorDisplay = nullptr;

TOVErrorDisplay::~TOVErrorDisplay() {
  // A display that goes away must not stay global: the next error would use it.
  if (_pGlobalErrorDisplay == this)
    _pGlobalErrorDisplay = nullptr;
}

void TOVErrorDisplay::SetGlobal(TOVErrorDisplay& display) {
  _pGlobalErrorDisplay = &display;
}

TOVErrorDisplay& TOVErrorDisplay::GetGlobal() {
  if (_pGlobalErrorDisplay == nullptr)
    TOVFatalInternalError("A global object displayer should have been set");
  return *_pGlobalErrorDisplay;
}

void TOVErrorDisplay::DisplayAndCleanLastError(long rc) {
  MORError* error = TOVError::GetOrMakeLastError(rc);
  if (error != nullptr) {
    Display(*error);
    error->Release();
  }
  MORCleanLastError();
}
