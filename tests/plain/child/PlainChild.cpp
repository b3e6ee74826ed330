// Scenarios of the plain-function layer run in a fresh process: PlainChild SCENARIO.
#include "TOVCBErrorProcessing.h"
#include "TOVCBPerformance.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

// Traces three components; writes what trc_print gave on stderr.
void TraceThree() {
  const int net = trc_print("net", "net %d\n", 1);
  const int disk = trc_print("disk", "disk %s\n", "x");
  const int none = trc_print(nullptr, "none\n");
  fprintf(stderr, "%d%d%d.", net, disk, none);
}

perf_counter Sleep = PERF_COUNTER_INIT("sleep");
perf_counter Idle = PERF_COUNTER_INIT("idle");

} // namespace

int main(int argc, char** argv) {
  const char* scenario = argc > 1 ? argv[1] : "";
  if (strcmp(scenario, "trace") == 0) {
    TraceThree();
  } else if (strcmp(scenario, "trace-late") == 0) {
    trc_print("net", "first\n");
    setenv("TOVCB_TRACE", "all", 1);
    TraceThree();
  } else if (strcmp(scenario, "trace-set") == 0) {
    trc_set_component("disk");
    TraceThree();
    trc_set_component(nullptr);
    TraceThree();
    trc_set_component("all");
    TraceThree();
  } else if (strcmp(scenario, "perf") == 0) {
    // Two measures of a 200 ms sleep, a counter never begun, the table and a split time.
    perf_reset_time();
    for (int i = 0; i < 2; ++i) {
      perf_begin(&Sleep);
      usleep(200000);
      perf_end(&Sleep);
    }
    perf_begin(&Idle);
    perf_reset();
    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    perf_begin(&Sleep);
    usleep(200000);
    perf_end(&Sleep);
    clock_gettime(CLOCK_MONOTONIC, &end);
    int seconds = -1;
    int microseconds = -1;
    perf_get_partial(&Sleep, &seconds, &microseconds);
    fprintf(stderr, "partial %d %d clock %ld\n", seconds, microseconds,
            (end.tv_sec - start.tv_sec) * 1000000L + (end.tv_nsec - start.tv_nsec) / 1000);
    perf_get_total(&Sleep, &seconds, &microseconds);
    fprintf(stderr, "total %d %d calls %d %d\n", seconds, microseconds, Sleep.ncall, Idle.ncall);
    perf_print();
    perf_print_time("split");
  } else {
    fprintf(stderr, "unknown scenario \"%s\"\n", scenario);
    return 2;
  }
  return 0;
}
