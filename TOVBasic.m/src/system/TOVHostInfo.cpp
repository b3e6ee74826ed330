#include "TOVHostInfo.h"
#include "TOVFatalInternalError.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVOSTypes.h"

#include <sys/utsname.h>
#include <unistd.h>

#include <cctype>
#include <cstring>

TOV_IMPLEMENT_CLASS(TOVHostInfo, MORBaseUnknown)

TOVHostInfo* TOVHostInfo::_pGlobal = nullptr;

namespace {

// "major.minor" of a release such as "6.1.0-18-amd64"; the release itself when it does not
// begin that way.
TOVString MajorMinor(const char* release) {
  const char* p = release;
  while (std::isdigit(static_cast<unsigned char>(*p)))
    ++p;
  if (p == release || *p != '.' || !std::isdigit(static_cast<unsigned char>(p[1])))
    return TOVString(release);
  ++p;
  while (std::isdigit(static_cast<unsigned char>(*p)))
    ++p;
  TOVString version;
  version.Copy(release, static_cast<int>(p - release));
  return version;
}

const char* ProcessorName(const char* machine) {
  if (std::strcmp(machine, "x86_64") == 0)
    return "amd64";
  if (std::strcmp(machine, "i386") == 0 || std::strcmp(machine, "i486") == 0 ||
      std::strcmp(machine, "i586") == 0 || std::strcmp(machine, "i686") == 0)
    return "x86";
  if (std::strcmp(machine, "alpha") == 0)
    return "Alpha";
  return machine;
}

} // namespace

TOVHostInfo::TOVHostInfo() {
  char name[256];
  if (gethostname(name, sizeof name) != 0)
    TOVFatalInternalError("GetComputerNameA() failed");
  name[sizeof name - 1] = '\0';
  for (char* p = name; *p != '\0'; ++p)
    *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
  _HostName = name;
  utsname system;
  if (uname(&system) != 0)
    TOVFatalInternalError("GetVersionEx() failed");
  _OSName = system.sysname;
  _OSVersion = MajorMinor(system.release);
  _ProcessorType = ProcessorName(system.machine);
}

TOVHostInfo::~TOVHostInfo() {
  if (_pGlobal == this)
    _pGlobal = nullptr;
}

const TOVString& TOVHostInfo::GetHostName() const {
  return _HostName;
}

const TOVOSType& TOVHostInfo::GetOSType() const {
  return TOVOSTypes::GetGlobalUnixOSType();
}

const TOVString& TOVHostInfo::GetOSName() const {
  return _OSName;
}

const TOVString& TOVHostInfo::GetOSVersion() const {
  return _OSVersion;
}

const TOVString& TOVHostInfo::GetProcessorType() const {
  return _ProcessorType;
}

TOVHostInfo& TOVHostInfo::GetGlobal() {
  if (_pGlobal == nullptr) {
    _pGlobal = new TOVHostInfo;
    TOVGlobalObjectCleaner::Add(_pGlobal);
  }
  return *_pGlobal;
}
