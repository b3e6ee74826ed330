#include "TOVMessageDisplayToOemTerm.h"
#include "TOVErrorDisplayToOemTerm.h"

TOV_IMPLEMENT_CLASS(TOVMessageDisplayToOemTerm, TOVMessageDisplayToTerm)

TOVMessageDisplayToOemTerm::~TOVMessageDisplayToOemTerm() = default;

void TOVMessageDisplayToOemTerm::Display(const MORUnicodeString& msg, unsigned int iNewLine) {
  std::string oem = TOVErrorDisplayToOemTerm::ConvertToOem(msg);
  Write(oem.data(), oem.size(), iNewLine);
}
