// An owned byte buffer of fixed size.
#ifndef TOVFIXEDCHARBUFFER_H
#define TOVFIXEDCHARBUFFER_H

#include "TOVMacro.h"

class TOVBASIC_API TOVFixedCharBuffer : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVFixedCharBuffer)

public:
  /// A copy of text with its NUL (size: length + 1); null text: null buffer of size 0.
  explicit TOVFixedCharBuffer(const char* text);
  /// A copy of the first size bytes of bytes, nothing added. A size of 0 or less gives a
  /// null buffer of size 0; null bytes give size zero bytes.
  TOVFixedCharBuffer(const char* bytes, int size);
  /// size bytes whose first is NUL (the rest unspecified); 0 or less: null buffer, size 0.
  explicit TOVFixedCharBuffer(int size);
  /// Frees the buffer.
  ~TOVFixedCharBuffer() override;

  TOVFixedCharBuffer(const TOVFixedCharBuffer&) = delete;
  TOVFixedCharBuffer& operator=(const TOVFixedCharBuffer&) = delete;

  /// The buffer (null when the size is 0); GetSize() bytes may be used.
  virtual char* GetChars() const;
  virtual int GetSize() const;

private:
  char* _pChars;
  int _Size;
};

#endif
