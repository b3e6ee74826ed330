#include "TOVNTServiceUtilities.h"
#include "TOVEnvironmentVariable.h"
#include "TOVRaiseError.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kWantsDir = "multi-user.target.wants";

// The value of the environment variable name, or fallback when it is unset or empty.
std::string DirectoryFrom(const char* name, const char* fallback) {
  TOVEnvironmentVariable variable(name);
  return variable.IsEmpty(1) != 0 ? std::string(fallback) : std::string(variable.Read(1));
}

std::string UnitDir() {
  return DirectoryFrom("TOV_SERVICE_DIR", "/etc/systemd/system");
}

std::string Text(const TOVString& text) {
  return std::string(static_cast<const char*>(text), static_cast<size_t>(text.Length()));
}

void AppendHex(std::string& out, unsigned char c) {
  char hex[5];
  std::snprintf(hex, sizeof hex, "\\x%02x", c);
  out += hex;
}

// A service name as a unit name: the characters a unit name may hold kept, the others
// (the escape character among them) as "\xNN", so that different names stay different.
std::string UnitName(const std::string& service) {
  std::string unit;
  for (unsigned char c : service) {
    if (std::isalnum(c) != 0 || c == ':' || c == '_' || c == '-' || (c == '.' && !unit.empty()))
      unit += static_cast<char>(c);
    else
      AppendHex(unit, c);
  }
  return unit + ".service";
}

std::string ServiceName(const TOVString& iBaseName, const TOVString& iInstanceName) {
  return Text(iInstanceName) + "_" + Text(iBaseName);
}

// A text shown as it is (Description): specifiers doubled, and control characters and
// backslashes written "\xNN", so that the text stays on its line and cannot continue it.
std::string PlainValue(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c == '%')
      out += "%%";
    else if (c < 0x20 || c == 0x7F || c == '\\')
      AppendHex(out, c);
    else
      out += static_cast<char>(c);
  }
  return out;
}

// One word of a command line in double quotes, with the escapes the service manager reads
// back.
std::string QuotedWord(const std::string& word) {
  std::string out = "\"";
  for (unsigned char c : word) {
    if (c == '"' || c == '\\')
      out += '\\', out += static_cast<char>(c);
    else if (c == '%')
      out += "%%";
    else if (c < 0x20 || c >= 0x7F)
      AppendHex(out, c);
    else
      out += static_cast<char>(c);
  }
  return out + "\"";
}

// A program path that the caller quoted already: kept, but nothing in it may end the line
// or expand.
std::string QuotedPath(const std::string& path) {
  std::string out;
  for (unsigned char c : path) {
    if (c == '%')
      out += "%%";
    else if (c < 0x20 || c == 0x7F)
      AppendHex(out, c);
    else
      out += static_cast<char>(c);
  }
  return out;
}

