// trc_print and trc_set_component, and the small helpers of the plain-function layer.
#include "TOVCBErrorProcessing.h"

#include <atomic>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <mutex>
#include <string>

namespace {

/// A trace setting. Settings are never changed nor freed once published, so that
/// trc_print reads them without a lock; each one keeps the one it replaced reachable.
struct TraceSetting {
  bool on;
  std::string filter; ///< empty: every component
  bool filtered;
  const TraceSetting* replaced;
};

std::atomic<const TraceSetting*> Setting{nullptr};
std::mutex SettingLock;

/// Publishes the setting of component (see trc_set_component). The caller holds the lock.
const TraceSetting* Apply(const char* component) {
  const TraceSetting* previous = Setting.load(std::memory_order_relaxed);
  const bool on = component != nullptr;
  const bool filtered = on && strcmp(component, "all") != 0;
  const TraceSetting* made =
      new TraceSetting{on, std::string(filtered ? component : ""), filtered, previous};
  Setting.store(made, std::memory_order_release);
  return made;
}

/// The setting of "TOVCB_TRACE", unless one was set first.
const TraceSetting* SettingFromEnvironment() {
  std::lock_guard<std::mutex> guard(SettingLock);
  const TraceSetting* current = Setting.load(std::memory_order_acquire);
  if (current != nullptr)
    return current;
  return Apply(getenv("TOVCB_TRACE"));
}

void PrintTrace(const char* format, va_list args) {
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  struct tm local;
  localtime_r(&now.tv_sec, &local);
  // One line at a time on the stream, whatever the threads tracing.
  flockfile(stdout);
  fprintf(stdout, "%04d/%02d/%02d %02d:%02d:%02d.%06d: ", local.tm_year + 1900, local.tm_mon + 1,
          local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
          static_cast<int>(now.tv_nsec / 1000));
  if (format != nullptr)
    vfprintf(stdout, format, args);
  fflush(stdout);
  funlockfile(stdout);
}

} // namespace

extern "C" {

int trc_print(const char* component, const char* format, ...) {
  const TraceSetting* setting = Setting.load(std::memory_order_acquire);
  if (setting == nullptr)
    setting = SettingFromEnvironment();
  if (!setting->on)
    return 0;
  if (setting->filtered &&
      (component == nullptr || strcmp(component, setting->filter.c_str()) != 0))
    return 0;
  va_list args;
  va_start(args, format);
  PrintTrace(format, args);
  va_end(args);
  return 1;
}

void trc_set_component(const char* component) {
  std::lock_guard<std::mutex> guard(SettingLock);
  Apply(component);
}

const char* last_component(const char* path) {
  if (path == nullptr)
    return nullptr;
  const char* last = strrchr(path, '\\');
  return last != nullptr ? last + 1 : path;
}

char* to_lower(char* text) {
  for (char* c = text; c != nullptr && *c != '\0'; ++c)
    *c = static_cast<char>(tolower(static_cast<unsigned char>(*c)));
  return text;
}

char* to_upper(char* text) {
  for (char* c = text; c != nullptr && *c != '\0'; ++c)
    *c = static_cast<char>(toupper(static_cast<unsigned char>(*c)));
  return text;
}

const char* day_name(int day) {
  static const char* const Names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  return day >= 0 && day <= 6 ? Names[day] : "???";
}

const char* os_name(void) {
  return "NT";
}

} // extern "C"
