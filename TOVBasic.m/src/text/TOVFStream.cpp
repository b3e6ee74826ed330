#include "TOVFStream.h"

#include <cerrno>

TOVFStream::TOVFStream() : _Attached(0), _LastError(EINVAL), _pFile(nullptr) {}

TOVFStream::TOVFStream(FILE* f) : _Attached(f != nullptr), _LastError(0), _pFile(f) {
  if (f == nullptr) {
    errno = EINVAL;
    _LastError = EINVAL;
  }
}

TOVFStream::~TOVFStream() {
  if (_pFile != nullptr && !_Attached)
    std::fclose(_pFile);
}

int TOVFStream::_Open(const char* path, const char* mode) {
  if (path == nullptr || mode == nullptr) {
    _LastError = EINVAL;
    return 1;
  }
  errno = 0;
  _pFile = std::fopen(path, mode);
  if (_pFile == nullptr) {
    _LastError = errno != 0 ? errno : EINVAL;
    return 1;
  }
  _Attached = 0;
  _LastError = 0;
  return 0;
}

int TOVFStream::_Open(const char* path, const int& mode, int isInput) {
  const bool text = (mode & TOV_STREAM_TEXT) != 0;
  const bool append = (mode & TOV_STREAM_APPEND) != 0;
  const char* platformMode;
  if (isInput)
    platformMode = text ? "rt" : "rb";
  else if (append)
    platformMode = text ? "at" : "ab";
  else
    platformMode = text ? "wt" : "wb";
  return _Open(path, platformMode);
}

int TOVFStream::IsOpen() {
  _LastError = _pFile != nullptr ? 0 : EINVAL;
  return _pFile != nullptr;
}

int TOVFStream::Rewind() {
  if (_pFile == nullptr)
    return _LastError = EINVAL;
  errno = 0;
  std::rewind(_pFile);
  return _LastError = errno;
}

int TOVFStream::ClearError() {
  if (_pFile == nullptr)
    return _LastError = EINVAL;
  std::clearerr(_pFile);
  return _LastError = 0;
}

int TOVFStream::Error() {
  if (_pFile == nullptr)
    return _LastError = EINVAL;
  return std::ferror(_pFile);
}

int TOVFStream::EndOfFile() {
  if (_pFile == nullptr)
    return _LastError = EINVAL;
  return std::feof(_pFile);
}

int TOVFStream::GetFileNo() {
  if (_pFile == nullptr)
    return _LastError = EINVAL;
  return fileno(_pFile);
}

int TOVFStream::Close() {
  if (_pFile == nullptr)
    return _LastError = EINVAL;
  if (_Attached) {
    _pFile = nullptr;
    _Attached = 0;
    return _LastError = 0;
  }
  errno = 0;
  int result = std::fclose(_pFile);
  _pFile = nullptr;
  _LastError = errno;
  return result;
}
