#include "TOVErrorDisplayToSwing.h"
#include "TOVErrorDisplayToTerm.h"
#include "TOVFatalInternalError.h"
#include "TOVJniFrontEnd.h"

TOV_IMPLEMENT_CLASS(TOVErrorDisplayToSwing, TOVErrorDisplay)

TOVErrorDisplayToSwing::~TOVErrorDisplayToSwing() = default;

void TOVErrorDisplayToSwing::BuildMsgTxt(MORError& error, MORUnicodeString& text) {
  text = TOVErrorDisplayToTerm::MakeMsgTxt(error);
}

void TOVErrorDisplayToSwing::Display(MORError& error) {
  MORUnicodeString text;
  BuildMsgTxt(error, text);
  int length = text.GetLengthInChar();
  JNIEnv* env = TOVSwingUtilities::GetJNIEnvVariable();
  jclass frontEnd = TOVFindFrontEndClass(env);
  if (frontEnd == nullptr)
    TOVFatalInternalError("Unable to find recording class TOVCMJSERVICES_PACKAGE 'TOVJniError'.");
  const char* name;
  switch (error.GetType()) {
  case MORCriticalError:
    name = "DisplayCriticalError";
    break;
  case MORFatalError:
    name = "DisplayFatalError";
    break;
  case MORWarning:
    name = "DisplayWarningError";
    break;
  default:
    name = "DisplayInformationError";
  }
  jmethodID method = TOVFindFrontEndMethod(env, frontEnd, name);
  if (method == nullptr)
    TOVFatalInternalError("Unable to find recording method 'TOVError.", name, "'.");
  const char16_t* chars = text;
  TOVCallFrontEnd(env, frontEnd, method,
                  env->NewString(reinterpret_cast<const jchar*>(chars), length));
  env->DeleteLocalRef(frontEnd);
}
