#include "TOVEnvironmentVariable.h"
#include "TOVFatalInternalError.h"

#include <cstdlib>

TOV_IMPLEMENT_CLASS(TOVEnvironmentVariable, MORBaseUnknown)

TOVEnvironmentVariable::TOVEnvironmentVariable(const char* name)
    : _Name(name), _pValue(nullptr), _Known(0) {
  if (_Name.Length() == 0)
    TOVFatalInternalError("A variable name must be specified");
}

TOVEnvironmentVariable::~TOVEnvironmentVariable() = default;

const TOVString& TOVEnvironmentVariable::GetName() const {
  return _Name;
}

void TOVEnvironmentVariable::Write(const char* value) {
  if (value == nullptr)
    value = "";
  // The environment keeps its own copy, so nothing there points into this object.
  if (setenv(_Name, value, 1) != 0)
    TOVFatalInternalError("putenv(", static_cast<const char*>(_Name), "=", value, ") failed");
  _ValueCopy = value;
  _pValue = _ValueCopy;
  _Known = 1;
}

const char* TOVEnvironmentVariable::Read(unsigned int iFromEnvironment) {
  if (iFromEnvironment && !_Known) {
    // A copy: the environment's own text may go when the variable is set again.
    const char* value = std::getenv(_Name);
    _ValueCopy = value;
    _pValue = value != nullptr ? static_cast<const char*>(_ValueCopy) : nullptr;
    _Known = 1;
  }
  return _pValue;
}

unsigned int TOVEnvironmentVariable::IsEmpty(unsigned int iFromEnvironment) {
  const char* value = Read(iFromEnvironment);
  return value == nullptr || value[0] == '\0' ? 1 : 0;
}
