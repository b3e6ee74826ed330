// Input file stream.
#ifndef TOVIFSTREAM_H
#define TOVIFSTREAM_H

#include "TOVFStream.h"

class TOVBASIC_API TOVIFStream : public TOVFStream {
public:
  TOVIFStream() = default;
  explicit TOVIFStream(FILE* f) : TOVFStream(f) {}
  TOVIFStream(const char* path, const char* mode);
  TOVIFStream(const char* path, const int& mode);

  /// Closes the current file, then opens path for input; 0 on success.
  int Open(const char* path, const char* mode);
  int Open(const char* path, const int& mode);

  /// Reads up to n bytes into buf; gives the number read.
  unsigned int Read(char* buf, unsigned int n);
  /// Reads one line of at most size - 1 characters up to delim (consumed, not stored).
  /// Gives 0 when something was read, 1 at the end of the file or on error.
  int Getline(char* buf, unsigned int size, int delim = '\n');
};

#endif
