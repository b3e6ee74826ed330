#include "TOVMessageDisplayToISO8859Term.h"

#include <cstring>

TOV_IMPLEMENT_CLASS(TOVMessageDisplayToISO8859Term, TOVMessageDisplayToTerm)

TOVMessageDisplayToISO8859Term::~TOVMessageDisplayToISO8859Term() = default;

void TOVMessageDisplayToISO8859Term::Display(const MORUnicodeString& msg, unsigned int iNewLine) {
  const char* text = msg;
  Write(text, strlen(text), iNewLine);
}
