#include "TOVVolatileOneWayIteratorForTextFile.h"
#include "TOVError.h"
#include "TOVExtAnyChars.h"
#include "TOVFatalInternalError.h"
#include "TOVFileUtilities.h"
#include "TOVRaiseError.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

TOV_IMPLEMENT_CLASS(TOVVolatileOneWayIteratorForTextFile, TOVVolatileOneWayIterator)

namespace {

// How many characters of an over-long line are read to see whether it goes on, and shown
// when lines are not counted.
const size_t ScratchLength = 10;

// A byte that reading never leaves where the read must stop: it tells a buffer filled to
// the last place apart from a shorter line, even when the line holds zero bytes.
const char Sentinel = 1;

} // namespace

TOVVolatileOneWayIteratorForTextFile::TOVVolatileOneWayIteratorForTextFile(
    const TOVString& fileName, FILE* stream, int firstLineNumber, int maxLineLength,
    const TOVNLSMsgBldrRfHndlr& request)
    : _FileName(fileName), _pStream(stream), _LineNumber(firstLineNumber),
      _MaxLineLength(maxLineLength < 0 ? DefaultMaxLineLength : maxLineLength), _LineLength(0),
      _Growable(maxLineLength < 0 ? 1 : 0), _pLineBuffer(nullptr),
      _pCurrentValue(new TOVExtAnyChars), _HRequest(request) {}

TOVVolatileOneWayIteratorForTextFile::~TOVVolatileOneWayIteratorForTextFile() {
  free(_pLineBuffer);
  _pCurrentValue->Release();
}

void TOVVolatileOneWayIteratorForTextFile::SetLineNumber(int lineNumber) {
  _LineNumber = lineNumber;
}

int TOVVolatileOneWayIteratorForTextFile::GetLineNumber() const {
  return _LineNumber;
}

inline void TOVVolatileOneWayIteratorForTextFile::CountLine() {
  if (_LineNumber >= 0 && _LineNumber < INT_MAX)
    ++_LineNumber;
}

inline long TOVVolatileOneWayIteratorForTextFile::Read(char* at, size_t room, unsigned int& eof) {
  long rc =
      TOVFileUtilities::FileGetString(at, static_cast<int>(room + 1), _pStream, eof, _FileName);
  if (rc != 0)
    TOVError::ReplaceLastErrorRequest(rc, _HRequest);
  return rc;
}

inline long TOVVolatileOneWayIteratorForTextFile::Deliver(size_t length,
                                                          const MORBaseUnknown*& out) {
  char* line = _pLineBuffer;
  if (length > 0 && line[length - 1] == '\n') {
    line[--length] = '\0';
    if (length > 0 && line[length - 1] == '\r')
      line[--length] = '\0';
  }
  // A fixed-size read cannot tell where a line holding a zero byte ends: it is measured
  // up to that byte, as its value is.
  _LineLength = _Growable != 0 ? length : strnlen(line, length);
  _pCurrentValue->SetChars(line);
  out = _pCurrentValue;
  return 0;
}

long TOVVolatileOneWayIteratorForTextFile::TooLong(size_t used, const char* more,
                                                   const MORBaseUnknown*& out) {
  out = nullptr;
  TOVNLSMsgBldrRfHndlr diagnostic;
  if (_LineNumber >= 0) {
    diagnostic = TOVCatalogMsg("TOVBC", "0216", _LineNumber, _MaxLineLength);
  } else {
    // The start of the line: what the buffer holds, then what was read after it.
    std::string start(_pLineBuffer, strnlen(_pLineBuffer, std::min(used, ScratchLength)));
    if (start.size() == used && more != nullptr)
      start.append(more, std::min(strcspn(more, "\r\n"), ScratchLength - start.size()));
    start += "...";
    diagnostic = TOVCatalogMsg("TOVBC", "0217", start.c_str(), _MaxLineLength);
  }
  return TOV_RAISE_ERROR(_HRequest, diagnostic, TOVNLSMsgBldrRfHndlr(), MORCriticalError, E_FAIL);
}

