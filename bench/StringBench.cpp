// TOVString against std::string and the C string functions: copy, append one character at a
// time, compare.
#include "TOVString.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <string>

namespace {

const int KiB = 1024;
const int MiB = 1024 * 1024;

std::string Text(int length) {
  std::string text;
  for (int i = 0; i < length; ++i)
    text += static_cast<char>('a' + i % 26);
  return text;
}

void StringCopy1KiB(benchmark::State& state) {
  TOVString source(Text(KiB).c_str());
  for (auto _ : state) {
    TOVString copy(source);
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(StringCopy1KiB);

void StdStringCopy1KiB(benchmark::State& state) {
  std::string source = Text(KiB);
  for (auto _ : state) {
    std::string copy(source);
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(StdStringCopy1KiB);

void StringAppendCharTo1MiB(benchmark::State& state) {
  for (auto _ : state) {
    TOVString text;
    for (int i = 0; i < MiB; ++i) {
      char c = static_cast<char>('a' + (i & 15));
      text.Concat(&c, 1);
    }
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(StringAppendCharTo1MiB)->Unit(benchmark::kMillisecond);

void StdStringPushBackTo1MiB(benchmark::State& state) {
  for (auto _ : state) {
    std::string text;
    for (int i = 0; i < MiB; ++i)
      text.push_back(static_cast<char>('a' + (i & 15)));
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(StdStringPushBackTo1MiB)->Unit(benchmark::kMillisecond);

// Two equal texts of state.range(0) characters in distinct buffers.
struct EqualTexts {
  explicit EqualTexts(int length) : a(Text(length).c_str()), b(Text(length).c_str()) {}
  TOVString a;
  TOVString b;
};

void StringCompare(benchmark::State& state) {
  EqualTexts texts(static_cast<int>(state.range(0)));
  const char* other = texts.b;
  for (auto _ : state) {
    benchmark::DoNotOptimize(other);
    benchmark::DoNotOptimize(texts.a.Compare(other));
  }
}
BENCHMARK(StringCompare)->Arg(16)->Arg(KiB);

void Strcmp(benchmark::State& state) {
  EqualTexts texts(static_cast<int>(state.range(0)));
  const char* one = texts.a;
  const char* other = texts.b;
  for (auto _ : state) {
    benchmark::DoNotOptimize(one);
    benchmark::DoNotOptimize(other);
    benchmark::DoNotOptimize(std::strcmp(one, other));
  }
}
BENCHMARK(Strcmp)->Arg(16)->Arg(KiB);

void StringEqual(benchmark::State& state) {
  EqualTexts texts(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(texts.a);
    benchmark::DoNotOptimize(texts.a == texts.b);
  }
}
BENCHMARK(StringEqual)->Arg(16)->Arg(KiB);

void Memcmp(benchmark::State& state) {
  EqualTexts texts(static_cast<int>(state.range(0)));
  const char* one = texts.a;
  const char* other = texts.b;
  size_t length = static_cast<size_t>(texts.a.Length());
  for (auto _ : state) {
    benchmark::DoNotOptimize(one);
    benchmark::DoNotOptimize(other);
    benchmark::DoNotOptimize(std::memcmp(one, other, length));
  }
}
BENCHMARK(Memcmp)->Arg(16)->Arg(KiB);

} // namespace
