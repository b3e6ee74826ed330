#include "TOVMessageDisplayToTerm.h"

TOV_IMPLEMENT_CLASS(TOVMessageDisplayToTerm, TOVMessageDisplay)

TOVMessageDisplayToTerm::~TOVMessageDisplayToTerm() = default;

void TOVMessageDisplayToTerm::Write(const char* text, size_t size, unsigned int iNewLine) {
  // Written by length: a converted text may hold a zero byte that ends nothing.
  if (size > 0) {
    FILE* file = TOVStdout.GetFile();
    if (file != nullptr)
      fwrite(text, 1, size, file);
  }
  if (iNewLine != 0)
    TOVStdout << endl;
  else
    TOVStdout.Flush();
}
