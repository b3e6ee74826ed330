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
  MORMetaClass* meta = obj->GetMetaObject();
  if (meta->IsAKindOf(TOVString::MetaObject())) {
    const TOVString& s = *static_cast<const TOVString*>(obj);
    return {s, static_cast<uint32_t>(s.Length())};
  }
  if (!meta->IsAKindOf(TOVExtChars::MetaObject()))
    TOVFatalInternalError(iWhich, " is neither an TOVString nor an TOVExtChars but a ", obj->IsA());
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

/// The code of a text: the length, then for each byte, taken as a signed 8-bit value,
/// h * 17 + byte, modulo 2^32.
inline unsigned int TOVHashChars(const TOVCharsOfObject& text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text._pChars);
  uint32_t h = text._Length;
  for (uint32_t i = 0; i < text._Length; ++i)
    h = h * 17u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(p[i])));
  return h;
}

/// As TOVHashChars, with each byte first lowered by the locale's tolower, which also
/// decides what the case-insensitive comparison folds.
inline unsigned int TOVHashCharsNoCase(const TOVCharsOfObject& text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text._pChars);
  uint32_t h = text._Length;
  for (uint32_t i = 0; i < text._Length; ++i) {
    const signed char lowered = static_cast<signed char>(std::tolower(p[i]));
    h = h * 17u + static_cast<uint32_t>(static_cast<int32_t>(lowered));
  }
  return h;
}

#endif
