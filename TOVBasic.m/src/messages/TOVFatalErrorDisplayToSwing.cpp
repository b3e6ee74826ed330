#include "TOVFatalErrorDisplayToSwing.h"
#include "TOVEnvironmentVariable.h"
#include "TOVJniFrontEnd.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

TOV_IMPLEMENT_CLASS(TOVFatalErrorDisplayToSwing, TOVFatalErrorDisplay)

TOVFatalErrorDisplayToSwing::TOVFatalErrorDisplayToSwing()
    : _pFile(nullptr), _pStream(nullptr), _pFileName(nullptr), _Opened(0) {}

TOVFatalErrorDisplayToSwing::~TOVFatalErrorDisplayToSwing() {
  delete _pStream;
  if (_pFile != nullptr)
    std::fclose(_pFile);
  if (_pFileName != nullptr)
    _pFileName->Release();
}

TOVOFStream& TOVFatalErrorDisplayToSwing::GetOutputStream() {
  if (_pStream != nullptr)
    return *_pStream;
  TOVEnvironmentVariable tmp("TOV_TMP");
  if (tmp.IsEmpty(1) != 0)
    return TOVStderr;
  if (_pFileName == nullptr) {
    _pFileName = new TOVString(tmp.Read(1));
    *_pFileName += "/SCMFatalErrorFile.txt";
    *_pFileName += static_cast<int>(getpid());
  }
  // The directory may be shared: the file must be a new one of our own, never an existing
  // file or a link planted under the predictable name. It is opened for reading too, so
  // that Display reads back this very file rather than whatever bears its name then.
  int fd = open(static_cast<const char*>(*_pFileName),
                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0)
    return TOVStderr;
  _pFile = fdopen(fd, "w+");
  if (_pFile == nullptr) {
    close(fd);
    unlink(static_cast<const char*>(*_pFileName));
    return TOVStderr;
  }
  _Opened = 1;
  _pStream = new TOVOFStream(_pFile);
  return *_pStream;
}

void TOVFatalErrorDisplayToSwing::Display() {
  JNIEnv* env = TOVSwingUtilities::PeekJNIEnvVariable();
  jclass frontEnd = nullptr;
  jmethodID method = nullptr;
  if (env == nullptr) {
    TOVStderr << "JNI Environment pointer is not initialized." << endl;
  } else if ((frontEnd = TOVFindFrontEndClass(env)) == nullptr) {
    TOVStderr << "Unable to find recording class TOVCMJSERVICES_PACKAGE 'TOVJniError' in "
                 "TOVFatalErrorDisplayToSwing."
              << endl;
  } else if ((method = TOVFindFrontEndMethod(env, frontEnd, "DisplayFatalError")) == nullptr) {
    TOVStderr << "Unable to find recording method 'TOVError.DisplayFatalError'." << endl;
  }
  if (_Opened != 0)
    HandOver(env, frontEnd, method);
  if (frontEnd != nullptr)
    env->DeleteLocalRef(frontEnd);
}

void TOVFatalErrorDisplayToSwing::HandOver(JNIEnv* env, _jclass* frontEnd, _jmethodID* method) {
  // Lines are read whole, however long, so that each reaches Java as one line.
  std::fflush(_pFile);
  std::rewind(_pFile);
  char* line = nullptr;
  size_t capacity = 0;
  ssize_t size;
  while ((size = getline(&line, &capacity, _pFile)) > 0) {
    if (method != nullptr)
      TOVCallFrontEnd(env, frontEnd, method,
                      convertWinStringToJString(env, line, static_cast<int>(size)));
    else
      // Nobody on the Java side can take the report: it is not lost, it goes here.
      TOVStderr.Write(line, static_cast<unsigned int>(size));
  }
  std::free(line);
  delete _pStream;
  _pStream = nullptr;
  std::fclose(_pFile);
  _pFile = nullptr;
  _Opened = 0;
  unlink(static_cast<const char*>(*_pFileName));
}
