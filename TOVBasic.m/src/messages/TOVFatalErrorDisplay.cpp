#include "TOVFatalErrorDisplay.h"
#include "TOVFatalErrorDisplayToTerm.h"
#include "TOVGlobalObjectCleaner.h"

TOV_IMPLEMENT_CLASS(TOVFatalErrorDisplay, MORBaseUnknown)

TOVFatalErrorDisplay* TOVFatalErrorDisplay::_pFatalErrorDisplay = nullptr;

TOVFatalErrorDisplay::~TOVFatalErrorDisplay() {
  // A display that goes away must not stay global: the next report would use it.
  if (_pFatalErrorDisplay == this)
    _pFatalErrorDisplay = nullptr;
}

void TOVFatalErrorDisplay::SetGlobal(TOVFatalErrorDisplay& display) {
  _pFatalErrorDisplay = &display;
}

TOVFatalErrorDisplay& TOVFatalErrorDisplay::GetGlobal() {
  if (_pFatalErrorDisplay == nullptr) {
    TOVFatalErrorDisplay* display = new TOVFatalErrorDisplayToTerm;
    // Global first, so that a failure of Add is reported through this display.
    _pFatalErrorDisplay = display;
    TOVGlobalObjectCleaner::Add(display);
  }
  return *_pFatalErrorDisplay;
}
