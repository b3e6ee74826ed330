#include "TOVMessageDisplayToSwing.h"
#include "TOVFatalInternalError.h"
#include "TOVJniFrontEnd.h"

TOV_IMPLEMENT_CLASS(TOVMessageDisplayToSwing, TOVMessageDisplay)

TOVMessageDisplayToSwing::~TOVMessageDisplayToSwing() = default;

void TOVMessageDisplayToSwing::Display(const MORUnicodeString& msg, unsigned int) {
  JNIEnv* env = TOVSwingUtilities::GetJNIEnvVariable();
  jclass frontEnd = TOVFindFrontEndClass(env);
  if (frontEnd == nullptr)
    TOVFatalInternalError("Unable to find recording class 'TOVCMJSERVICES_PACKAGE TOVJniError'.");
  jmethodID method = TOVFindFrontEndMethod(env, frontEnd, "DisplayMessage");
  if (method == nullptr)
    TOVFatalInternalError("Unable to find recording method 'TOVError.DisplayMessage'.");
  const char16_t* chars = msg;
  TOVCallFrontEnd(env, frontEnd, method,
                  env->NewString(reinterpret_cast<const jchar*>(chars), msg.GetLengthInChar()));
  env->DeleteLocalRef(frontEnd);
}

long TOVMessageDisplayToSwing::GetDisplayError(MORError*& error, unsigned int) {
  error = nullptr;
  return 0;
}
