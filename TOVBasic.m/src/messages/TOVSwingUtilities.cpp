#include "TOVSwingUtilities.h"
#include "TOVErrorDisplayToSwing.h"
#include "TOVFatalErrorDisplayToSwing.h"
#include "TOVFatalInternalError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayToSwing.h"

JNIEnv* TOVSwingUtilities::_pJNIEnv = nullptr;

void TOVSwingUtilities::SetJNIEnvVariable(JNIEnv* env) {
  _pJNIEnv = env;
}

JNIEnv* TOVSwingUtilities::GetJNIEnvVariable() {
  if (_pJNIEnv == nullptr)
    TOVFatalInternalError("JNI Environment pointer is not initialized.");
  return _pJNIEnv;
}

void TOVSwingUtilities::MakeAndSetAsGlobalDisplayToSwing() {
  _pJNIEnv = nullptr;
  auto* message = new TOVMessageDisplayToSwing;
  auto* error = new TOVErrorDisplayToSwing;
  auto* fatal = new TOVFatalErrorDisplayToSwing;
  TOVGlobalObjectCleaner::Add(message);
  TOVGlobalObjectCleaner::Add(error);
  TOVGlobalObjectCleaner::Add(fatal);
  TOVMessageDisplay::SetGlobal(*message);
  TOVErrorDisplay::SetGlobal(*error);
  TOVFatalErrorDisplay::SetGlobal(*fatal);
}
