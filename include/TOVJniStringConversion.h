// Text between the library's narrow strings (UTF-8) and Java strings.
#ifndef TOVJNISTRINGCONVERSION_H
#define TOVJNISTRINGCONVERSION_H

#include "TOVExport.h"

// The Java types these functions take, declared as the Java Native Interface's own header
// declares them, so that including this header does not need that one.
#ifndef _JAVASOFT_JNI_H_
#ifdef __cplusplus
struct JNIEnv_;
typedef JNIEnv_ JNIEnv;
class _jstring;
typedef _jstring* jstring;
#else
struct JNINativeInterface_;
typedef const struct JNINativeInterface_* JNIEnv;
typedef struct _jobject* jstring;
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/// The text of s as a new NUL-terminated narrow buffer, which the caller frees with free().
/// Gives null for an empty or null string. Every 16-bit character is kept: characters and
/// surrogate pairs become UTF-8; a lone surrogate U+DC80..U+DCFF becomes the single byte of
/// its low eight bits (the form convertWinStringToJString gives a byte that is not UTF-8);
/// any other lone surrogate becomes its three-byte form.
TOVBASIC_API char* convertJStringToWinString(JNIEnv* env, jstring s);

/// A new Java string of the len bytes of s (len negative: up to the NUL). Valid UTF-8 gives
/// its characters; each byte that is not part of valid UTF-8 becomes U+DC00 plus the byte,
/// so that convertJStringToWinString gives every byte back. With len 0, s is a
/// NUL-terminated text in the modified UTF-8 of Java; a text that is not valid modified
/// UTF-8 is decoded as with a length instead. Gives null when s is null or the string cannot
/// be made.
TOVBASIC_API jstring convertWinStringToJString(JNIEnv* env, const char* s, int len);

#ifdef __cplusplus
}
#endif

#endif
