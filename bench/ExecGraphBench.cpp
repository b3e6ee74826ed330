// The execution-graph builder beside the same work written on standard containers
// (the reference model of tests/support: components by a path-based walk, longest paths
// by topological order): random acyclic graphs of 10^4, 10^5 and 10^6 links (five links per node),
// a chain and a ladder.
#include "TOVExecGraphBuilder.h"
#include "TOVExecGraphNode.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVGraphModel.h"
#include "TOVSortedVector.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

TOVGlobalObjectCleaner gCleaner;

using tovmodel::Edges;

/// n nodes and m links from a lower to a higher node.
Edges RandomAcyclic(int n, int m) {
  std::mt19937 random(12345);
  Edges edges;
  edges.reserve(m);
  while (static_cast<int>(edges.size()) < m) {
    int a = static_cast<int>(random() % n), b = static_cast<int>(random() % n);
    if (a != b)
      edges.emplace_back(std::min(a, b), std::max(a, b));
  }
  return edges;
}

Edges Chain(int n) {
  Edges edges;
  for (int i = 0; i + 1 < n; ++i)
    edges.emplace_back(i, i + 1);
  return edges;
}

/// Layers of two nodes, each linked to both nodes of the next layer.
Edges Ladder(int layers) {
  Edges edges;
  for (int l = 0; l + 1 < layers; ++l)
    for (int a = 0; a < 2; ++a)
      for (int b = 0; b < 2; ++b)
        edges.emplace_back(2 * l + a, 2 * (l + 1) + b);
  return edges;
}

/// Nodes, links and the build, all made and released inside the timing.
void BuildWithLibrary(int n, const Edges& edges) {
  TOVVector nodes(TOVContainerReleaseAtDelete, n);
  for (int i = 0; i < n; ++i)
    nodes.Append(new TOVExecGraphNode);
  TOVSortedVector links(TOVExecGraphNodeLinkCmpParentNode::GetGlobal(), TOVContainerReleaseAtDelete,
                        static_cast<int>(edges.size()));
  for (auto [p, c] : edges)
    links.Add(new TOVExecGraphNodeLink(static_cast<TOVExecGraphNode*>(nodes[p]),
                                       *static_cast<TOVExecGraphNode*>(nodes[c])),
              1);
  links.Sort();
  TOVSortedVector steps(TOVExecGraphStepLinkCmpParentStep::GetGlobal(),
                        TOVContainerReleaseAtDelete);
  TOVExecGraphBuilder::Build(nodes, links, steps);
  benchmark::DoNotOptimize(steps.Size());
  steps.ReleaseElementsAndClear();
  links.ReleaseElementsAndClear();
}

/// The same results on standard containers: the reference model of the tests.
void BuildWithStd(int n, const Edges& edges) {
  tovmodel::Condensation model = tovmodel::Condense(n, edges);
  benchmark::DoNotOptimize(model.rank.data());
}

void BM_LibraryRandomAcyclic(benchmark::State& state) {
  const int m = static_cast<int>(state.range(0));
  const Edges edges = RandomAcyclic(m / 5, m);
  for (auto _ : state)
    BuildWithLibrary(m / 5, edges);
  state.SetComplexityN(m);
}

void BM_StdRandomAcyclic(benchmark::State& state) {
  const int m = static_cast<int>(state.range(0));
  const Edges edges = RandomAcyclic(m / 5, m);
  for (auto _ : state)
    BuildWithStd(m / 5, edges);
  state.SetComplexityN(m);
}

void BM_LibraryChain(benchmark::State& state) {
  const Edges edges = Chain(1000000);
  for (auto _ : state)
    BuildWithLibrary(1000000, edges);
}

void BM_StdChain(benchmark::State& state) {
  const Edges edges = Chain(1000000);
  for (auto _ : state)
    BuildWithStd(1000000, edges);
}

void BM_LibraryLadder(benchmark::State& state) {
  const Edges edges = Ladder(1000);
  for (auto _ : state)
    BuildWithLibrary(2000, edges);
}

void BM_StdLadder(benchmark::State& state) {
  const Edges edges = Ladder(1000);
  for (auto _ : state)
    BuildWithStd(2000, edges);
}

} // namespace

BENCHMARK(BM_LibraryRandomAcyclic)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdRandomAcyclic)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibraryLadder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdLadder)->Unit(benchmark::kMillisecond);
