#include "TOVJniStringConversion.h"
#include "MORUnicodeString.h"
#include "TOVJniText.h"

#include <jni.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool IsContinuation(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

bool IsHighSurrogate(char32_t u) {
  return u >= 0xD800 && u <= 0xDBFF;
}

bool IsLowSurrogate(char32_t u) {
  return u >= 0xDC00 && u <= 0xDFFF;
}

// The low surrogates that stand for single bytes that are not UTF-8.
bool IsByteEscape(char32_t u) {
  return u >= 0xDC80 && u <= 0xDCFF;
}

// The code point of the UTF-8 form at p (at most n bytes), in shortest form, surrogates
// included; its size in oSize. 0 in oSize when p does not begin such a form.
char32_t ReadUtf8(const unsigned char* p, size_t n, size_t& oSize) {
  oSize = 0;
  unsigned char c = p[0];
  size_t size;
  char32_t value;
  char32_t minimum;
  if (c >= 0xC2 && c <= 0xDF) {
    size = 2, value = c & 0x1F, minimum = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    size = 3, value = c & 0x0F, minimum = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    size = 4, value = c & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (size > n)
    return 0;
  for (size_t i = 1; i < size; ++i) {
    if (!IsContinuation(p[i]))
      return 0;
    value = (value << 6) | (p[i] & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF)
    return 0;
  oSize = size;
  return value;
}

// One decoded piece of the narrow text: a code point taken from size bytes, or (size 1
// and a byte escape) a single byte kept as it is.
struct Piece {
  char32_t value;
  unsigned char size;
};

// Builds a Java string of 16-bit text; null when the text does not fit a Java string.
jstring MakeJavaString(JNIEnv* env, const std::u16string& text) {
  if (text.size() > static_cast<size_t>(INT32_MAX))
    return nullptr;
  static_assert(sizeof(jchar) == sizeof(char16_t), "Java characters are 16-bit");
  return env->NewString(reinterpret_cast<const jchar*>(text.data()),
                        static_cast<jsize>(text.size()));
}

} // namespace

std::u16string TOVJniDecodeNarrow(const char* text, size_t size) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  std::vector<Piece> pieces;
  pieces.reserve(size);
  for (size_t i = 0; i < size;) {
    size_t n = 1;
    char32_t u = p[i];
    if (u >= 0x80)
      u = ReadUtf8(p + i, size - i, n);
    // A surrogate in three-byte form is kept unless its value is one of the byte escapes,
    // which stand for single bytes only.
    if (n == 0 || IsByteEscape(u)) {
      u = 0xDC00 + p[i];
      n = 1;
    }
    pieces.push_back(Piece{u, static_cast<unsigned char>(n)});
    i += n;
  }
  // A lone high surrogate followed by a low one would read back as a pair: such a high
  // surrogate is kept as its three bytes instead. From the end, so that each decision
  // sees the final form of the piece after it.
  bool nextIsLow = false;
  std::u16string out;
  out.reserve(size);
  for (size_t k = pieces.size(); k-- > 0;) {
    Piece& piece = pieces[k];
    if (IsHighSurrogate(piece.value) && nextIsLow)
      piece.size = 0; // marks: spell out its bytes
    nextIsLow = piece.size == 0 || IsLowSurrogate(piece.value);
  }
  size_t i = 0;
  for (const Piece& piece : pieces) {
    if (piece.size == 0) {
      for (int b = 0; b < 3; ++b)
        out += static_cast<char16_t>(0xDC00 + p[i++]);
    } else if (piece.value >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((piece.value - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((piece.value - 0x10000) & 0x3FF));
      i += piece.size;
    } else {
      out += static_cast<char16_t>(piece.value);
      i += piece.size;
    }
  }
  return out;
}

std::string TOVJniEncodeWide(const char16_t* text, size_t length) {
  std::string out;
  out.reserve(length * 3);
  // Runs without lone surrogates are plain UTF-8; each lone surrogate is written alone.
  size_t run = 0;
  for (size_t i = 0; i < length; ++i) {
    char16_t u = text[i];
    if (IsHighSurrogate(u) && i + 1 < length && IsLowSurrogate(text[i + 1])) {
      ++i;
      continue;
    }
    if (!IsHighSurrogate(u) && !IsLowSurrogate(u))
      continue;
    out += MORUnicodeString::EncodeUtf8(text + run, i - run);
    run = i + 1;
    if (IsByteEscape(u)) {
      out += static_cast<char>(u & 0xFF);
    } else {
      out += static_cast<char>(0xE0 | (u >> 12));
      out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  out += MORUnicodeString::EncodeUtf8(text + run, length - run);
  return out;
}

bool TOVJniIsModifiedUtf8(const char* text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text);
  while (*p != 0) {
    unsigned char c = *p;
    if (c < 0x80) {
      ++p;
    } else if (c == 0xC0 && p[1] == 0x80) {
      p += 2;
    } else if (c >= 0xC2 && c <= 0xDF && IsContinuation(p[1])) {
      p += 2;
    } else if ((c & 0xF0) == 0xE0 && IsContinuation(p[1]) && IsContinuation(p[2]) &&
               (c != 0xE0 || p[1] >= 0xA0)) {
      p += 3;
    } else {
      return false;
    }
  }
  return true;
}

extern "C" char* convertJStringToWinString(JNIEnv* env, jstring s) {
  if (env == nullptr || s == nullptr)
    return nullptr;
  jsize length = env->GetStringLength(s);
  const jchar* chars = env->GetStringChars(s, nullptr);
  if (chars == nullptr)
    return nullptr;
  // Sized on the text made, not on the number of characters: a character may take up to
  // three bytes.
  std::string narrow =
      TOVJniEncodeWide(reinterpret_cast<const char16_t*>(chars), static_cast<size_t>(length));
  env->ReleaseStringChars(s, chars);
  if (narrow.empty())
    return nullptr;
  auto* buffer = static_cast<char*>(std::malloc(narrow.size() + 1));
  if (buffer == nullptr)
    return nullptr;
  std::memcpy(buffer, narrow.data(), narrow.size());
  buffer[narrow.size()] = '\0';
  return buffer;
}

extern "C" jstring convertWinStringToJString(JNIEnv* env, const char* s, int len) {
  if (env == nullptr || s == nullptr)
    return nullptr;
  if (len == 0 && TOVJniIsModifiedUtf8(s))
    return env->NewStringUTF(s);
  size_t size = len > 0 ? static_cast<size_t>(len) : std::strlen(s);
  return MakeJavaString(env, TOVJniDecodeNarrow(s, size));
}
