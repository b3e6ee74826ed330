#include "TOVErrorDisplayInstall.h"
#include "TOVErrorDisplayToISO8859Term.h"
#include "TOVErrorDisplayToOemTerm.h"
#include "TOVGlobalObjectCleaner.h"

TOVErrorDisplay& TOVSetGlobalErrorDisplayToTerm(unsigned int iOem) {
  TOVErrorDisplay* display;
  if (iOem != 0)
    display = new TOVErrorDisplayToOemTerm;
  else
    display = new TOVErrorDisplayToISO8859Term;
  TOVGlobalObjectCleaner::Add(display);
  TOVErrorDisplay::SetGlobal(*display);
  return *display;
}
