#include "TOVStringBlock.h"
#include "MORSmallObjectPool.h"
#include "TOVFatalInternalError.h"

#include <algorithm>

#include <cstdlib>
#include <cstring>

TOV_IMPLEMENT_CLASS(TOVStringBlock, MORBaseUnknown)

namespace {

// A buffer for dimension characters and the NUL, holding the first characters of old (a
// buffer for oldDimension characters, or null), which it replaces. Small buffers come from
// the runtime's pool, as the blocks themselves do; a buffer of the heap stays there and
// grows in place when it can. The heap running dry stops the process.
char* AllocChars(char* old, int oldDimension, int dimension) {
  const size_t size = static_cast<size_t>(dimension) + 1;
  char* chars = nullptr;
  if (old == nullptr || MORSmallObjectPool::Owns(old)) {
    if (MORSmallObjectPool::ServesObjects())
      chars = static_cast<char*>(MORSmallObjectPool::Allocate(size));
    if (chars == nullptr)
      chars = static_cast<char*>(std::malloc(size));
    if (chars != nullptr && old != nullptr) {
      std::memcpy(chars, old, static_cast<size_t>(std::min(oldDimension, dimension)) + 1);
      MORSmallObjectPool::Free(old);
    }
  } else {
    chars = static_cast<char*>(std::realloc(old, size));
  }
  if (chars == nullptr)
    TOVFatalInternalError("TOVStringBlock: no memory for ", dimension, " characters");
  return chars;
}

} // namespace

TOVStringBlock::TOVStringBlock(int iDimension)
    : _pChars(nullptr), _Dimension(iDimension > 0 ? iDimension : 0) {
  _pChars = AllocChars(nullptr, 0, _Dimension);
  _pChars[0] = '\0';
}

TOVStringBlock::TOVStringBlock(int iDimension, const char* s, int n)
    : _pChars(nullptr), _Dimension(0) {
  if (s == nullptr || n < 0)
    n = 0;
  _Dimension = iDimension > n ? iDimension : n;
  _pChars = AllocChars(nullptr, 0, _Dimension);
  if (n > 0)
    std::memcpy(_pChars, s, static_cast<size_t>(n));
  _pChars[n] = '\0';
}

TOVStringBlock::~TOVStringBlock() {
  MORSmallObjectPool::Delete(_pChars);
}

char* TOVStringBlock::ReAlloc(int iDimension) {
  if (iDimension < 0)
    iDimension = 0;
  _pChars = AllocChars(_pChars, _Dimension, iDimension);
  if (iDimension < _Dimension)
    _pChars[iDimension] = '\0';
  _Dimension = iDimension;
  return _pChars;
}
