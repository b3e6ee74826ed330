#include "TOVErrorDisplayToISO8859Term.h"

TOV_IMPLEMENT_CLASS(TOVErrorDisplayToISO8859Term, TOVErrorDisplayToTerm)

TOVErrorDisplayToISO8859Term::~TOVErrorDisplayToISO8859Term() = default;

void TOVErrorDisplayToISO8859Term::Display(MORError& error) {
  MORUnicodeString text;
  BuildMsgTxt(error, text);
  std::string narrow = MORUnicodeString::EncodeUtf8(text, text.GetLengthInChar());
  TOVOFStream& stream = GetStreamFor(error);
  stream.Write(narrow.data(), static_cast<unsigned int>(narrow.size()));
  stream.Flush();
}
