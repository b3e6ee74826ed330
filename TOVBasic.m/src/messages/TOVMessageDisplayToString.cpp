#include "TOVMessageDisplayToString.h"

TOV_IMPLEMENT_CLASS(TOVMessageDisplayToString, TOVMessageDisplay)

TOVMessageDisplayToString::~TOVMessageDisplayToString() = default;

void TOVMessageDisplayToString::Display(const MORUnicodeString& msg, unsigned int iNewLine) {
  _Message += msg;
  if (iNewLine != 0)
    _Message += "\n";
}

MORUnicodeString TOVMessageDisplayToString::GetMessageW() {
  return _Message;
}

void TOVMessageDisplayToString::Clear() {
  _Message = MORUnicodeString();
}
