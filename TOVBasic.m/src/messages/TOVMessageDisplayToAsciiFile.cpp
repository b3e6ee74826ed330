#include "TOVMessageDisplayToAsciiFile.h"
#include "TOVFatalInternalError.h"
#include "TOVFileUtilities.h"
#include "TOVRaiseError.h"

TOV_IMPLEMENT_CLASS(TOVMessageDisplayToAsciiFile, TOVMessageDisplayToFile)

TOVMessageDisplayToAsciiFile::TOVMessageDisplayToAsciiFile(const TOVString& fileName)
    : _FileName(fileName), _pFile(nullptr), _IsOpen(0), _pDisplayError(nullptr) {}

TOVMessageDisplayToAsciiFile::~TOVMessageDisplayToAsciiFile() {
  // A display dropped while open still owns its file: closing it puts the buffered
  // messages on disk instead of leaving the handle open until the process ends.
  if (_IsOpen != 0)
    fclose(_pFile);
  if (_pDisplayError != nullptr)
    _pDisplayError->Release();
}

void TOVMessageDisplayToAsciiFile::CheckOpen() const {
  if (_IsOpen == 0)
    TOVFatalInternalError("OpenFile must be called before");
}

long TOVMessageDisplayToAsciiFile::OpenFile() {
  // Opening again first closes the file in use, so that no handle leaks and no buffered
  // message is lost; a failure of that close is the result.
  if (_IsOpen != 0) {
    long rc = CloseFile();
    if (rc != 0)
      return rc;
  }
  unsigned int exists = 0, second = 0, directory = 0;
  long rc = TOVFileUtilities::ElementType(_FileName, exists, second, directory);
  if (rc != 0)
    return rc;
  if (exists != 0 && directory != 0)
    return TOV_RAISE_ERROR(TOVNLSMsgBldrRfHndlr(), TOVCatalogMsg("TOVCMD", "6030", _FileName),
                           TOVCatalogMsg("TOVCMD", "6031"), MORCriticalError, E_FAIL);
  rc = TOVFileUtilities::FileOpen(_FileName, "w", _pFile);
  _IsOpen = rc == 0 ? 1 : 0;
  if (_IsOpen != 0 && _pDisplayError != nullptr) {
    // The failure of the earlier file was given by its CloseFile; the new file starts clean.
    _pDisplayError->Release();
    _pDisplayError = nullptr;
  }
  return rc;
}

void TOVMessageDisplayToAsciiFile::Display(const MORUnicodeString& msg, unsigned int iNewLine) {
  CheckOpen();
  if (_pDisplayError != nullptr)
    return;
  long rc = TOVFileUtilities::FilePutString(msg, _pFile, _FileName);
  if (rc == 0 && iNewLine != 0)
    rc = TOVFileUtilities::FilePutString("\n", _pFile, _FileName);
  if (rc != 0)
    _pDisplayError = TOVError::GetOrMakeLastError(rc);
}

long TOVMessageDisplayToAsciiFile::CloseFile() {
  CheckOpen();
  _IsOpen = 0;
  FILE* file = _pFile;
  _pFile = nullptr;
  long rc = TOVFileUtilities::FileClose(file, _FileName);
  if (_pDisplayError == nullptr)
    return rc;
  // The write failure comes first: it is what made the file incomplete.
  MORError* error = _pDisplayError;
  error->AddRef();
  return MORError::GetReturn(2, error, nullptr, __FILE__, __LINE__);
}

long TOVMessageDisplayToAsciiFile::GetDisplayError(MORError*& error, unsigned int iForget) {
  error = _pDisplayError;
  if (iForget != 0 && _pDisplayError != nullptr) {
    _pDisplayError->Release();
    _pDisplayError = nullptr;
  }
  return 0;
}
