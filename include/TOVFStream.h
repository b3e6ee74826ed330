// State shared by the library's file streams.
#ifndef TOVFSTREAM_H
#define TOVFSTREAM_H

#include "TOVExport.h"
#include <cstdio>

/// Open-mode flag: text (otherwise binary).
#define TOV_STREAM_TEXT 8
/// Open-mode flag: append (output only).
#define TOV_STREAM_APPEND 2

/// A stream over a C runtime FILE handle. Failures are results and the kept errno;
/// no operation stops the process.
class TOVBASIC_API TOVFStream {
public:
  /// No file, not attached, last error EINVAL.
  TOVFStream();
  /// Attached to f, which the stream never closes; without f as the default constructor.
  explicit TOVFStream(FILE* f);
  TOVFStream(const TOVFStream&) = default;
  TOVFStream& operator=(const TOVFStream&) = default;
  /// Closes the file when the stream owns it.
  virtual ~TOVFStream();

  /// Non-zero when there is a file.
  int IsOpen();
  /// errno of the last operation.
  int GetErrno() const { return _LastError; }
  /// Rewinds; gives the last error (EINVAL without a file).
  int Rewind();
  /// Clears the file's error and end-of-file indicators; gives the last error.
  int ClearError();
  /// The file's error indicator; EINVAL without a file.
  int Error();
  /// The file's end-of-file indicator; EINVAL without a file.
  int EndOfFile();
  /// The file descriptor; EINVAL without a file.
  int GetFileNo();
  /// Closes an owned file (fclose's result), forgets an attached one (0); EINVAL without.
  int Close();
  /// The handle, or null.
  FILE* GetFile() const { return _pFile; }

protected:
  /// Opens path with fopen's mode; 0 on success, 1 on failure with the errno kept.
  int _Open(const char* path, const char* mode);
  /// Opens path with the platform mode that the flags and direction select.
  int _Open(const char* path, const int& mode, int isInput);

  int _Attached;
  int _LastError;
  FILE* _pFile;
};

#endif
