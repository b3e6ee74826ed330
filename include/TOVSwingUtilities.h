// Set-up of the Java front end: its environment pointer and its displays.
#ifndef TOVSWINGUTILITIES_H
#define TOVSWINGUTILITIES_H

#include "TOVJniStringConversion.h"

/// The Java class of the front end that receives messages, errors and fatal reports.
#define TOV_JNI_ERROR_CLASS "com/vemqor/tovelconfigmanagement/tovcmjservices/TOVJniError"

/// Static operations only.
class TOVBASIC_API TOVSwingUtilities {
public:
  /// Stores the Java environment of the thread that uses the Swing displays.
  static void SetJNIEnvVariable(JNIEnv* env);
  /// The stored environment; a fatal internal error when none is stored.
  static JNIEnv* GetJNIEnvVariable();
  /// Clears the stored environment (the caller sets it next), makes the Swing message,
  /// error and fatal-error displays, hands them to the global object cleaner and makes
  /// them the global displays.
  static void MakeAndSetAsGlobalDisplayToSwing();

  /// The stored environment, null when none: for the fatal path, which must not raise.
  static JNIEnv* PeekJNIEnvVariable() { return _pJNIEnv; }

private:
  static JNIEnv* _pJNIEnv;
};

#endif
