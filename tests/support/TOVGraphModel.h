// The reference model of an execution-graph build, on standard containers only: the
// strongly connected components of a node graph, the distinct links between them, and
// each component's rank (the longest path from a component without parent, those being
// 1). Tests check the builder against it; benchmarks time the builder beside it.
#ifndef TOVGRAPHMODEL_H
#define TOVGRAPHMODEL_H

#include <algorithm>
#include <utility>
#include <vector>

namespace tovmodel {

using Edges = std::vector<std::pair<int, int>>;

struct Condensation {
  std::vector<int> component; // per node: its component, numbered in order of completion
  int count = 0;              // the number of components
  Edges edges;                // distinct links between components, sorted
  std::vector<int> rank;      // per component
};

/// The components of the graph of n nodes and the links edges (parent, child), found by
/// a path-based search with explicit stacks.
inline std::vector<int> Components(int n, const Edges& edges, int* count = nullptr) {
  std::vector<std::vector<int>> out(n);
  for (auto [p, c] : edges)
    out[p].push_back(c);
  std::vector<int> index(n, -1), component(n, -1), open, bounds;
  std::vector<std::pair<int, size_t>> walk;
  int components = 0;
  for (int s = 0; s < n; ++s) {
    if (index[s] >= 0)
      continue;
    auto enter = [&](int v) {
      index[v] = static_cast<int>(open.size());
      bounds.push_back(index[v]);
      open.push_back(v);
      walk.emplace_back(v, 0);
    };
    enter(s);
    while (!walk.empty()) {
      auto& [v, next] = walk.back();
      if (next < out[v].size()) {
        int w = out[v][next++];
        if (index[w] < 0)
          enter(w);
        else if (component[w] < 0)
          while (bounds.back() > index[w])
            bounds.pop_back();
        continue;
      }
      int done = v;
      walk.pop_back();
      if (bounds.back() != index[done])
        continue;
      bounds.pop_back();
      for (size_t i = index[done]; i < open.size(); ++i)
        component[open[i]] = components;
      open.resize(index[done]);
      ++components;
    }
  }
  if (count != nullptr)
    *count = components;
  return component;
}

/// The ranks of the nodes 0 .. n-1 of an acyclic graph: 1 without parent, else one more
/// than the greatest rank of a parent.
inline std::vector<int> LongestPaths(int n, const Edges& edges) {
  std::vector<int> parents(n, 0), rank(n, 1);
  std::vector<std::vector<int>> children(n);
  for (auto [p, c] : edges) {
    children[p].push_back(c);
    ++parents[c];
  }
  std::vector<int> ready;
  for (int v = 0; v < n; ++v)
    if (parents[v] == 0)
      ready.push_back(v);
  while (!ready.empty()) {
    int v = ready.back();
    ready.pop_back();
    for (int w : children[v]) {
      rank[w] = std::max(rank[w], rank[v] + 1);
      if (--parents[w] == 0)
        ready.push_back(w);
    }
  }
  return rank;
}

/// Components, the links between them and their ranks.
inline Condensation Condense(int n, const Edges& edges) {
  Condensation c;
  c.component = Components(n, edges, &c.count);
  for (auto [p, w] : edges)
    if (c.component[p] != c.component[w])
      c.edges.emplace_back(c.component[p], c.component[w]);
  std::sort(c.edges.begin(), c.edges.end());
  c.edges.erase(std::unique(c.edges.begin(), c.edges.end()), c.edges.end());
  c.rank = LongestPaths(c.count, c.edges);
  return c;
}

} // namespace tovmodel

#endif
