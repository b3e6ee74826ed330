#include "TOVMessageDisplayInstall.h"
#include "TOVErrorDisplayInstall.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayToISO8859Term.h"
#include "TOVMessageDisplayToOemTerm.h"

TOVMessageDisplay& TOVSetGlobalMessageDisplayToTerm(unsigned int iOem) {
  TOVMessageDisplay* display;
  if (iOem != 0)
    display = new TOVMessageDisplayToOemTerm;
  else
    display = new TOVMessageDisplayToISO8859Term;
  TOVGlobalObjectCleaner::Add(display);
  TOVMessageDisplay::SetGlobal(*display);
  return *display;
}

void TOVSetGlobalDisplaysToTerm(unsigned int iOem) {
  TOVSetGlobalMessageDisplayToTerm(iOem);
  TOVSetGlobalErrorDisplayToTerm(iOem);
}
