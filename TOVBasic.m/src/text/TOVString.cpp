#include "TOVString.h"
#include "TOVFatalInternalError.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

TOV_IMPLEMENT_CLASS(TOVString, MORBaseUnknown)

namespace {

// The text of every string without a block. Never written: a change first gives the
// string a block.
char EmptyText[1] = {'\0'};

// The number of characters of s bounded by n: null or n == 0 gives 0, n negative the
// full length.
int BoundedLength(const char* s, int n) {
  if (s == nullptr || n == 0)
    return 0;
  if (n < 0)
    return static_cast<int>(std::strlen(s));
  return static_cast<int>(strnlen(s, static_cast<size_t>(n)));
}

// The first n characters of s (n negative: all of them), at most its length.
int BoundedLength(const TOVString& s, int n) {
  return n < 0 || n > s.Length() ? s.Length() : n;
}

} // namespace

TOVString::TOVString() {
  Init(32);
}

TOVString::TOVString(int iDimension, int) {
  Init(iDimension);
}

TOVString::TOVString(const char* s) {
  Init(0);
  _DefaultDimension = 32;
  *this = s;
}

TOVString::TOVString(const char* s, int iDimension) {
  Init(0);
  _DefaultDimension = iDimension;
  *this = s;
}

TOVString::~TOVString() {
  ChangeBlockRfHndlr(1, nullptr);
}

void TOVString::Init(int iDimension) {
  _pChars = EmptyText;
  _pBlock = nullptr;
  _Length = 0;
  _DefaultDimension = iDimension;
  if (iDimension >= 1)
    ChangeBlockRfHndlr(1, new TOVStringBlock(iDimension));
}

TOVString& TOVString::operator=(const TOVString& other) {
  ChangeBlockRfHndlr(0, other._pBlock);
  _Length = other._pBlock != nullptr ? other._Length : 0;
  return *this;
}

TOVString& TOVString::operator=(const char* s) {
  InternalCopy(s, BoundedLength(s, -1));
  return *this;
}

TOVString& TOVString::Copy(const char* s, int n) {
  InternalCopy(s, BoundedLength(s, n));
  return *this;
}

TOVString& TOVString::Copy(const TOVString& s, int n) {
  InternalCopy(s._pChars, BoundedLength(s, n));
  return *this;
}

TOVString& TOVString::operator+=(const TOVString& s) {
  InternalConcat(s._pChars, s._Length);
  return *this;
}

TOVString& TOVString::operator+=(const char* s) {
  InternalConcat(s, BoundedLength(s, -1));
  return *this;
}

TOVString& TOVString::ConcatBounded(const char* s, int n) {
  InternalConcat(s, BoundedLength(s, n));
  return *this;
}

TOVString& TOVString::Concat(const TOVString& s, int n) {
  InternalConcat(s._pChars, BoundedLength(s, n));
  return *this;
}

TOVString& TOVString::operator+=(int v) {
  char text[16];
  InternalConcat(text, std::snprintf(text, sizeof text, "%d", v));
  return *this;
}

TOVString& TOVString::operator+=(long v) {
  char text[24];
  InternalConcat(text, std::snprintf(text, sizeof text, "%ld", v));
  return *this;
}

TOVString& TOVString::operator+=(unsigned int v) {
  char text[16];
  InternalConcat(text, std::snprintf(text, sizeof text, "%u", v));
  return *this;
}

TOVString& TOVString::operator+=(unsigned long v) {
  char text[24];
  InternalConcat(text, std::snprintf(text, sizeof text, "%lu", v));
  return *this;
}

namespace {

template <int (*Convert)(int)> void ConvertCase(char* chars) {
  for (char* p = chars; *p != '\0'; ++p) {
    int converted = Convert(static_cast<unsigned char>(*p));
    if (converted == 0)
      TOVFatalInternalError("the character ", *p, " is converted to ");
    *p = static_cast<char>(converted);
  }
}

} // namespace

void TOVString::ToUpper() {
  AllocForUpdate(_Length, 1);
  ConvertCase<std::toupper>(_pChars);
}

void TOVString::ToLower() {
  AllocForUpdate(_Length, 1);
  ConvertCase<std::tolower>(_pChars);
}

