#include "TOVStringBlock.h"
#include "TOVFatalInternalError.h"

#include <cstdlib>
#include <cstring>

TOV_IMPLEMENT_CLASS(TOVStringBlock, MORBaseUnknown)

namespace {

// A buffer for dimension characters and the NUL; the heap running dry stops the process.
char* AllocChars(char* old, int dimension) {
  char* chars = static_cast<char*>(std::realloc(old, static_cast<size_t>(dimension) + 1));
  if (chars == nullptr)
    TOVFatalInternalError("TOVStringBlock: no memory for ", dimension, " characters");
  return chars;
}

} // namespace

TOVStringBlock::TOVStringBlock(int iDimension)
    : _pChars(nullptr), _Dimension(iDimension > 0 ? iDimension : 0) {
  _pChars = AllocChars(nullptr, _Dimension);
  _pChars[0] = '\0';
}

TOVStringBlock::TOVStringBlock(int iDimension, const char* s, int n)
    : _pChars(nullptr), _Dimension(0) {
  if (s == nullptr || n < 0)
    n = 0;
  _Dimension = iDimension > n ? iDimension : n;
  _pChars = AllocChars(nullptr, _Dimension);
  if (n > 0)
    std::memcpy(_pChars, s, static_cast<size_t>(n));
  _pChars[n] = '\0';
}

TOVStringBlock::~TOVStringBlock() {
  std::free(_pChars);
}

char* TOVStringBlock::ReAlloc(int iDimension) {
  if (iDimension < 0)
    iDimension = 0;
  _pChars = AllocChars(_pChars, iDimension);
  if (iDimension < _Dimension)
    _pChars[iDimension] = '\0';
  _Dimension = iDimension;
  return _pChars;
}
