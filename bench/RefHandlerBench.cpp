// Reference handlers against std::shared_ptr, and class-identity tests against
// dynamic_cast, up a chain of four registered classes.
#include "MORBaseUnknownRfHndlr.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMacro.h"

#include <benchmark/benchmark.h>
#include <memory>

// Registered classes live at namespace scope: their identity operations are exported.
class BenchLevel1 : public MORBaseUnknown {
  TOV_DECLARE_CLASS(BenchLevel1)
};
class BenchLevel2 : public BenchLevel1 {
  TOV_DECLARE_CLASS(BenchLevel2)
};
class BenchLevel3 : public BenchLevel2 {
  TOV_DECLARE_CLASS(BenchLevel3)
};
class BenchLevel4 : public BenchLevel3 {
  TOV_DECLARE_CLASS(BenchLevel4)
};

namespace {

// The same chain without the runtime, for the standard-library peer.
struct PlainLevel1 {
  virtual ~PlainLevel1() = default;
};
struct PlainLevel2 : PlainLevel1 {};
struct PlainLevel3 : PlainLevel2 {};
struct PlainLevel4 : PlainLevel3 {};

} // namespace

TOV_IMPLEMENT_CLASS(BenchLevel1, MORBaseUnknown)
TOV_IMPLEMENT_CLASS(BenchLevel2, BenchLevel1)
TOV_IMPLEMENT_CLASS(BenchLevel3, BenchLevel2)
TOV_IMPLEMENT_CLASS(BenchLevel4, BenchLevel3)

static void HandlerCopyDestroy(benchmark::State& state) {
  MORBaseUnknownRfHndlr held(TOVRfHndlrNoAddRef, new BenchLevel1);
  for (auto _ : state) {
    MORBaseUnknownRfHndlr copy(held);
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(HandlerCopyDestroy);

static void SharedPtrCopyDestroy(benchmark::State& state) {
  auto held = std::make_shared<PlainLevel1>();
  for (auto _ : state) {
    std::shared_ptr<PlainLevel1> copy(held);
    benchmark::DoNotOptimize(copy);
  }
}
BENCHMARK(SharedPtrCopyDestroy);

static void IsAKindOfByMetaClassFourLevels(benchmark::State& state) {
  const MORMetaClass* leaf = BenchLevel4::MetaObject();
  const MORMetaClass* root = MORBaseUnknown::MetaObject();
  for (auto _ : state) {
    benchmark::DoNotOptimize(leaf);
    benchmark::DoNotOptimize(leaf->IsAKindOf(root));
  }
}
BENCHMARK(IsAKindOfByMetaClassFourLevels);

static void IsAKindOfByNameFourLevels(benchmark::State& state) {
  BenchLevel4* object = new BenchLevel4;
  const MORBaseUnknown* base = object;
  for (auto _ : state) {
    benchmark::DoNotOptimize(base);
    benchmark::DoNotOptimize(base->IsAKindOf("MORBaseUnknown"));
  }
  object->Release();
}
BENCHMARK(IsAKindOfByNameFourLevels);

static void DynamicCastFourLevels(benchmark::State& state) {
  std::unique_ptr<PlainLevel1> object(new PlainLevel4);
  PlainLevel1* base = object.get();
  for (auto _ : state) {
    benchmark::DoNotOptimize(base);
    benchmark::DoNotOptimize(dynamic_cast<PlainLevel4*>(base));
  }
}
BENCHMARK(DynamicCastFourLevels);

// A cleaner must exist for the whole run, as in any program of the library.
int main(int argc, char** argv) {
  TOVGlobalObjectCleaner cleaner;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
