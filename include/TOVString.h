// The library's narrow, counted, NUL-terminated, copy-on-write string.
#ifndef TOVSTRING_H
#define TOVSTRING_H

#include "TOVMacro.h"
#include "TOVStringBlock.h"

/// A byte string whose storage block is shared between copies until one of them is
/// changed. Text is handled as bytes; case conversion follows toupper and tolower.
class TOVBASIC_API TOVString : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVString)
public:
  /// Empty string, granularity 32, with a block of 32 characters.
  TOVString();
  /// Empty string of granularity iDimension; a block is made only when iDimension >= 1.
  /// The second argument is not used.
  TOVString(int iDimension, int);
  /// Copy of s (null: empty), granularity 32.
  TOVString(const char* s);
  /// Copy of s (null: empty), granularity iDimension.
  TOVString(const char* s, int iDimension);
  /// Shares other's block; takes other's granularity. Costs one reference.
  TOVString(const TOVString& other)
      : MORBaseUnknown(), _pChars(other._pChars), _pBlock(other._pBlock), _Length(other._Length),
        _DefaultDimension(other._DefaultDimension) {
    if (_pBlock != nullptr)
      _pBlock->AddRef();
  }
  ~TOVString() override;

  operator const char*() const { return _pChars; }
  /// The byte at index i; no bound check.
  char operator[](int i) const { return _pChars[i]; }
  int Length() const { return _Length; }

  /// Shares other's block (an unblocked other empties this string); keeps this string's
  /// granularity.
  TOVString& operator=(const TOVString& other);
  /// Copies s; null counts as empty. s may point into this string's own text.
  TOVString& operator=(const char* s);
  /// Copies at most n characters of s (n negative: all of it).
  TOVString& Copy(const char* s, int n);
  /// Copies the first n characters of s, at most its length (n negative: all of it).
  TOVString& Copy(const TOVString& s, int n);

  /// Appends; every form accepts text taken from this very string.
  TOVString& operator+=(const TOVString& s);
  TOVString& operator+=(const char* s);
  /// Appends at most n characters of s (n negative: all of it; s null: nothing).
  TOVString& Concat(const char* s, int n) {
    // One character into a private block with room to spare: no call.
    if (n == 1 && s != nullptr && _pBlock != nullptr && _Length + 1 < _pBlock->GetDimension() &&
        _pBlock->GetRefCounter() == 1) {
      char c = *s;
      if (c != '\0') {
        int length = _Length;
        char* end = _pChars + length;
        end[0] = c;
        end[1] = '\0';
        _Length = length + 1;
      }
      return *this;
    }
    return ConcatBounded(s, n);
  }
  /// Appends at most n characters of s, at most its length (n negative: all of it).
  TOVString& Concat(const TOVString& s, int n);
  /// Appends the number in decimal.
  TOVString& operator+=(int v);
  TOVString& operator+=(long v);
  TOVString& operator+=(unsigned int v);
  TOVString& operator+=(unsigned long v);

  /// -1, 0 or 1 as this text is before, equal to or after s, comparing unsigned bytes up
  /// to the first NUL. A null s is before every non-empty text and equal to the empty one.
  int Compare(const char* s) const {
    if (s == nullptr)
      return _Length == 0 ? 0 : 1;
    // strcmp compares the bytes as unsigned char.
    int result = __builtin_strcmp(_pChars, s);
    return (result > 0) - (result < 0);
  }
  int operator==(const char* s) const { return Compare(s) == 0; }
  int operator!=(const char* s) const { return Compare(s) != 0; }
  int operator<(const char* s) const { return Compare(s) < 0; }
  int operator<=(const char* s) const { return Compare(s) <= 0; }
  int operator>=(const char* s) const { return Compare(s) >= 0; }
  int operator>(const char* s) const { return Compare(s) > 0; }
  /// Equal lengths and equal bytes, including bytes after an embedded NUL.
  int operator==(const TOVString& s) const {
    return _Length == s._Length &&
           (_pChars == s._pChars ||
            __builtin_memcmp(_pChars, s._pChars, static_cast<size_t>(_Length)) == 0);
  }
  int operator!=(const TOVString& s) const { return !(*this == s); }

  /// Converts every character up to the first NUL with toupper.
  void ToUpper();
  /// Converts every character up to the first NUL with tolower.
  void ToLower();
  /// Sets the length to n: growing fills with c, shrinking happens only when
  /// iAllowShrink is not 0. A negative n counts as 0.
  void Resize(int n, char c, unsigned int iAllowShrink);
  void Resize(int n, char c) { Resize(n, c, 1); }
  void Resize(int n) { Resize(n, ' ', 1); }

  /// The iNbCharsToExtract characters from iStartPos. A range outside the string (or a
  /// start position equal to the length) is a fatal internal error.
  TOVString SubString(int iStartPos, int iNbCharsToExtract) const;

  /// The dimension to give a block that must hold iLength characters: the current one
  /// when larger, else its double when that is larger, else iLength rounded up to the
  /// granularity (no rounding when the granularity is below 1).
  static int CalcDimension(int iLength, int iDefaultDimension, int iCurrentDimension);

protected:
  int GetDefaultDimension() const { return _DefaultDimension; }
  TOVStringBlock* GetpBlockRfHndlr() const { return _pBlock; }

  /// Makes this string the only holder of a block able to hold iLength characters,
  /// keeping the text when iKeepContent is set. Does not change the length.
  void AllocForUpdate(int iLength, unsigned int iKeepContent);
  /// Holds pBlock in place of the current block (adding a reference unless iNoAddRef is
  /// set) and points the characters at its buffer, or at the empty text without block.
  void ChangeBlockRfHndlr(unsigned int iNoAddRef, TOVStringBlock* pBlock);
  /// Replaces the text by the n bytes at s (s may be null when n is 0).
  void InternalCopy(const char* s, int n);
  /// Appends the n bytes at s; nothing when s is null or n is 0.
  void InternalConcat(const char* s, int n);

private:
  void Init(int iDimension);
  TOVString& ConcatBounded(const char* s, int n);
  /// The block to keep alive while s, which may lie in this string's own buffer, is read.
  TOVStringBlock* BlockToKeepWhileReading(const char* s) const;

  char* _pChars;
  TOVStringBlock* _pBlock;
  int _Length;
  int _DefaultDimension;
};

#endif