long TOVVolatileOneWayIteratorForTextFile::Next(const MORBaseUnknown*& out) {
  if (_pLineBuffer == nullptr) {
    _pLineBuffer = static_cast<char*>(malloc(static_cast<size_t>(_MaxLineLength) + 1));
    if (_pLineBuffer == nullptr)
      TOVFatalInternalError("No memory for a line buffer of ", _MaxLineLength, " characters");
  }
  if (_Growable != 0)
    return NextGrowing(out);

  size_t room = static_cast<size_t>(_MaxLineLength);
  if (room == 0) {
    // Reading into no room gives nothing, not even the end of the file: what follows
    // alone decides.
    _pLineBuffer[0] = '\0';
    return LookPastMaximum(0, out);
  }
  _pLineBuffer[room] = Sentinel;
  unsigned int eof = 0;
  long rc = Read(_pLineBuffer, room, eof);
  if (rc != 0 || eof != 0) {
    out = nullptr;
    return rc;
  }
  CountLine();
  // A read that stops short of the room has met the line feed or the end of the file.
  if (_pLineBuffer[room] != '\0')
    return Deliver(strlen(_pLineBuffer), out);
  if (_pLineBuffer[room - 1] == '\n')
    return Deliver(room, out);
  return LookPastMaximum(room, out);
}

long TOVVolatileOneWayIteratorForTextFile::NextGrowing(const MORBaseUnknown*& out) {
  // The C library's line reader grows the buffer (at least doubling it) and gives the
  // length read, zero bytes included, in one pass over the stream's buffer.
  size_t capacity = static_cast<size_t>(_MaxLineLength) + 1;
  ssize_t length = -1;
  int code = EBADF;
  if (_pStream != nullptr) {
    errno = 0;
    length = getline(&_pLineBuffer, &capacity, _pStream);
    code = errno;
    _MaxLineLength =
        capacity - 1 > static_cast<size_t>(INT_MAX) ? INT_MAX : static_cast<int>(capacity - 1);
  }
  if (length >= 0) {
    CountLine();
    return Deliver(static_cast<size_t>(length), out);
  }
  out = nullptr;
  if (_pStream != nullptr && ferror(_pStream) == 0)
    return 0;
  // The read error, or a line too long for memory, as the checked reads report it.
  return TOV_RAISE_ERROR(_HRequest, TOVCatalogMsg("TOVBC", "0205", _FileName, strerror(code)),
                         TOVNLSMsgBldrRfHndlr(), MORCriticalError, E_FAIL);
}

long TOVVolatileOneWayIteratorForTextFile::LookPastMaximum(size_t used,
                                                           const MORBaseUnknown*& out) {
  // The line fits only when nothing but its end follows.
  char scratch[ScratchLength + 1];
  unsigned int eof = 0;
  long rc = Read(scratch, ScratchLength, eof);
  if (rc != 0) {
    out = nullptr;
    return rc;
  }
  if (eof != 0 && _MaxLineLength == 0) {
    // With no room, nothing was read before: this is the end of the file.
    out = nullptr;
    return 0;
  }
  if (_MaxLineLength == 0)
    CountLine();
  bool lineEnd = strcmp(scratch, "\n") == 0 || strcmp(scratch, "\r\n") == 0;
  if (eof == 0 && !lineEnd)
    return TooLong(used, scratch, out);
  if (used > 0 && scratch[0] == '\n' && _pLineBuffer[used - 1] == '\r')
    // The carriage return before this line feed is the last character of the buffer.
    _pLineBuffer[--used] = '\0';
  return Deliver(used, out);
}

const MORBaseUnknown* TOVVolatileOneWayIteratorForTextFile::Next() {
  const MORBaseUnknown* out = nullptr;
  if (Next(out) != 0)
    TOVFatalInternalError("Error while reading ", static_cast<const char*>(_FileName),
                          ": Next() fails");
  return out;
}
