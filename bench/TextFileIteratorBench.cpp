// Reading a 200 MiB text file of 80-character lines with the text-file iterator, against
// a plain getline loop over the same file (POSIX getline, and std::getline on an
// ifstream). Each loop touches every line's first character so that neither is skipped.
// The file is made once in TMPDIR (default /tmp) and removed at exit.
#include "TOVExtAnyChars.h"
#include "TOVVolatileOneWayIteratorForTextFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

const size_t FileSize = 200u * 1024 * 1024;
const size_t LineLength = 80;

const std::string& TextFile() {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    std::string pattern =
        std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/tovbench-lines-XXXXXX";
    int fd = mkstemp(&pattern[0]);
    if (fd < 0)
      std::abort();
    FILE* file = fdopen(fd, "w");
    std::string line;
    for (size_t i = 0; i < LineLength; ++i)
      line += static_cast<char>('a' + i % 26);
    line += '\n';
    for (size_t written = 0; written < FileSize; written += line.size()) {
      line[0] = static_cast<char>('A' + written % 26);
      fwrite(line.data(), 1, line.size(), file);
    }
    fclose(file);
    static std::string kept;
    kept = pattern;
    std::atexit([] { std::remove(kept.c_str()); });
    return pattern;
  }();
  return path;
}

void SetBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(FileSize));
}

// state.range(0) is the maximum line length, -1 for none.
void TextFileIterator(benchmark::State& state) {
  const std::string& path = TextFile();
  for (auto _ : state) {
    FILE* file = fopen(path.c_str(), "r");
    TOVVolatileOneWayIteratorForTextFile it(path.c_str(), file, 0, static_cast<int>(state.range(0)),
                                            TOVNLSMsgBldrRfHndlr());
    size_t sum = 0;
    const MORBaseUnknown* value = nullptr;
    while (it.Next(value) == 0 && value != nullptr)
      sum += static_cast<unsigned char>(static_cast<const TOVExtAnyChars*>(value)->GetChars()[0]);
    benchmark::DoNotOptimize(sum);
    fclose(file);
  }
  SetBytes(state);
}
BENCHMARK(TextFileIterator)->Arg(-1)->Arg(100)->Unit(benchmark::kMillisecond);

void PosixGetline(benchmark::State& state) {
  const std::string& path = TextFile();
  for (auto _ : state) {
    FILE* file = fopen(path.c_str(), "r");
    char* line = nullptr;
    size_t capacity = 0;
    ssize_t length;
    size_t sum = 0;
    while ((length = getline(&line, &capacity, file)) >= 0) {
      if (length > 0 && line[length - 1] == '\n')
        line[--length] = '\0';
      sum += static_cast<unsigned char>(line[0]);
    }
    benchmark::DoNotOptimize(sum);
    free(line);
    fclose(file);
  }
  SetBytes(state);
}
BENCHMARK(PosixGetline)->Unit(benchmark::kMillisecond);

void StdGetline(benchmark::State& state) {
  const std::string& path = TextFile();
  for (auto _ : state) {
    std::ifstream in(path);
    std::string line;
    size_t sum = 0;
    while (std::getline(in, line))
      sum += static_cast<unsigned char>(line.empty() ? 0 : line[0]);
    benchmark::DoNotOptimize(sum);
  }
  SetBytes(state);
}
BENCHMARK(StdGetline)->Unit(benchmark::kMillisecond);

} // namespace
