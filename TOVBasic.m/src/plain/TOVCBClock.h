// The processor's time-stamp counter, shared by the performance counters and the
// identifiers.
#ifndef TOVCBCLOCK_H
#define TOVCBCLOCK_H

#include <ctime>
#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace tovcb {

/// Nanoseconds of clock.
inline long long ClockNs(clockid_t clock) {
  struct timespec now;
  clock_gettime(clock, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

/// The time-stamp counter; a monotonic nanosecond clock where the processor has none.
inline long long Ticks() {
#if defined(__x86_64__) || defined(__i386__)
  return static_cast<long long>(__rdtsc());
#else
  return ClockNs(CLOCK_MONOTONIC);
#endif
}

} // namespace tovcb

#endif
