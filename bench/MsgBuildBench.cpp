// Building a catalog message with three parameters, the catalog already loaded by the
// builder.
#include "TOVParamNLSMsgBldrCtlg.h"

#include <benchmark/benchmark.h>

namespace {

void CatalogMsgBuildThreeParameters(benchmark::State& state) {
  TOVParamNLSMsgBldrCtlg builder("TOVBC", "0215");
  builder.AddNewParameter("/home/user/projects/old-name.txt");
  builder.AddNewParameter("/home/user/projects/new-name.txt");
  builder.AddNewParameter("Permission denied");
  benchmark::DoNotOptimize(builder.Build()); // loads the catalog
  for (auto _ : state)
    benchmark::DoNotOptimize(builder.Build());
}
BENCHMARK(CatalogMsgBuildThreeParameters);

} // namespace
