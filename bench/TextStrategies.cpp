// Text comparison and hashing through the library's comparator and hash coder classes,
// side by side with a direct loop over the bytes of the same texts.
#include "TOVExtAnyChars.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVString.h"
#include "TOVStringExtCharsCmp.h"
#include "TOVStringExtCharsCmpNoCase.h"
#include "TOVStringExtCharsHash.h"
#include "TOVStringExtCharsHashNoCase.h"

#include <benchmark/benchmark.h>

#include <cctype>
#include <string>

namespace {

// Texts of the benchmark's length that differ only in their last byte (and in case).
struct Texts {
  explicit Texts(int length) {
    std::string base;
    for (int i = 0; i < length; ++i)
      base += static_cast<char>('a' + i % 26);
    std::string other = base;
    other.back() = static_cast<char>(other.back() + 1);
    std::string upper = base;
    for (char& c : upper)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    _First = base.c_str();
    _Second = other.c_str();
    _Upper = upper.c_str();
    _Key = _Second;
  }
  TOVString _First, _Second, _Upper;
  TOVExtAnyChars _Key;
};

// The peers: plain loops over the bytes, the same rules, no objects.
unsigned int DirectHash(const char* text, unsigned int length) {
  unsigned int h = length;
  for (unsigned int i = 0; i < length; ++i)
    h = h * 17u + static_cast<unsigned int>(static_cast<signed char>(text[i]));
  return h;
}

unsigned int DirectHashNoCase(const char* text, unsigned int length) {
  unsigned int h = length;
  for (unsigned int i = 0; i < length; ++i)
    h = h * 17u + static_cast<unsigned int>(
                      static_cast<signed char>(std::tolower(static_cast<unsigned char>(text[i]))));
  return h;
}

int DirectCompare(const char* a, const char* b) {
  const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
  while (*x != 0 && *x == *y) {
    ++x;
    ++y;
  }
  return *x < *y ? -1 : (*x > *y ? 1 : 0);
}

int DirectCompareNoCase(const char* a, const char* b) {
  const unsigned char* x = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* y = reinterpret_cast<const unsigned char*>(b);
  while (*x != 0 && std::tolower(*x) == std::tolower(*y)) {
    ++x;
    ++y;
  }
  return std::tolower(*x) - std::tolower(*y);
}

void HashThroughCoder(benchmark::State& state) {
  TOVGlobalObjectCleaner cleaner;
  Texts texts(static_cast<int>(state.range(0)));
  const TOVHashCoder& coder = TOVStringExtCharsHash::GetGlobal();
  for (auto _ : state) {
    benchmark::DoNotOptimize(texts._First);
    benchmark::DoNotOptimize(coder.Code(&texts._First));
  }
}

void HashExtCharsThroughCoder(benchmark::State& state) {
  TOVGlobalObjectCleaner cleaner;
  Texts texts(static_cast<int>(state.range(0)));
  const TOVHashCoder& coder = TOVStringExtCharsHash::GetGlobal();
  for (auto _ : state) {
    benchmark::DoNotOptimize(texts._Key);
    benchmark::DoNotOptimize(coder.Code(&texts._Key));
  }
}

void HashDirectLoop(benchmark::State& state) {
  Texts texts(static_cast<int>(state.range(0)));
  const char* text = texts._First;
  unsigned int length = static_cast<unsigned int>(texts._First.Length());
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(DirectHash(text, length));
  }
}

void HashNoCaseThroughCoder(benchmark::State& state) {
  TOVGlobalObjectCleaner cleaner;
  Texts texts(static_cast<int>(state.range(0)));
  const TOVHashCoder& coder = TOVStringExtCharsHashNoCase::GetGlobal();
  for (auto _ : state) {
    benchmark::DoNotOptimize(texts._Upper);
    benchmark::DoNotOptimize(coder.Code(&texts._Upper));
  }
}

void HashNoCaseDirectLoop(benchmark::State& state) {
  Texts texts(static_cast<int>(state.range(0)));
  const char* text = texts._Upper;
  unsigned int length = static_cast<unsigned int>(texts._Upper.Length());
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(DirectHashNoCase(text, length));
  }
}

void CompareThroughComparator(benchmark::State& state) {
  TOVGlobalObjectCleaner cleaner;
  Texts texts(static_cast<int>(state.range(0)));
  const TOVComparator& cmp = TOVStringExtCharsCmp::GetGlobal();
  for (auto _ : state) {
    benchmark::DoNotOptimize(texts._First);
    benchmark::DoNotOptimize(cmp.CompareObjects(&texts._First, &texts._Key));
  }
}

void CompareDirectLoop(benchmark::State& state) {
  Texts texts(static_cast<int>(state.range(0)));
  const char* first = texts._First;
  const char* second = texts._Second;
  for (auto _ : state) {
    benchmark::DoNotOptimize(first);
    benchmark::DoNotOptimize(DirectCompare(first, second));
  }
}

void CompareNoCaseThroughComparator(benchmark::State& state) {
  TOVGlobalObjectCleaner cleaner;
  Texts texts(static_cast<int>(state.range(0)));
  const TOVComparator& cmp = TOVStringExtCharsCmpNoCase::GetGlobal();
  for (auto _ : state) {
    benchmark::DoNotOptimize(texts._Upper);
    benchmark::DoNotOptimize(cmp.CompareObjects(&texts._Upper, &texts._Key));
  }
}

void CompareNoCaseDirectLoop(benchmark::State& state) {
  Texts texts(static_cast<int>(state.range(0)));
  const char* first = texts._Upper;
  const char* second = texts._Second;
  for (auto _ : state) {
    benchmark::DoNotOptimize(first);
    benchmark::DoNotOptimize(DirectCompareNoCase(first, second));
  }
}

} // namespace

BENCHMARK(HashThroughCoder)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(HashExtCharsThroughCoder)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(HashDirectLoop)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(HashNoCaseThroughCoder)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(HashNoCaseDirectLoop)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(CompareThroughComparator)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(CompareDirectLoop)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(CompareNoCaseThroughComparator)->Arg(8)->Arg(32)->Arg(128);
BENCHMARK(CompareNoCaseDirectLoop)->Arg(8)->Arg(32)->Arg(128);
