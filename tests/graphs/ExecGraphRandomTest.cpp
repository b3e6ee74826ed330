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

/// The component of every node: nodes reaching each other share the lowest index of
/// their component, found by a breadth-first search from every node.
std::vector<int> Components(const Adjacency& out) {
  const int n = static_cast<int>(out.size());
  std::vector<std::vector<char>> reach(n, std::vector<char>(n, 0));
  for (int s = 0; s < n; ++s) {
    std::vector<int> queue{s};
    reach[s][s] = 1;
    for (size_t k = 0; k < queue.size(); ++k)
      for (int w : out[queue[k]])
        if (!reach[s][w]) {
          reach[s][w] = 1;
          queue.push_back(w);
        }
  }
  std::vector<int> component(n);
  std::map<int, int> numbers; // first node of a component, its number
  for (int v = 0; v < n; ++v) {
    int first = 0;
    while (!reach[first][v] || !reach[v][first])
      ++first;
    component[v] = numbers.emplace(first, static_cast<int>(numbers.size())).first->second;
  }
  return component;
}

} // namespace

TEST(ExecGraphBuilderRandom, StepsAreTheComponentsLinksTheCondensationRanksTheLongestPaths) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 12; ++round) {
    const int n = 100 + static_cast<int>(random() % 700);
    // Sparse to dense: from mostly acyclic with small cycles to one large component.
    const int m = n * (1 + round % 4) / 2 + static_cast<int>(random() % n);
    TestGraph g(n);
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
