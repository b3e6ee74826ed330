#include "TOVErrorDisplayToTerm.h"

TOV_IMPLEMENT_CLASS(TOVErrorDisplayToTerm, TOVErrorDisplay)

TOVErrorDisplayToTerm::~TOVErrorDisplayToTerm() = default;

namespace {

// The catalog name or message id as the header shows it: "..." when unset.
const char* OrDots(const char* text) {
  return text != nullptr && *text != '\0' ? text : "...";
}

} // namespace

MORUnicodeString TOVErrorDisplayToTerm::MakeMsgTxt(MORError& error) {
  int type = error.GetType();
  MORUnicodeString text = error.GetNLSRequest();
  if (!text.IsEmpty())
    text += "\n";

  const char* catalog = OrDots(error.GetMsgCatalog());
  const char* msgId = OrDots(error.GetMsgId());
  bool header = true;
  switch (type) {
  case MORCriticalError:
    text += "#ERR# ";
    break;
  case MORFatalError:
    text += "#ERR# FATAL ERROR ";
    break;
  case MORWarning:
    text += "!WNG! ";
    break;
  default:
    header = false;
  }
  if (header) {
    text += catalog;
    text += " - ";
    text += msgId;
    if (type == MORFatalError) {
      char* file = nullptr;
      if (error.GetSourceFileName(&file) != 0 || file == nullptr)
        file = const_cast<char*>("");
      MORUnicodeString line;
      line.BuildFromNum(error.GetSourceLineNumber());
      text += " IN ";
      text += file;
      text += " AT LINE ";
      text += line;
    }
  }

  MORUnicodeString diagnostic = error.GetNLSDiagnostic();
  if (!diagnostic.IsEmpty()) {
    if (header)
      text += ": ";
    text += diagnostic;
    text += "\n";
  } else if (header) {
    text += "\n";
  }
  MORUnicodeString advice = error.GetNLSAdvice();
  if (!advice.IsEmpty()) {
    text += advice;
    text += "\n";
  }
  text += "\n";
  return text;
}

void TOVErrorDisplayToTerm::BuildMsgTxt(MORError& error, MORUnicodeString& text) {
  text = MakeMsgTxt(error);
}

TOVOFStream& TOVErrorDisplayToTerm::GetStreamFor(MORError& error) {
  int type = error.GetType();
  return type == MORCriticalError || type == MORFatalError ? TOVStderr : TOVStdout;
}
