// Peak memory of reading one long line (1, 16 and 128 MiB and a line feed): the text-file
// iterator with a growing buffer, against POSIX getline and std::getline on an ifstream;
// and tovgraph as a whole process on a graph file of that one identifier and a short one,
// against tsort on the same file. Each read runs in a child process, so that the peak is
// its own (wait4 gives the child's maximum resident size): peak_MiB is that peak,
// per_line the peak above an idle child's, divided by the line's size. The files are made
// in TMPDIR (default /tmp) and removed at exit.
#include "TOVExtAnyChars.h"
#include "TOVVolatileOneWayIteratorForTextFile.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const size_t MiB = 1024 * 1024;

/// A file holding one line of mib MiB of "x" then " y" and a line feed, made once.
const std::string& LineFile(size_t mib) {
  static std::map<size_t, std::string> files;
  std::string& path = files[mib];
  if (!path.empty())
    return path;
  const char* dir = std::getenv("TMPDIR");
  path = std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/tovbench-line-XXXXXX";
  int fd = mkstemp(&path[0]);
  if (fd < 0)
    std::abort();
  FILE* file = fdopen(fd, "w");
  const std::string chunk(MiB, 'x');
  for (size_t i = 0; i < mib; ++i)
    fwrite(chunk.data(), 1, chunk.size(), file);
  fputs(" y\n", file);
  if (fclose(file) != 0)
    std::abort();
  static bool cleaning = false;
  if (!cleaning) {
    cleaning = true;
    std::atexit([] {
      for (const auto& [size, name] : files)
        std::remove(name.c_str());
    });
  }
  return path;
}

enum class Reader { Idle, Iterator, PosixGetline, StdGetline, Tovgraph, Tsort };

/// What the child does: reads the file as reader does; gives its exit status.
int ReadInChild(Reader reader, const std::string& path) {
  switch (reader) {
  case Reader::Idle:
    return 0;
  case Reader::Iterator: {
    FILE* file = fopen(path.c_str(), "r");
    size_t sum = 0;
    {
      TOVVolatileOneWayIteratorForTextFile it(path.c_str(), file, 0, -1, TOVNLSMsgBldrRfHndlr());
      const MORBaseUnknown* value = nullptr;
      while (it.Next(value) == 0 && value != nullptr)
        sum += it.GetLineLength();
    }
    fclose(file);
    return sum > 0 ? 0 : 1;
  }
  case Reader::PosixGetline: {
    FILE* file = fopen(path.c_str(), "r");
    char* line = nullptr;
    size_t capacity = 0, sum = 0;
    for (ssize_t n; (n = getline(&line, &capacity, file)) >= 0;)
      sum += static_cast<size_t>(n);
    free(line);
    fclose(file);
    return sum > 0 ? 0 : 1;
  }
  case Reader::StdGetline: {
    std::ifstream in(path);
    size_t sum = 0;
    for (std::string line; std::getline(in, line);)
      sum += line.size();
    return sum > 0 ? 0 : 1;
  }
  case Reader::Tovgraph:
  case Reader::Tsort: {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    if (reader == Reader::Tovgraph)
      execl(TOVGRAPH_PATH, "tovgraph", path.c_str(), static_cast<char*>(nullptr));
    else
      execlp("tsort", "tsort", path.c_str(), static_cast<char*>(nullptr));
    return 127;
  }
  }
  return 1;
}

/// Runs reader in a child; gives its peak resident size in KiB and its CPU seconds.
long PeakInChild(Reader reader, const std::string& path, double* cpuSeconds = nullptr) {
  std::fflush(nullptr);
  pid_t pid = fork();
  if (pid == 0)
    _exit(ReadInChild(reader, path));
  int status = 0;
  struct rusage usage {};
  if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0)
    return -1;
  if (cpuSeconds != nullptr)
    *cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  return usage.ru_maxrss;
}

// state.range(0) is the line's size in MiB. The time is the child's wall time.
void PeakOfLine(benchmark::State& state, Reader reader) {
  const size_t mib = static_cast<size_t>(state.range(0));
  const std::string& path = LineFile(mib);
  const long idle = PeakInChild(Reader::Idle, path);
  long peak = 0;
  double cpu = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    peak = PeakInChild(reader, path, &cpu);
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (peak < 0) {
      state.SkipWithError("the reading child failed");
      return;
    }
  }
  state.counters["peak_MiB"] = static_cast<double>(peak) / 1024;
  state.counters["per_line"] =
      static_cast<double>(peak - idle) * 1024 / static_cast<double>(mib * MiB);
  state.counters["child_cpu_s"] = cpu;
}

#define TOV_LINE_BENCHMARK(name)                                                                   \
  BENCHMARK_CAPTURE(PeakOfLine, name, Reader::name)                                                \
      ->Arg(1)                                                                                     \
      ->Arg(16)                                                                                    \
      ->Arg(128)                                                                                   \
      ->Iterations(1)                                                                              \
      ->UseManualTime()                                                                            \
      ->Unit(benchmark::kMillisecond)

TOV_LINE_BENCHMARK(Iterator);
TOV_LINE_BENCHMARK(PosixGetline);
TOV_LINE_BENCHMARK(StdGetline);
TOV_LINE_BENCHMARK(Tovgraph);
TOV_LINE_BENCHMARK(Tsort);

} // namespace
