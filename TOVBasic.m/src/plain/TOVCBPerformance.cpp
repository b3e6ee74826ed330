// Named performance counters timed with the time-stamp counter.
#include "TOVCBPerformance.h"
#include "TOVCBClock.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace {

constexpr int Measuring = 1;
constexpr int PrintEach = 2;
constexpr int NotStarted = -1;

/// Process-wide state. The mode is published last by the start-up, so that a thread that
/// sees it started also sees the calibration factor.
std::atomic<int> Mode{NotStarted};
long long TicksPerMicrosecond = 0;
std::atomic<perf_counter*> Counters{nullptr};
std::atomic<long long> Excluded{0};
std::atomic<long long> Origin{0};
std::atomic<long long> LastSplit{0};
std::mutex StartLock;

/// Reads "TOVCB_PERF" and, when it is set, calibrates the clock against a one-second sleep
/// (measured on the monotonic clock, so that a late wake-up does not skew the factor).
void StartUp() {
  std::lock_guard<std::mutex> guard(StartLock);
  if (Mode.load(std::memory_order_relaxed) != NotStarted)
    return;
  Counters.store(nullptr, std::memory_order_relaxed);
  Excluded.store(0, std::memory_order_relaxed);
  const char* value = getenv("TOVCB_PERF");
  int mode = 0;
  if (value != nullptr) {
    fputs("Timer calibration...", stdout);
    fflush(stdout);
    const long long startNs = tovcb::ClockNs(CLOCK_MONOTONIC);
    const long long startTicks = tovcb::Ticks();
    sleep(1);
    const long long endTicks = tovcb::Ticks();
    const long long endNs = tovcb::ClockNs(CLOCK_MONOTONIC);
    const long long elapsedNs = endNs > startNs ? endNs - startNs : 1;
    TicksPerMicrosecond = (endTicks - startTicks) * 1000 / elapsedNs;
    if (TicksPerMicrosecond < 1)
      TicksPerMicrosecond = 1;
    fputs("Done\n", stdout);
    fflush(stdout);
    mode = Measuring | (strcmp(value, "print") == 0 ? PrintEach : 0);
  }
  Mode.store(mode, std::memory_order_release);
}

int CurrentMode() {
  int mode = Mode.load(std::memory_order_acquire);
  if (mode == NotStarted) {
    StartUp();
    mode = Mode.load(std::memory_order_acquire);
  }
  return mode;
}

/// The clock less the excluded time.
long long Reading() {
  return tovcb::Ticks() - Excluded.load(std::memory_order_relaxed);
}

/// Measures started by this thread and not yet ended, most recent last, so that threads
/// timing the same counter at once each end their own measure.
struct OpenMeasure {
  const perf_counter* counter;
  long long start;
};
constexpr int MaxOpenMeasures = 32;
thread_local OpenMeasure OpenMeasures[MaxOpenMeasures];
thread_local int OpenCount = 0;

/// The start of the measure of counter that this thread opened last, forgotten; the
/// counter's own start when this thread opened none.
long long TakeStart(const perf_counter* counter) {
  for (int i = OpenCount - 1; i >= 0; --i) {
    if (OpenMeasures[i].counter == counter) {
      const long long start = OpenMeasures[i].start;
      for (int j = i + 1; j < OpenCount; ++j)
        OpenMeasures[j - 1] = OpenMeasures[j];
      --OpenCount;
      return start;
    }
  }
  return __atomic_load_n(&counter->last, __ATOMIC_RELAXED);
}

void Register(perf_counter* counter, int mode) {
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  if (__atomic_load_n(&counter->registered, __ATOMIC_ACQUIRE) != 0)
    return;
  if ((mode & Measuring) != 0) {
    counter->next = Counters.load(std::memory_order_relaxed);
    Counters.store(counter, std::memory_order_release);
  }
  __atomic_store_n(&counter->registered, 1, __ATOMIC_RELEASE);
}

/// Ticks as whole seconds and microseconds.
void Split(long long ticks, int* seconds, int* microseconds) {
  const long long us = TicksPerMicrosecond > 0 ? ticks / TicksPerMicrosecond : 0;
  if (seconds != nullptr)
    *seconds = static_cast<int>(us / 1000000);
  if (microseconds != nullptr)
    *microseconds = static_cast<int>(us % 1000000);
}

void PrintTime(long long ticks) {
  int seconds;
  int microseconds;
  Split(ticks, &seconds, &microseconds);
  printf("%3d.%06d", seconds, microseconds);
}