void TOVString::Resize(int n, char c, unsigned int iAllowShrink) {
  if (n < 0)
    n = 0;
  if (n == _Length || (n < _Length && iAllowShrink == 0))
    return;
  AllocForUpdate(n, 1);
  if (n > _Length)
    std::memset(_pChars + _Length, c, static_cast<size_t>(n - _Length));
  _Length = n;
  _pChars[n] = '\0';
}

TOVString TOVString::SubString(int iStartPos, int iNbCharsToExtract) const {
  TOVString part(_DefaultDimension, 0);
  if (iStartPos < 0 || iNbCharsToExtract < 0 || iStartPos >= _Length ||
      iStartPos + iNbCharsToExtract > _Length)
    TOVFatalInternalError("TOVString::SubString(): iStartPos >= _Length OR iStartPos + "
                          "iNbCharsToExtract > _Length");
  part.InternalCopy(_pChars + iStartPos, iNbCharsToExtract);
  return part;
}

int TOVString::CalcDimension(int iLength, int iDefaultDimension, int iCurrentDimension) {
  if (iCurrentDimension > iLength)
    return iCurrentDimension;
  // Wider arithmetic: doubling or rounding a dimension near INT_MAX must not wrap.
  long long doubled = 2LL * iCurrentDimension;
  if (doubled > iLength)
    return doubled > INT_MAX - 1 ? INT_MAX - 1 : static_cast<int>(doubled);
  if (iDefaultDimension < 1)
    return iLength;
  if (iLength < 1)
    return iDefaultDimension;
  long long rounded = (static_cast<long long>(iLength - 1) / iDefaultDimension + 1) *
                      static_cast<long long>(iDefaultDimension);
  return rounded > INT_MAX - 1 ? iLength : static_cast<int>(rounded);
}

void TOVString::AllocForUpdate(int iLength, unsigned int iKeepContent) {
  if (_pBlock != nullptr && _pBlock->GetRefCounter() == 1) {
    int dimension = _pBlock->GetDimension();
    if (dimension > iLength)
      return;
    _pChars = _pBlock->ReAlloc(CalcDimension(iLength, _DefaultDimension, dimension));
    return;
  }
  TOVStringBlock* block;
  if (_pBlock != nullptr && iKeepContent != 0)
    block = new TOVStringBlock(CalcDimension(iLength, _DefaultDimension, 0), _pChars,
                               iLength < _Length ? iLength : _Length);
  else
    block = new TOVStringBlock(CalcDimension(iLength, _DefaultDimension, 0));
  ChangeBlockRfHndlr(1, block);
}

void TOVString::ChangeBlockRfHndlr(unsigned int iNoAddRef, TOVStringBlock* pBlock) {
  if (pBlock != _pBlock) {
    // Take the new reference first: releasing the old block may free pBlock otherwise.
    if (pBlock != nullptr && iNoAddRef == 0)
      pBlock->AddRef();
    if (_pBlock != nullptr)
      _pBlock->Release();
    _pBlock = pBlock;
  }
  _pChars = _pBlock != nullptr ? _pBlock->GetChars() : EmptyText;
}

TOVStringBlock* TOVString::BlockToKeepWhileReading(const char* s) const {
  if (_pBlock == nullptr || s < _pChars || s > _pChars + _pBlock->GetDimension())
    return nullptr;
  // Holding a second reference makes AllocForUpdate give this string a new block
  // instead of reallocating the buffer that s points into.
  _pBlock->AddRef();
  return _pBlock;
}

void TOVString::InternalCopy(const char* s, int n) {
  TOVStringBlock* kept = BlockToKeepWhileReading(s);
  AllocForUpdate(n, 0);
  if (s != nullptr && n != 0)
    std::memmove(_pChars, s, static_cast<size_t>(n));
  _Length = n;
  _pChars[n] = '\0';
  if (kept != nullptr)
    kept->Release();
}

void TOVString::InternalConcat(const char* s, int n) {
  if (s == nullptr || n == 0)
    return;
  TOVStringBlock* kept = BlockToKeepWhileReading(s);
  AllocForUpdate(_Length + n, 1);
  std::memmove(_pChars + _Length, s, static_cast<size_t>(n));
  _Length += n;
  _pChars[_Length] = '\0';
  if (kept != nullptr)
    kept->Release();
}
