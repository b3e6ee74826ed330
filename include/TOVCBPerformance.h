// Named performance counters of the plain-function layer, timed with the processor's
// time-stamp counter.
//
// Measuring is switched on by the environment variable "TOVCB_PERF" (read once, on first
// use): unset, perf_begin and perf_end only count calls; set, each measure is timed, and
// with the value "print" each measure is also printed. Printing time is charged to no
// measure.
#ifndef TOVCBPERFORMANCE_H
#define TOVCBPERFORMANCE_H

#include "TOVExport.h"

#ifdef __cplusplus
extern "C" {
#endif

/// A counter, owned by the caller: normally a zero-initialised static with its name set,
/// as in `static struct perf_counter sendCounter = PERF_COUNTER_INIT("send");`. The other
/// fields belong to the perf_ functions, which update them atomically, so that a counter
/// may be used from several threads at once.
struct perf_counter {
  const char* name;          ///< printed name
  int ncall;                 ///< number of perf_begin calls
  long long last;            ///< start reading while a measure runs, then its duration (ticks)
  long long total;           ///< sum of the measures (ticks)
  int registered;            ///< set by the first perf_begin
  struct perf_counter* next; ///< next registered counter
};

/// The initial value of a counter named name.
#define PERF_COUNTER_INIT(name)                                                                    \
  { name, 0, 0, 0, 0, 0 }

/// Counts a call of counter and, when measuring, starts its measure.
TOVBASIC_API void perf_begin(struct perf_counter* counter);

/// When measuring, ends the measure that this thread started last on counter (or the
/// counter's last start when this thread started none) and adds it to the total.
TOVBASIC_API void perf_end(struct perf_counter* counter);

/// The last measure of counter as whole seconds and microseconds (0 and 0 when measuring
/// is off).
TOVBASIC_API void perf_get_partial(const struct perf_counter* counter, int* seconds,
                                   int* microseconds);

/// The total of counter as whole seconds and microseconds (0 and 0 when measuring is off).
TOVBASIC_API void perf_get_total(const struct perf_counter* counter, int* seconds,
                                 int* microseconds);

/// Zeroes the call count, last measure and total of every registered counter.
TOVBASIC_API void perf_reset(void);

/// When measuring, prints the table of the registered counters (total, calls, time per
/// call, name) on standard output.
TOVBASIC_API void perf_print(void);

/// When measuring, sets the time origin and the last split time to now.
TOVBASIC_API void perf_reset_time(void);

/// When measuring, prints "LABEL: " with the time since the origin and the time since the
/// last split, which becomes now.
TOVBASIC_API void perf_print_time(const char* label);

/// The calibration factor, in time-stamp ticks per microsecond (0 when measuring is off).
TOVBASIC_API long long perf_ticks_per_microsecond(void);

#ifdef __cplusplus
}
#endif

#endif