/// Charges the time since printStart to no measure.
void ExcludeSince(long long printStart) {
  Excluded.fetch_add(tovcb::Ticks() - printStart, std::memory_order_relaxed);
}

void GetTime(long long ticks, int* seconds, int* microseconds) {
  if ((CurrentMode() & Measuring) == 0)
    ticks = 0;
  Split(ticks, seconds, microseconds);
}

} // namespace

extern "C" {

void perf_begin(perf_counter* counter) {
  const int mode = CurrentMode();
  if (__atomic_load_n(&counter->registered, __ATOMIC_ACQUIRE) == 0)
    Register(counter, mode);
  __atomic_fetch_add(&counter->ncall, 1, __ATOMIC_RELAXED);
  if ((mode & Measuring) == 0)
    return;
  const long long start = Reading();
  __atomic_store_n(&counter->last, start, __ATOMIC_RELAXED);
  if (OpenCount == MaxOpenMeasures) {
    // Deeper nesting than any caller needs: the oldest measure falls back on the counter.
    for (int i = 1; i < OpenCount; ++i)
      OpenMeasures[i - 1] = OpenMeasures[i];
    --OpenCount;
  }
  OpenMeasures[OpenCount++] = OpenMeasure{counter, start};
}

void perf_end(perf_counter* counter) {
  const int mode = Mode.load(std::memory_order_acquire);
  if (mode == NotStarted || (mode & Measuring) == 0)
    return;
  const long long now = Reading();
  const long long measure = now - TakeStart(counter);
  __atomic_store_n(&counter->last, measure, __ATOMIC_RELAXED);
  __atomic_fetch_add(&counter->total, measure, __ATOMIC_RELAXED);
  if ((mode & PrintEach) != 0) {
    const long long printStart = tovcb::Ticks();
    flockfile(stdout);
    PrintTime(measure);
    printf(" %s\n", counter->name != nullptr ? counter->name : "");
    fflush(stdout);
    funlockfile(stdout);
    ExcludeSince(printStart);
  }
}

void perf_get_partial(const perf_counter* counter, int* seconds, int* microseconds) {
  GetTime(__atomic_load_n(&counter->last, __ATOMIC_RELAXED), seconds, microseconds);
}

void perf_get_total(const perf_counter* counter, int* seconds, int* microseconds) {
  GetTime(__atomic_load_n(&counter->total, __ATOMIC_RELAXED), seconds, microseconds);
}

void perf_reset(void) {
  for (perf_counter* c = Counters.load(std::memory_order_acquire); c != nullptr; c = c->next) {
    __atomic_store_n(&c->ncall, 0, __ATOMIC_RELAXED);
    __atomic_store_n(&c->last, 0, __ATOMIC_RELAXED);
    __atomic_store_n(&c->total, 0, __ATOMIC_RELAXED);
  }
}

void perf_print(void) {
  if ((CurrentMode() & Measuring) == 0)
    return;
  flockfile(stdout);
  printf("\n      time  ncall  time/call name\n---------------------------------------\n");
  for (perf_counter* c = Counters.load(std::memory_order_acquire); c != nullptr; c = c->next) {
    const int ncall = __atomic_load_n(&c->ncall, __ATOMIC_RELAXED);
    const long long total = __atomic_load_n(&c->total, __ATOMIC_RELAXED);
    PrintTime(total);
    printf(" %6d ", ncall);
    if (ncall != 0)
      PrintTime(total / ncall);
    else
      printf("          ");
    printf(" %s\n", c->name != nullptr ? c->name : "");
  }
  fflush(stdout);
  funlockfile(stdout);
}

void perf_reset_time(void) {
  if ((CurrentMode() & Measuring) == 0)
    return;
  const long long now = Reading();
  Origin.store(now, std::memory_order_relaxed);
  LastSplit.store(now, std::memory_order_relaxed);
}

void perf_print_time(const char* label) {
  if ((CurrentMode() & Measuring) == 0)
    return;
  const long long printStart = tovcb::Ticks();
  const long long now = printStart - Excluded.load(std::memory_order_relaxed);
  const long long last = LastSplit.exchange(now, std::memory_order_relaxed);
  flockfile(stdout);
  printf("%s: ", label != nullptr ? label : "");
  PrintTime(now - Origin.load(std::memory_order_relaxed));
  printf(" - from last measure: ");
  PrintTime(now - last);
  printf("\n");
  fflush(stdout);
  funlockfile(stdout);
  ExcludeSince(printStart);
}

long long perf_ticks_per_microsecond(void) {
  return (CurrentMode() & Measuring) != 0 ? TicksPerMicrosecond : 0;
}

} // extern "C"
