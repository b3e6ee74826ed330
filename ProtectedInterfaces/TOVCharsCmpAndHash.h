// Reading, ordering and hashing the text of string and external character objects.
//
// Shared by the text comparators and hash coders and by the strategies of other modules
// that compare or hash objects through the text they carry.
#ifndef TOVCHARSCMPANDHASH_H
#define TOVCHARSCMPANDHASH_H

#include "TOVExtChars.h"
#include "TOVFatalInternalError.h"
#include "TOVString.h"

#include <cctype>
#include <cstdint>
#include <cstring>
#include <strings.h>

/// The characters of a text object and their number.
struct TOVCharsOfObject {
  const char* _pChars;
  uint32_t _Length;
};

/// How a null external character value reads: comparators and hash coders both take it
/// as the empty text, so that it compares and hashes as an empty string does.
inline const char* TOVEmptyChars() {
  return "";
}

/// The text of obj as the text strategies read it: a string's own characters and length,
/// an external character value's text (the empty text when it is null). Anything else
/// stops the process with iWhich, " is neither an TOVString nor an TOVExtChars but a "
/// and its class name. iWhich names the argument in the report ("pObj1", "pObject").
/// iMeasure tells whether the length of an external text is needed (else it is 0 or 1,
/// enough to tell the empty text).
inline TOVCharsOfObject TOVReadCharsOfObject(const MORBaseUnknown* obj, const char* iWhich,
                                             bool iMeasure) {
  // Comparators and hash coders run in the inner loops of searches and sorts: the two
  // kinds are looked for in one inline walk up the class chain.
  static MORMetaClass* const stringMeta = TOVString::MetaObject();
  static MORMetaClass* const extCharsMeta = TOVExtChars::MetaObject();
  for (const MORMetaClass* m = obj->GetMetaObject(); m != nullptr; m = m->GetParent()) {
    if (m == stringMeta) {
      const TOVString& s = *static_cast<const TOVString*>(obj);
      return {s, static_cast<uint32_t>(s.Length())};
    }
    if (m == extCharsMeta) {
      const TOVExtChars& ext = *static_cast<const TOVExtChars*>(obj);
      if (ext.IsDbNull())
        return {TOVEmptyChars(), 0};
      const char* chars = ext.GetChars();
      if (chars == nullptr)
        TOVFatalInternalError("Chars1 pointer is NULL");
      if (iMeasure)
        return {chars, static_cast<uint32_t>(std::strlen(chars))};
      return {chars, chars[0] != '\0' ? 1u : 0u};
    }
  }
  TOVFatalInternalError(iWhich, " is neither an TOVString nor an TOVExtChars but a ", obj->IsA());
}

/// The text of a comparator's argument; a null argument of either side stops the process.
inline void TOVReadCharsToCompare(const MORBaseUnknown* a, const MORBaseUnknown* b,
                                  TOVCharsOfObject& oA, TOVCharsOfObject& oB) {
  if (a == nullptr || b == nullptr)
    TOVFatalInternalError("pObj1 == NULL OR pObj2 == NULL");
  oA = TOVReadCharsOfObject(a, "pObj1", false);
  oB = TOVReadCharsOfObject(b, "pObj2", false);
}

/// The text of a hash coder's argument; a null argument stops the process.
inline TOVCharsOfObject TOVReadCharsToHash(const MORBaseUnknown* obj) {
  if (obj == nullptr)
    TOVFatalInternalError("pObject == NULL");
  return TOVReadCharsOfObject(obj, "pObject", true);
}

/// The order of two texts with case respected: the empty text first, then the unsigned
/// bytes up to the first difference or the end. Exactly -1, 0 or 1.
inline int TOVCompareChars(const TOVCharsOfObject& a, const TOVCharsOfObject& b) {
  if (a._Length == 0)
    return b._Length == 0 ? 0 : -1;
  if (b._Length == 0)
    return 1;
  // strcmp compares the bytes as unsigned char.
  const int order = std::strcmp(a._pChars, b._pChars);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

/// The order of two texts with case ignored: the empty text first, then the sign of the
/// platform's case-insensitive comparison, whose value is returned as it is.
inline int TOVCompareCharsNoCase(const TOVCharsOfObject& a, const TOVCharsOfObject& b) {
  if (a._Length == 0)
    return b._Length == 0 ? 0 : -1;
  if (b._Length == 0)
    return 1;
  return strcasecmp(a._pChars, b._pChars);
}

/// Adds the n bytes at p, each taken as a signed 8-bit value and first passed through
/// Fold, to the code h: h = h * 17 + byte for each, modulo 2^32.
template <int (*Fold)(int)>
inline uint32_t TOVHashBytes(uint32_t h, const unsigned char* p, uint32_t n) {
  auto byte = [](unsigned char c) {
    return static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(Fold(c))));
  };
  // Four bytes at a time with the powers of 17 spelled out: the same code, with a
  // shorter chain of dependent multiplications.
  uint32_t i = 0;
  for (; i + 4 <= n; i += 4)
    h = h * 83521u + byte(p[i]) * 4913u + byte(p[i + 1]) * 289u + byte(p[i + 2]) * 17u +
        byte(p[i + 3]);
  for (; i < n; ++i)
    h = h * 17u + byte(p[i]);
  return h;
}

inline int TOVKeepByte(int c) {
  return c;
}

inline int TOVLowerByte(int c) {
  return std::tolower(c);
}

/// The code of a text: the length, then for each byte, taken as a signed 8-bit value,
/// h * 17 + byte, modulo 2^32.
inline unsigned int TOVHashChars(const TOVCharsOfObject& text) {
  return TOVHashBytes<TOVKeepByte>(
      text._Length, reinterpret_cast<const unsigned char*>(text._pChars), text._Length);
}

/// As TOVHashChars, with each byte first lowered by the locale's tolower, which also
/// decides what the case-insensitive comparison folds.
inline unsigned int TOVHashCharsNoCase(const TOVCharsOfObject& text) {
  return TOVHashBytes<TOVLowerByte>(
      text._Length, reinterpret_cast<const unsigned char*>(text._pChars), text._Length);
}

#endif
