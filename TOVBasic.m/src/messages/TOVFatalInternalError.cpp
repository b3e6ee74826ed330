#include "TOVFatalInternalError.h"
#include "TOVFatalErrorDisplay.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// True when a tracer (a debugger) is attached to this process.
bool DebuggerAttached() {
  FILE* status = std::fopen("/proc/self/status", "r");
  if (status == nullptr)
    return false;
  char line[256];
  bool attached = false;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::strncmp(line, "TracerPid:", 10) == 0) {
      attached = std::atol(line + 10) != 0;
      break;
    }
  }
  std::fclose(status);
  return attached;
}

} // namespace

extern "C" void TOVExit(int) {
  if (DebuggerAttached())
    std::raise(SIGTRAP);
  std::abort();
}

TOVFatalReport::TOVFatalReport(const char* file, int line)
    : _pStream(&TOVFatalErrorDisplay::GetGlobal().GetOutputStream()), _File(file), _Line(line) {
  *_pStream << "#ERR# "
            << "Fatal internal error: '";
}

void TOVFatalReport::Finish() {
  *_pStream << "' on file: " << (_File != nullptr ? _File : "") << " at line: " << _Line << endl
            << "Contact your administrator" << endl;
  TOVFatalErrorDisplay::GetGlobal().Display();
  TOVExit(-1);
}
