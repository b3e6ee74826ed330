// Output file stream and the standard output and error streams.
#ifndef TOVOFSTREAM_H
#define TOVOFSTREAM_H

#include "TOVFStream.h"

class TOVBASIC_API TOVOFStream : public TOVFStream {
public:
  TOVOFStream() = default;
  explicit TOVOFStream(FILE* f) : TOVFStream(f) {}
  TOVOFStream(const char* path, const char* mode);
  TOVOFStream(const char* path, const int& mode);

  /// Closes the current file, then opens path for output; 0 on success.
  int Open(const char* path, const char* mode);
  int Open(const char* path, const int& mode);

  /// Writes n bytes and flushes; 0 on success.
  int Write(const char* buf, unsigned int n);
  /// Formats as printf does and flushes; 0 on success.
  int Print(const char* format, ...) __attribute__((format(printf, 2, 3)));
  /// Appends the whole content of the file at path; 0 on success.
  int CatFile(const char* path, const int& mode);
  /// Writes one character and flushes.
  int Putc(int c);
  /// Writes a text and flushes.
  int Puts(const char* s);
  int Flush();

  // Output operators: no flush, no report; nothing happens without a file.
  TOVOFStream& operator<<(const char* s);
  TOVOFStream& operator<<(char c);
  TOVOFStream& operator<<(unsigned char c);
  TOVOFStream& operator<<(void* p);
  TOVOFStream& operator<<(int v);
  TOVOFStream& operator<<(long v);
  TOVOFStream& operator<<(unsigned int v);
  TOVOFStream& operator<<(unsigned long v);
  TOVOFStream& operator<<(double v);
  TOVOFStream& operator<<(long double v);
  TOVOFStream& operator<<(TOVOFStream& (*manipulator)(TOVOFStream&));
};

/// Writes a line feed and flushes.
TOVBASIC_API TOVOFStream& endl(TOVOFStream& s);
/// Flushes.
TOVBASIC_API TOVOFStream& flush(TOVOFStream& s);

/// The process's standard output, built when the library loads.
extern TOVBASIC_API TOVOFStream TOVStdout;
/// The process's standard error, built when the library loads.
extern TOVBASIC_API TOVOFStream TOVStderr;

#endif
