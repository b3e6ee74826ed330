// Message display that writes to a text file.
#ifndef TOVMESSAGEDISPLAYTOASCIIFILE_H
#define TOVMESSAGEDISPLAYTOASCIIFILE_H

#include "TOVMessageDisplayToFile.h"
#include "TOVString.h"

#include <cstdio>

/// Writes each message's narrow text to a file that OpenFile creates or empties. A write
/// that fails is kept as the display error: later messages are ignored, GetDisplayError
/// gives it and CloseFile returns it as its failure.
class TOVBASIC_API TOVMessageDisplayToAsciiFile : public TOVMessageDisplayToFile {
  TOV_DECLARE_CLASS(TOVMessageDisplayToAsciiFile)
public:
  /// Keeps the name; the file is not open yet.
  explicit TOVMessageDisplayToAsciiFile(const TOVString& fileName);
  /// Releases the display error; closes the file when CloseFile was not called.
  ~TOVMessageDisplayToAsciiFile() override;

  /// Writes msg, and "\n" when iNewLine is set. A fatal internal error when the file is
  /// not open; nothing is written once a write has failed.
  void Display(const MORUnicodeString& msg, unsigned int iNewLine) override;
  /// Sets error to the display error (null when none); when iForget is set the display
  /// drops its reference and forgets it, so the pointer stays valid only while someone
  /// else (usually the runtime, as the pending error) holds the error. Gives 0.
  long GetDisplayError(MORError*& error, unsigned int iForget) override;

  /// Opens the file for writing (created, or emptied when it exists); the name of a
  /// directory fails with "TOVCMD" "6030". Gives a status.
  [[nodiscard]] virtual long OpenFile();
  /// Closes the file. Gives the failure of the first failed write when there was one (its
  /// error becomes the pending one), else the status of the close. The display can then
  /// be opened again.
  [[nodiscard]] virtual long CloseFile();

private:
  void CheckOpen() const;

  TOVString _FileName;
  FILE* _pFile;
  unsigned int _IsOpen;
  MORError* _pDisplayError;
};

#endif
