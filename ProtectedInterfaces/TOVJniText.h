// The text codec of the Java front end: narrow bytes to 16-bit text and back, losing
// nothing (see TOVJniStringConversion.h).
#ifndef TOVJNITEXT_H
#define TOVJNITEXT_H

#include "TOVExport.h"

#include <cstddef>
#include <string>

/// Decodes size bytes: valid UTF-8 gives its characters; the three-byte form of a
/// surrogate other than U+DC80..U+DCFF gives that surrogate unless it would pair with the
/// next character; any other byte b at or above 0x80 gives U+DC00 + b.
TOVBASIC_API std::u16string TOVJniDecodeNarrow(const char* text, size_t size);

/// Encodes 16-bit text: characters and surrogate pairs as UTF-8; a lone surrogate
/// U+DC80..U+DCFF as the byte of its low eight bits; any other lone surrogate in its
/// three-byte form. TOVJniEncodeWide(TOVJniDecodeNarrow(b)) gives b back for any bytes b.
TOVBASIC_API std::string TOVJniEncodeWide(const char16_t* text, size_t length);

/// True when the NUL-terminated text is valid modified UTF-8 as Java reads it (no four-byte
/// forms, surrogates in three-byte form, NUL only as C0 80).
TOVBASIC_API bool TOVJniIsModifiedUtf8(const char* text);

#endif
