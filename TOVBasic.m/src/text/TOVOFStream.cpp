#include "TOVOFStream.h"

#include <cerrno>
#include <cstdarg>
#include <cstdint>

TOVOFStream TOVStdout(stdout);
TOVOFStream TOVStderr(stderr);

TOVOFStream::TOVOFStream(const char* path, const char* mode) {
  _Open(path, mode);
}

TOVOFStream::TOVOFStream(const char* path, const int& mode) {
  _Open(path, mode, 0);
}

int TOVOFStream::Open(const char* path, const char* mode) {
  if (_pFile != nullptr)
    Close();
  return _Open(path, mode);
}

int TOVOFStream::Open(const char* path, const int& mode) {
  if (_pFile != nullptr)
    Close();
  return _Open(path, mode, 0);
}

int TOVOFStream::Write(const char* buf, unsigned int n) {
  if (_pFile == nullptr) {
    _LastError = EINVAL;
    return 1;
  }
  if (buf == nullptr || n == 0)
    return 0;
  errno = 0;
  std::fwrite(buf, 1, n, _pFile);
  if (std::ferror(_pFile)) {
    _LastError = errno;
    return 1;
  }
  int result = std::fflush(_pFile);
  _LastError = errno;
  return result;
}

int TOVOFStream::Print(const char* format, ...) {
  if (_pFile == nullptr || format == nullptr) {
    _LastError = EINVAL;
    return 1;
  }
  errno = 0;
  va_list args;
  va_start(args, format);
  std::vfprintf(_pFile, format, args);
  va_end(args);
  int result = std::fflush(_pFile);
  _LastError = errno;
  return result;
}

int TOVOFStream::CatFile(const char* path, const int& mode) {
  if (path == nullptr)
    return 0;
  if (_pFile == nullptr) {
    _LastError = EINVAL;
    return 1;
  }
  errno = 0;
  FILE* in = std::fopen(path, (mode & TOV_STREAM_TEXT) ? "rt" : "rb");
  if (in == nullptr) {
    _LastError = errno != 0 ? errno : EINVAL;
    return 1;
  }
  char block[16384];
  int failed = 0;
  for (;;) {
    size_t got = std::fread(block, 1, sizeof block, in);
    if (got > 0 && std::fwrite(block, 1, got, _pFile) != got) {
      failed = 1;
      break;
    }
    if (got < sizeof block) {
      failed = std::ferror(in) != 0;
      break;
    }
  }
  int saved = errno;
  std::fclose(in);
  if (std::fflush(_pFile) != 0)
    failed = 1;
  _LastError = failed ? (errno != 0 ? errno : saved) : 0;
  return failed;
}

int TOVOFStream::Putc(int c) {
  if (_pFile == nullptr) {
    _LastError = EINVAL;
    return 1;
  }
  errno = 0;
  std::fputc(c, _pFile);
  int result = std::fflush(_pFile);
  _LastError = errno;
  return result;
}

int TOVOFStream::Puts(const char* s) {
  if (_pFile == nullptr) {
    _LastError = EINVAL;
    return 1;
  }
  errno = 0;
  if (s != nullptr)
    std::fputs(s, _pFile);
  int result = std::fflush(_pFile);
  _LastError = errno;
  return result;
}

int TOVOFStream::Flush() {
  if (_pFile == nullptr) {
    _LastError = EINVAL;
    return 1;
  }
  errno = 0;
  int result = std::fflush(_pFile);
  _LastError = errno;
  return result;
}

TOVOFStream& TOVOFStream::operator<<(const char* s) {
  if (_pFile != nullptr && s != nullptr)
    std::fputs(s, _pFile);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(char c) {
  if (_pFile != nullptr)
    std::fputc(static_cast<unsigned char>(c), _pFile);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(unsigned char c) {
  if (_pFile != nullptr)
    std::fputc(c, _pFile);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(void* p) {
  // The address in full: on 64 bits "%x" would cut it.
  if (_pFile != nullptr)
    std::fprintf(_pFile, "0x%jx", static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(p)));
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(int v) {
  if (_pFile != nullptr)
    std::fprintf(_pFile, "%d", v);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(long v) {
  if (_pFile != nullptr)
    std::fprintf(_pFile, "%ld", v);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(unsigned int v) {
  if (_pFile != nullptr)
    std::fprintf(_pFile, "%u", v);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(unsigned long v) {
  if (_pFile != nullptr)
    std::fprintf(_pFile, "%lu", v);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(double v) {
  if (_pFile != nullptr)
    std::fprintf(_pFile, "%lg", v);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(long double v) {
  if (_pFile != nullptr)
    std::fprintf(_pFile, "%Lg", v);
  return *this;
}

TOVOFStream& TOVOFStream::operator<<(TOVOFStream& (*manipulator)(TOVOFStream&)) {
  return manipulator != nullptr ? manipulator(*this) : *this;
}

TOVOFStream& endl(TOVOFStream& s) {
  s.Putc('\n');
  return s;
}

TOVOFStream& flush(TOVOFStream& s) {
  s.Flush();
  return s;
}
