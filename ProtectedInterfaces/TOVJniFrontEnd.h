// Calls into the Java front end's class, shared by the Swing displays.
#ifndef TOVJNIFRONTEND_H
#define TOVJNIFRONTEND_H

#include "TOVSwingUtilities.h"

#include <jni.h>

/// The front end's class, or null when the environment cannot find it (the Java exception
/// that says so is cleared, so that the environment stays usable).
inline jclass TOVFindFrontEndClass(JNIEnv* env) {
  jclass found = env->FindClass(TOV_JNI_ERROR_CLASS);
  if (found == nullptr)
    env->ExceptionClear();
  return found;
}

/// The static method name taking one string and giving nothing, or null (exception
/// cleared).
inline jmethodID TOVFindFrontEndMethod(JNIEnv* env, jclass frontEnd, const char* name) {
  jmethodID method = env->GetStaticMethodID(frontEnd, name, "(Ljava/lang/String;)V");
  if (method == nullptr)
    env->ExceptionClear();
  return method;
}

/// Calls method with text when text is not null, then drops the local reference to text.
/// An exception thrown by the Java side is cleared: the library goes on.
inline void TOVCallFrontEnd(JNIEnv* env, jclass frontEnd, jmethodID method, jstring text) {
  if (text == nullptr) {
    env->ExceptionClear();
    return;
  }
  env->CallStaticVoidMethod(frontEnd, method, text);
  env->ExceptionClear();
  env->DeleteLocalRef(text);
}

#endif
