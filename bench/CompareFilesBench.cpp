// Comparing two identical 100 MiB files with TOVFileUtilities::CompareFileContents, beside
// the system's cmp on the same files (run as a process, so both are timed in real time).
#include "TOVFileUtilities.h"
#include "TOVString.h"
#include "TOVVector.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

const size_t FileSize = 100u << 20;

// Two identical files of pseudo-random bytes in a fresh temporary directory, made once and
// removed at exit.
struct SameFiles {
  std::string dir, a, b;
  SameFiles() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern =
        std::string(base != nullptr && *base ? base : "/tmp") + "/tovbench.XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr)
      std::abort();
    dir = pattern;
    a = dir + "/a";
    b = dir + "/b";
    std::vector<unsigned char> block(1u << 20);
    std::mt19937 generator(42);
    FILE* fa = std::fopen(a.c_str(), "wb");
    FILE* fb = std::fopen(b.c_str(), "wb");
    if (fa == nullptr || fb == nullptr)
      std::abort();
    for (size_t written = 0; written < FileSize; written += block.size()) {
      for (auto& byte : block)
        byte = static_cast<unsigned char>(generator());
      if (std::fwrite(block.data(), 1, block.size(), fa) != block.size() ||
          std::fwrite(block.data(), 1, block.size(), fb) != block.size())
        std::abort();
    }
    std::fclose(fa);
    std::fclose(fb);
  }
  ~SameFiles() {
    if (std::system(("rm -rf '" + dir + "'").c_str()) != 0)
      std::fprintf(stderr, "cannot remove %s\n", dir.c_str());
  }
};

const SameFiles& Files() {
  static SameFiles files;
  return files;
}

void CompareFileContents(benchmark::State& state) {
  TOVVector paths(TOVContainerReleaseAtDelete);
  paths.Append(new TOVString(Files().a.c_str()));
  paths.Append(new TOVString(Files().b.c_str()));
  for (auto _ : state) {
    unsigned int equal = 0;
    if (TOVFileUtilities::CompareFileContents(paths, equal) != 0 || equal != 1)
      state.SkipWithError("the files do not compare equal");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 2 * FileSize);
}
BENCHMARK(CompareFileContents)->Unit(benchmark::kMillisecond)->UseRealTime();

void Cmp(benchmark::State& state) {
  std::string command = "cmp -s '" + Files().a + "' '" + Files().b + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0)
      state.SkipWithError("cmp does not find the files equal");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 2 * FileSize);
}
BENCHMARK(Cmp)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
