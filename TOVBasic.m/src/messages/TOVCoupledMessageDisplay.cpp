#include "TOVCoupledMessageDisplay.h"

TOV_IMPLEMENT_CLASS(TOVCoupledMessageDisplay, TOVMessageDisplay)

TOVCoupledMessageDisplay::TOVCoupledMessageDisplay(TOVMessageDisplay& first,
                                                   TOVMessageDisplay& second)
    : _First(first), _Second(second) {}

TOVCoupledMessageDisplay::~TOVCoupledMessageDisplay() = default;

void TOVCoupledMessageDisplay::Display(const MORUnicodeString& msg, unsigned int iNewLine) {
  _First.Display(msg, iNewLine);
  _Second.Display(msg, iNewLine);
}

long TOVCoupledMessageDisplay::GetDisplayError(MORError*& error, unsigned int iForget) {
  long rc = _First.GetDisplayError(error, iForget);
  if (rc != 0 || error != nullptr)
    return rc;
  return _Second.GetDisplayError(error, iForget);
}
