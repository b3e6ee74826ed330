// The builder against an independent computation on random graphs with cycles: the
// steps must be the strongly connected components, the step links the edges of the
// condensation, and each rank the longest path from a root of the condensation.
#include "ExecGraphTestSupport.h"
#include "TOVTestSupport.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace {

using Adjacency = std::vector<std::vector<int>>;

/// Components by two passes of depth-first search (finish order, then the reversed
/// graph), with explicit stacks. Gives the component of every node.
std::vector<int> Components(const Adjacency& out) {
  const int n = static_cast<int>(out.size());
  Adjacency in(n);
  for (int v = 0; v < n; ++v)
    for (int w : out[v])
      in[w].push_back(v);
  std::vector<int> order;
  std::vector<char> seen(n, 0);
  for (int s = 0; s < n; ++s) {
    if (seen[s])
      continue;
    std::vector<std::pair<int, size_t>> stack{{s, 0}};
    seen[s] = 1;
    while (!stack.empty()) {
      auto& [v, next] = stack.back();
      if (next < out[v].size()) {
        int w = out[v][next++];
        if (!seen[w]) {
          seen[w] = 1;
          stack.emplace_back(w, 0);
        }
      } else {
        order.push_back(v);
        stack.pop_back();
      }
    }
  }
  std::vector<int> component(n, -1);
  int count = 0;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (component[*it] >= 0)
      continue;
    std::vector<int> stack{*it};
    component[*it] = count;
    while (!stack.empty()) {
      int v = stack.back();
      stack.pop_back();
      for (int w : in[v])
        if (component[w] < 0) {
          component[w] = count;
          stack.push_back(w);
        }
    }
    ++count;
  }
  return component;
}

} // namespace

TEST(ExecGraphBuilderRandom, StepsAreTheComponentsLinksTheCondensationRanksTheLongestPaths) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 12; ++round) {
    const int n = 500 + static_cast<int>(random() % 2500);
    // Sparse to dense: from mostly acyclic with small cycles to one large component.
    const int m = n * (1 + round % 4) / 2 + static_cast<int>(random() % n);
    TestGraph g;
    g.AddNodes(n);
    Adjacency out(n);
    for (int e = 0; e < m; ++e) {
      int p = static_cast<int>(random() % n);
      // Mostly forward links, some backward ones to close cycles.
      int c = random() % 8 == 0 ? static_cast<int>(random() % n)
                                : std::min(n - 1, p + 1 + static_cast<int>(random() % 20));
      g.Link(p, c);
      out[p].push_back(c);
    }
    g.Build();
    std::vector<int> component = Components(out);
    const int count = *std::max_element(component.begin(), component.end()) + 1;

    // Same partition: nodes share a step exactly when they share a component.
    std::map<const TOVExecGraphStep*, int> componentOfStep;
    for (int v = 0; v < n; ++v) {
      auto [it, added] = componentOfStep.emplace(g.Step(v), component[v]);
      ASSERT_EQ(it->second, component[v]) << "round " << round << " node " << v;
    }
    ASSERT_EQ(static_cast<int>(componentOfStep.size()), count);

    // Condensation edges, and which components have a parent.
    std::set<std::pair<int, int>> edges;
    std::vector<char> hasParent(count, 0);
    Adjacency condensed(count);
    for (int v = 0; v < n; ++v)
      for (int w : out[v])
        if (component[v] != component[w] && edges.emplace(component[v], component[w]).second) {
          hasParent[component[w]] = 1;
          condensed[component[v]].push_back(component[w]);
        }
    std::set<std::pair<int, int>> built;
    int roots = 0;
    for (int i = 0; i < g._StepLinks.Size(); ++i) {
      const auto* link = static_cast<const TOVExecGraphStepLink*>(g._StepLinks[i]);
      if (link->GetParentStep() == nullptr) {
        ++roots;
        EXPECT_FALSE(hasParent[componentOfStep.at(&link->GetStep())]);
        continue;
      }
      EXPECT_TRUE(built
                      .emplace(componentOfStep.at(link->GetParentStep()),
                               componentOfStep.at(&link->GetStep()))
                      .second)
          << "duplicate step link";
    }
    EXPECT_EQ(built, edges) << "round " << round;
    EXPECT_EQ(roots, static_cast<int>(std::count(hasParent.begin(), hasParent.end(), 0)));

    // Longest paths from the roots, in topological order.
    std::vector<int> parents(count, 0), rank(count, 1);
    for (auto& [p, c] : edges)
      ++parents[c];
    std::vector<int> ready;
    for (int c = 0; c < count; ++c)
      if (parents[c] == 0)
        ready.push_back(c);
    while (!ready.empty()) {
      int c = ready.back();
      ready.pop_back();
      for (int d : condensed[c]) {
        rank[d] = std::max(rank[d], rank[c] + 1);
        if (--parents[d] == 0)
          ready.push_back(d);
      }
    }
    for (auto& [step, c] : componentOfStep) {
      ASSERT_EQ(step->GetRank(), rank[c]) << "round " << round;
      // The parent step is a parent through which the step gets its rank.
      if (step->GetParentStep() == nullptr) {
        EXPECT_EQ(rank[c], 1);
      } else {
        int p = componentOfStep.at(step->GetParentStep());
        EXPECT_TRUE(edges.count({p, c}));
        EXPECT_EQ(rank[p] + 1, rank[c]);
      }
    }
  }
}
