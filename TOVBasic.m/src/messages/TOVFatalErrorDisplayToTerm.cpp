#include "TOVFatalErrorDisplayToTerm.h"

TOV_IMPLEMENT_CLASS(TOVFatalErrorDisplayToTerm, TOVFatalErrorDisplay)

TOVFatalErrorDisplayToTerm::~TOVFatalErrorDisplayToTerm() = default;

TOVOFStream& TOVFatalErrorDisplayToTerm::GetOutputStream() {
  return TOVStderr;
}

void TOVFatalErrorDisplayToTerm::Display() {}
