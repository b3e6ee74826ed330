// The plain-function layer against the standard library: a trace whose component is
// switched off against the cheapest switch (an atomic flag) and against writing the line to
// a null stream; a performance-counter start and stop pair against two steady_clock reads;
// uuid_gen against 128 random bits from mt19937_64 printed in hexadecimal.
#include "TOVCBErrorProcessing.h"
#include "TOVCBPerformance.h"
#include "TOVCBUUID.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace {

// Measuring must be on before the first counter is used.
const int MeasuringOn = setenv("TOVCB_PERF", "1", 1);

void TracesOn(benchmark::State& state) {
  (void)MeasuringOn;
  trc_set_component("net");
  for (auto _ : state)
    benchmark::DoNotOptimize(trc_print("sock_error", "sock_error \"%s\" %d\n", "file.c", 12));
}
BENCHMARK(TracesOn)->Name("TraceSwitchedOff/trc_print");

std::atomic<bool> PeerSwitch{false};

void PeerAtomicSwitch(benchmark::State& state) {
  for (auto _ : state) {
    if (PeerSwitch.load(std::memory_order_acquire))
      printf("sock_error \"%s\" %d\n", "file.c", 12);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(PeerAtomicSwitch)->Name("TraceSwitchedOff/peer_atomic_flag");

void PeerNullStream(benchmark::State& state) {
  FILE* null = fopen("/dev/null", "w");
  for (auto _ : state)
    benchmark::DoNotOptimize(fprintf(null, "sock_error \"%s\" %d\n", "file.c", 12));
  fclose(null);
}
BENCHMARK(PeerNullStream)->Name("TraceSwitchedOff/peer_fprintf_dev_null");

long long ReadTicks() {
#if defined(__x86_64__) || defined(__i386__)
  return static_cast<long long>(__rdtsc());
#else
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
#endif
}

/// The error of the calibration factor against the steady clock over 200 ms, in percent.
double CalibrationErrorPercent() {
  const long long factor = perf_ticks_per_microsecond();
  const auto start = std::chrono::steady_clock::now();
  const long long startTicks = ReadTicks();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const long long endTicks = ReadTicks();
  const auto end = std::chrono::steady_clock::now();
  const double clockUs = std::chrono::duration<double, std::micro>(end - start).count();
  return factor > 0
             ? 100.0 * ((endTicks - startTicks) / static_cast<double>(factor) - clockUs) / clockUs
             : 100.0;
}

perf_counter Counter = PERF_COUNTER_INIT("bench");

void PerfPair(benchmark::State& state) {
  perf_begin(&Counter); // calibrates on first use
  perf_end(&Counter);
  static const double error = CalibrationErrorPercent();
  for (auto _ : state) {
    perf_begin(&Counter);
    perf_end(&Counter);
  }
  state.counters["ticks_per_us"] = static_cast<double>(perf_ticks_per_microsecond());
  state.counters["calibration_error_%"] = error;
}
BENCHMARK(PerfPair)->Name("CounterPair/perf_begin_end");

void PeerSteadyClock(benchmark::State& state) {
  std::chrono::steady_clock::duration total{};
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    total += std::chrono::steady_clock::now() - start;
  }
  benchmark::DoNotOptimize(total);
}
BENCHMARK(PeerSteadyClock)->Name("CounterPair/peer_steady_clock");

void Uuid(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(uuid_gen());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(Uuid)->Name("Identifier/uuid_gen");

void PeerRandomHex(benchmark::State& state) {
  std::mt19937_64 random(std::random_device{}());
  char text[33];
  for (auto _ : state) {
    snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(random()),
             static_cast<unsigned long long>(random()));
    benchmark::DoNotOptimize(text);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PeerRandomHex)->Name("Identifier/peer_mt19937_64_hex");

} // namespace
