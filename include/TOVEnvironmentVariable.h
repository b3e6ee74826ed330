// One environment variable of the process, read and written by name.
#ifndef TOVENVIRONMENTVARIABLE_H
#define TOVENVIRONMENTVARIABLE_H

#include "TOVString.h"

/// The value is cached: once read from the environment or written, it is known and Read
/// gives it without asking the environment again. The cached text is the variable's own
/// copy, valid while it lives and until its next Write.
class TOVBASIC_API TOVEnvironmentVariable : public MORBaseUnknown {
  TOV_DECLARE_CLASS(TOVEnvironmentVariable)

public:
  /// An empty or null name is a fatal internal error.
  explicit TOVEnvironmentVariable(const char* name);
  ~TOVEnvironmentVariable() override;

  virtual const TOVString& GetName() const;
  /// Sets the variable in the process environment to value (null: empty), the
  /// environment keeping a copy; the value becomes known. A refusal of the environment
  /// (a name holding "=", no memory) is a fatal internal error.
  virtual void Write(const char* value);
  /// With iFromEnvironment not 0 and the value not known yet, reads the environment
  /// first. The cached value: null when never read or written, or when the variable
  /// does not exist.
  virtual const char* Read(unsigned int iFromEnvironment);
  /// 1 when Read(iFromEnvironment) gives null or the empty text.
  virtual unsigned int IsEmpty(unsigned int iFromEnvironment);

private:
  TOVString _Name;
  const char* _pValue;
  unsigned int _Known;
  TOVString _ValueCopy;
};

#endif