// True with the unit directory, the service's name and its unit's name when the directory
// can be used; else false, the "0400"/"0401" error pending and its code in oCode.
bool OpenManager(const TOVString& iBaseName, const TOVString& iInstanceName, std::string& oDir,
                 std::string& oService, std::string& oUnit, long& oCode) {
  oDir = UnitDir();
  oService = ServiceName(iBaseName, iInstanceName);
  oUnit = UnitName(oService);
  struct stat info;
  if (stat(oDir.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
      access(oDir.c_str(), W_OK | X_OK) == 0)
    return true;
  oCode = TOV_RAISE_ERROR(TOVCatalogMsg("TOVBC", "0400"), TOVCatalogMsg("TOVBC", "0401"),
                          TOVNLSMsgBldrRfHndlr());
  return false;
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

// Writes text to a new file of dir and gives it the name final: replacing what is there
// when iReplace, else failing with EEXIST. The file appears whole or not at all. Gives
// 0 or an errno value.
int PublishFile(const std::string& dir, const std::string& final, const std::string& text,
                bool iReplace) {
  std::string temporary = dir + "/.tov-new-XXXXXX";
  int fd = mkstemp(&temporary[0]);
  if (fd < 0)
    return errno;
  int error = 0;
  if (fchmod(fd, 0644) != 0 || !WriteAll(fd, text) || fsync(fd) != 0)
    error = errno != 0 ? errno : EIO;
  if (close(fd) != 0 && error == 0)
    error = errno;
  if (error == 0) {
    if (iReplace ? rename(temporary.c_str(), final.c_str()) != 0
                 : link(temporary.c_str(), final.c_str()) != 0)
      error = errno;
  }
  if (error != 0 || !iReplace)
    unlink(temporary.c_str());
  return error;
}

// The registry directory of a key path, its parts escaped so that none can leave the tree:
// "%" as "%25", control characters as "%NN", a leading dot as "%2E". Empty parts are
// skipped.
std::string RegistryPart(const std::string& part) {
  std::string out;
  for (unsigned char c : part) {
    if (c == '%' || c < 0x20 || c == 0x7F || (c == '.' && out.empty())) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      out += hex;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string RegistryKeyDir(const TOVString& iKeyPath, int& oDepth) {
  std::string dir = DirectoryFrom("TOV_REGISTRY_DIR", "/etc/TOVBasic/registry");
  std::string path = Text(iKeyPath);
  oDepth = 0;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("\\/", start);
    if (end == std::string::npos)
      end = path.size();
    if (end > start) {
      dir += "/" + RegistryPart(path.substr(start, end - start));
      ++oDepth;
    }
    start = end + 1;
  }
  return dir;
}

// Creates dir and its missing parents.
bool MakeDirs(const std::string& dir) {
  for (size_t slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
    std::string prefix = dir.substr(0, slash);
    if (mkdir(prefix.c_str(), 0755) != 0 && errno != EEXIST)
      return false;
    if (slash == std::string::npos)
      break;
  }
  struct stat info;
  return stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

unsigned int TOVNTServiceUtilities::IsRegistered(const TOVString& iBaseName,
                                                 const TOVString& iInstanceName) {
  std::string unit = UnitDir() + "/" + UnitName(ServiceName(iBaseName, iInstanceName));
  struct stat info;
  return stat(unit.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? 1 : 0;
}

long TOVNTServiceUtilities::Register(const TOVString& iBaseName, const TOVString& iInstanceName,
                                     const TOVString& iDisplayPrefix, const TOVString& iProgramPath,
                                     unsigned int iAutoStart, const TOVString& iDependency) {
  std::string dir, service, unit;
  long code = 0;
  if (!OpenManager(iBaseName, iInstanceName, dir, service, unit, code))
    return code;
  std::string path = Text(iProgramPath);
  // The base name is a word of its own; quoted only when it needs to be.
  std::string base = Text(iBaseName);
  bool plainBase = !base.empty();
  for (unsigned char c : base)
    plainBase = plainBase && (std::isalnum(c) != 0 || std::strchr("._-+:,@", c) != nullptr);
  std::string command = (!path.empty() && path[0] == '"' ? QuotedPath(path) : QuotedWord(path)) +
                        " " + (plainBase ? base : QuotedWord(base));

  std::string text =
      "[Unit]\nDescription=" + PlainValue(Text(iDisplayPrefix) + " " + Text(iBaseName)) + "\n";
  if (iDependency.Length() > 0 && IsRegistered(iDependency, iInstanceName) != 0) {
    std::string dependency = UnitName(ServiceName(iDependency, iInstanceName));
    text += "After=" + dependency + "\nRequires=" + dependency + "\n";
  }
  text += "\n[Service]\nType=simple\nExecStart=" + command + "\n";
  if (iAutoStart != 0)
    text += "\n[Install]\nWantedBy=multi-user.target\n";

  // The service manager takes unit names of at most 255 characters.
  int error = unit.size() > 255 ? ENAMETOOLONG : PublishFile(dir, dir + "/" + unit, text, false);
  if (error == 0 && iAutoStart != 0) {
    // Enabled as the service manager enables it: a link in the target's wants directory.
    std::string wants = dir + "/" + kWantsDir;
    if ((mkdir(wants.c_str(), 0755) != 0 && errno != EEXIST) ||
        symlink(("../" + unit).c_str(), (wants + "/" + unit).c_str()) != 0) {
      error = errno;
      unlink((dir + "/" + unit).c_str());
    }
  }
  if (error == 0)
    return 0;
  return TOV_RAISE_ERROR(TOVCatalogMsg("TOVBC", "0402", service.c_str(), iProgramPath),
                         TOVCatalogMsg("TOVBC", "0405", std::strerror(error)),
                         TOVNLSMsgBldrRfHndlr());
}

long TOVNTServiceUtilities::Unregister(const TOVString& iBaseName, const TOVString& iInstanceName) {
  std::string dir, service, unit;
  long code = 0;
  if (!OpenManager(iBaseName, iInstanceName, dir, service, unit, code))
    return code;
  if (IsRegistered(iBaseName, iInstanceName) == 0)
    return TOV_RAISE_ERROR(TOVNLSMsgBldrRfHndlr(), TOVCatalogMsg("TOVBC", "0404", service.c_str()),
                           TOVNLSMsgBldrRfHndlr());
  if (unlink((dir + "/" + unit).c_str()) != 0)
    return TOV_RAISE_ERROR(TOVNLSMsgBldrRfHndlr(), TOVCatalogMsg("TOVBC", "0403", service.c_str()),
                           TOVNLSMsgBldrRfHndlr());
  unlink((dir + "/" + kWantsDir + "/" + unit).c_str());
  return 0;
}

unsigned int TOVNTServiceUtilities::WriteRegKey(const TOVString& iValueName,
                                                const TOVString& iValueText,
                                                const TOVString& iKeyPath) {
  int depth = 0;
  std::string dir = RegistryKeyDir(iKeyPath, depth);
  if (!MakeDirs(dir))
    return 0;
  // The unnamed value of a key is "%", a name no escaped name can take.
  std::string name = iValueName.Length() == 0 ? "%" : RegistryPart(Text(iValueName));
  std::string file = dir + "/" + name;
  return PublishFile(dir, file, Text(iValueText), true) == 0 ? 1 : 0;
}

unsigned int TOVNTServiceUtilities::DeleteRegKey(const TOVString& iKeyPath) {
  int depth = 0;
  std::string dir = RegistryKeyDir(iKeyPath, depth);
  if (depth == 0)
    return 0;
  DIR* key = opendir(dir.c_str());
  if (key == nullptr)
    return 0;
  // Values only: a key that has subkeys stays.
  bool hasSubkey = false;
  std::vector<std::string> values;
  while (dirent* entry = readdir(key)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..")
      continue;
    struct stat info;
    if (lstat((dir + "/" + name).c_str(), &info) == 0 && S_ISDIR(info.st_mode))
      hasSubkey = true;
    else
      values.push_back(dir + "/" + name);
  }
  closedir(key);
  if (hasSubkey)
    return 0;
  for (const std::string& value : values)
    unlink(value.c_str());
  return rmdir(dir.c_str()) == 0 ? 1 : 0;
}
