#include "TOVFixedCharBuffer.h"
#include "TOVFatalInternalError.h"

#include <climits>
#include <cstdlib>
#include <cstring>

TOV_IMPLEMENT_CLASS(TOVFixedCharBuffer, MORBaseUnknown)

namespace {

/// size bytes from the heap (size > 0); running out of memory is fatal.
char* AllocateBuffer(int size) {
  auto* buffer = static_cast<char*>(std::malloc(static_cast<size_t>(size)));
  if (buffer == nullptr)
    TOVFatalInternalError("TOVFixedCharBuffer: out of memory for ", size, " bytes");
  return buffer;
}

} // namespace

TOVFixedCharBuffer::TOVFixedCharBuffer(const char* text) : _pChars(nullptr), _Size(0) {
  if (text == nullptr)
    return;
  size_t size = std::strlen(text) + 1;
  if (size > static_cast<size_t>(INT_MAX))
    TOVFatalInternalError("TOVFixedCharBuffer: text longer than an int can count");
  _Size = static_cast<int>(size);
  _pChars = AllocateBuffer(_Size);
  std::memcpy(_pChars, text, size);
}

TOVFixedCharBuffer::TOVFixedCharBuffer(const char* bytes, int size) : _pChars(nullptr), _Size(0) {
  if (size <= 0)
    return;
  _Size = size;
  _pChars = AllocateBuffer(size);
  if (bytes != nullptr)
    std::memcpy(_pChars, bytes, static_cast<size_t>(size));
  else
    std::memset(_pChars, 0, static_cast<size_t>(size));
}

TOVFixedCharBuffer::TOVFixedCharBuffer(int size) : _pChars(nullptr), _Size(0) {
  if (size <= 0)
    return;
  _Size = size;
  _pChars = AllocateBuffer(size);
  _pChars[0] = '\0';
}

TOVFixedCharBuffer::~TOVFixedCharBuffer() {
  std::free(_pChars);
}

char* TOVFixedCharBuffer::GetChars() const {
  return _pChars;
}

int TOVFixedCharBuffer::GetSize() const {
  return _Size;
}
