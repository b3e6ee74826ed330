#include "MORLibServices.h"

#include <ctime>
#include <mutex>
#include <vector>

namespace {

struct Instant {
  long long cpuNs;
  long long wallNs;
};

long long NowNs(clockid_t clock) {
  struct timespec ts;
  if (clock_gettime(clock, &ts) != 0)
    return 0;
  return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

Instant Now() {
  return Instant{NowNs(CLOCK_PROCESS_CPUTIME_ID), NowNs(CLOCK_MONOTONIC)};
}

struct Measures {
  std::mutex lock;
  bool started = false;
  Instant start{0, 0};
  std::vector<Instant> opened;
};

Measures& TheMeasures() {
  static Measures* measures = new Measures;
  return *measures;
}

void StartLocked(Measures& m) {
  if (!m.started) {
    m.start = Now();
    m.started = true;
  }
}

unsigned long Millis(long long ns) {
  return ns <= 0 ? 0UL : static_cast<unsigned long>(ns / 1000000);
}

// The process-wide measure starts when the runtime is loaded.
const long kStartAtLoad = MORStartLibServices();

} // namespace

extern "C" long MORStartLibServices() {
  Measures& m = TheMeasures();
  std::lock_guard<std::mutex> guard(m.lock);
  StartLocked(m);
  return S_OK;
}

extern "C" long MORResetTimes(long handle) {
  Measures& m = TheMeasures();
  std::lock_guard<std::mutex> guard(m.lock);
  StartLocked(m);
  Instant now = Now();
  if (handle >= 0 && static_cast<size_t>(handle) < m.opened.size()) {
    m.opened[static_cast<size_t>(handle)] = now;
    return handle;
  }
  m.opened.push_back(now);
  return static_cast<long>(m.opened.size() - 1);
}

long MORGetTimes(long handle, unsigned long& cpuTime, unsigned long& elapsedTime) {
  Instant now = Now();
  Measures& m = TheMeasures();
  std::lock_guard<std::mutex> guard(m.lock);
  StartLocked(m);
  Instant from;
  if (handle == -1) {
    from = m.start;
  } else if (handle >= 0 && static_cast<size_t>(handle) < m.opened.size()) {
    from = m.opened[static_cast<size_t>(handle)];
  } else {
    cpuTime = 0;
    elapsedTime = 0;
    return E_INVALIDARG;
  }
  cpuTime = Millis(now.cpuNs - from.cpuNs);
  elapsedTime = Millis(now.wallNs - from.wallNs);
  return S_OK;
}
