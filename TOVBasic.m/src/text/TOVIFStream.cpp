#include "TOVIFStream.h"

#include <cerrno>
#include <cstring>

TOVIFStream::TOVIFStream(const char* path, const char* mode) {
  _Open(path, mode);
}

TOVIFStream::TOVIFStream(const char* path, const int& mode) {
  _Open(path, mode, 1);
}

int TOVIFStream::Open(const char* path, const char* mode) {
  if (_pFile != nullptr)
    Close();
  return _Open(path, mode);
}

int TOVIFStream::Open(const char* path, const int& mode) {
  if (_pFile != nullptr)
    Close();
  return _Open(path, mode, 1);
}

unsigned int TOVIFStream::Read(char* buf, unsigned int n) {
  if (_pFile == nullptr || buf == nullptr) {
    _LastError = EINVAL;
    return 0;
  }
  std::clearerr(_pFile);
  if (n > 0)
    buf[0] = '\0';
  errno = 0;
  size_t got = std::fread(buf, 1, n, _pFile);
  _LastError = errno;
  return static_cast<unsigned int>(got);
}

int TOVIFStream::Getline(char* buf, unsigned int size, int delim) {
  if (buf != nullptr)
    std::memset(buf, 0, size);
  if (_pFile == nullptr || buf == nullptr || size < 2) {
    _LastError = EINVAL;
    return 1;
  }
  // A delimiter given as a plain char above 0x7F arrives negative; match its byte.
  if (delim < 0 && delim >= -128)
    delim = static_cast<unsigned char>(delim);
  errno = 0;
  unsigned int stored = 0;
  bool readAny = false;
  while (stored < size - 1) {
    int c = getc(_pFile);
    if (c == EOF)
      break;
    readAny = true;
    if (c == delim)
      break;
    buf[stored++] = static_cast<char>(c);
  }
  _LastError = errno;
  if (std::ferror(_pFile))
    return 1;
  return readAny ? 0 : 1;
}
