// Fatal-error display of the Java front end.
#ifndef TOVFATALERRORDISPLAYTOSWING_H
#define TOVFATALERRORDISPLAYTOSWING_H

#include "TOVFatalErrorDisplay.h"
#include "TOVJniStringConversion.h"
#include "TOVString.h"

#include <cstdio>

/// Writes the fatal report to a file of its own, "SCMFatalErrorFile.txt" followed by the
/// process id in the directory named by "TOV_TMP", then hands it line by line to the static
/// method "DisplayFatalError" of the front end's class and removes the file.
class TOVBASIC_API TOVFatalErrorDisplayToSwing : public TOVFatalErrorDisplay {
  TOV_DECLARE_CLASS(TOVFatalErrorDisplayToSwing)
public:
  TOVFatalErrorDisplayToSwing();
  ~TOVFatalErrorDisplayToSwing() override;

  /// The report file, created new: an existing file or link of that name is never
  /// followed nor overwritten. TOVStderr when "TOV_TMP" is unset or the file cannot be
  /// created.
  TOVOFStream& GetOutputStream() override;
  /// Hands each line of the report file to Java; when the class, the method or the Java
  /// environment is missing, says so on TOVStderr and copies the report there instead.
  /// Removes the file in every case.
  void Display() override;

  /// The report file's name once the report began, else null.
  const TOVString* GetFileName() const { return _pFileName; }

private:
  /// Hands each line of the report file to method (or to TOVStderr when null), then
  /// closes and removes the file.
  TOVBASIC_LOCAL void HandOver(JNIEnv* env, class _jclass* frontEnd, struct _jmethodID* method);

  FILE* _pFile;
  TOVOFStream* _pStream;
  TOVString* _pFileName;
  unsigned int _Opened;
};

#endif
