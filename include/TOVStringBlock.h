// Reference-counted character storage shared by copies of a TOVString.
#ifndef TOVSTRINGBLOCK_H
#define TOVSTRINGBLOCK_H

#include "TOVMacro.h"

/// A heap buffer of GetDimension() characters plus a terminating NUL. The block's
/// reference count is the number of strings sharing it.
class TOVBASIC_API TOVStringBlock final : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVStringBlock)
public:
  /// A buffer for iDimension characters (at least 0), holding the empty text.
  explicit TOVStringBlock(int iDimension);
  /// A buffer for the larger of iDimension and n characters, holding the first n bytes of
  /// s (n <= 0 or s null: the empty text) and a NUL.
  TOVStringBlock(int iDimension, const char* s, int n);
  ~TOVStringBlock() override;

  TOVStringBlock(const TOVStringBlock&) = delete;
  TOVStringBlock& operator=(const TOVStringBlock&) = delete;

  /// Grows or shrinks the buffer to iDimension characters plus the NUL, keeping the
  /// content that fits; gives the new buffer.
  char* ReAlloc(int iDimension);

  char* GetChars() const { return _pChars; }
  int GetDimension() const { return _Dimension; }
  /// The number of strings sharing this block.
  long GetRefCounter() const { return GetRefCount(); }

private:
  char* _pChars;
  int _Dimension;
};

#endif
