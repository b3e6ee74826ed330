#include "TOVMessageDisplay.h"
#include "TOVFatalInternalError.h"

TOV_IMPLEMENT_CLASS(TOVMessageDisplay, MORBaseUnknown)

TOVMessageDisplay* TOVMessageDisplay::_pGlobalMessageDisplay = nullptr;

TOVMessageDisplay::~TOVMessageDisplay() {
  // A global pointer to a dead display would be followed by the next message.
  if (_pGlobalMessageDisplay == this)
    _pGlobalMessageDisplay = nullptr;
}

long TOVMessageDisplay::GetDisplayError(MORError*& error, unsigned int) {
  error = nullptr;
  return 0;
}

void TOVMessageDisplay::SetGlobal(TOVMessageDisplay& display) {
  _pGlobalMessageDisplay = &display;
}

TOVMessageDisplay& TOVMessageDisplay::GetGlobal() {
  if (_pGlobalMessageDisplay == nullptr)
    TOVFatalInternalError("A global object displayer should have been set");
  return *_pGlobalMessageDisplay;
}
