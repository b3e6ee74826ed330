// The builder against the reference model on random graphs with cycles: the steps must
// be the strongly connected components, the step links the links between them, and each
// rank the longest path from a root. With steps shared at random before the build, every
// build either refuses or gives acyclic step links ranked below their parents.
#include "ExecGraphTestSupport.h"
#include "TOVGraphModel.h"
#include "TOVTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>

using tovmodel::Edges;

namespace {

/// n nodes and m links, mostly forward with some backward ones to close cycles.
Edges RandomLinks(std::mt19937& random, int n, int m) {
  Edges links;
  for (int e = 0; e < m; ++e) {
    int p = static_cast<int>(random() % n);
    int c = random() % 8 == 0 ? static_cast<int>(random() % n)
                              : std::min(n - 1, p + 1 + static_cast<int>(random() % 20));
    links.emplace_back(p, c);
  }
  return links;
}

/// The step of every node, the steps being numbered in order of their first node.
std::vector<int> StepNumbers(const TestGraph& g, std::map<const TOVExecGraphStep*, int>& number) {
  std::vector<int> steps;
  for (int v = 0; v < g._Nodes.Size(); ++v)
    steps.push_back(number.emplace(g.Step(v), static_cast<int>(number.size())).first->second);
  return steps;
}

const TOVExecGraphStepLink& StepLink(const TestGraph& g, int i) {
  return *static_cast<const TOVExecGraphStepLink*>(g._StepLinks[i]);
}

/// Builds n nodes with links, node b given the step of node a for each shared pair (a,
/// b) first; then tells "built" on the error stream when the nodes of each cycle share a
/// step and each step ranks below its parents, and ends the process.
[[noreturn]] void BuildAndCheck(int n, const Edges& links, const Edges& shared) {
  TestGraph g(n, links);
  for (auto [a, b] : shared)
    if (g.Step(a) != g.Step(b))
      g.Node(b).OverrideHStep(g.Node(a).GetHStep());
  g.Build();
  std::map<const TOVExecGraphStep*, int> number;
  const std::vector<int> step = StepNumbers(g, number);
  const std::vector<int> component = tovmodel::Components(n, links);
  bool sound = true;
  for (auto [p, c] : links)
    sound &= component[p] != component[c] || step[p] == step[c];
  for (int i = 0; i < g._StepLinks.Size(); ++i) {
    const TOVExecGraphStep* parent = StepLink(g, i).GetParentStep();
    const int rank = StepLink(g, i).GetStep().GetRank();
    sound &= rank >= 1 && (parent == nullptr || rank > parent->GetRank());
  }
  std::fputs(sound ? "built" : "unsound", stderr);
  std::exit(0);
}

} // namespace

TEST(ExecGraphBuilderRandom, StepsAreTheComponentsLinksTheCondensationRanksTheLongestPaths) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 12; ++round) {
    SCOPED_TRACE(round);
    const int n = 100 + static_cast<int>(random() % 700);
    // Sparse to dense: from mostly acyclic with small cycles to one large component.
    const Edges links = RandomLinks(random, n, n * (1 + round % 4) / 2 + random() % n);
    TestGraph g(n, links);
    g.Build();
    const tovmodel::Condensation model = tovmodel::Condense(n, links);
    // Same partition: nodes share a step exactly when they share a component.
    std::map<const TOVExecGraphStep*, int> number;
    const std::vector<int> step = StepNumbers(g, number);
    std::vector<int> componentOf(number.size(), -1);
    for (int v = 0; v < n; ++v) {
      if (componentOf[step[v]] < 0)
        componentOf[step[v]] = model.component[v];
      ASSERT_EQ(componentOf[step[v]], model.component[v]) << "node " << v;
    }
    ASSERT_EQ(static_cast<int>(number.size()), model.count);
    auto component = [&](const TOVExecGraphStep* s) { return componentOf[number.at(s)]; };
    // One link per pair of components, one root link per component without parent.
    Edges built;
    std::set<int> roots, expectedRoots;
    for (int i = 0; i < g._StepLinks.Size(); ++i) {
      const TOVExecGraphStepLink& link = StepLink(g, i);
      if (link.GetParentStep() == nullptr)
        EXPECT_TRUE(roots.insert(component(&link.GetStep())).second);
      else
        built.emplace_back(component(link.GetParentStep()), component(&link.GetStep()));
    }
    std::sort(built.begin(), built.end());
    EXPECT_EQ(built, model.edges);
    for (int c = 0; c < model.count; ++c)
      expectedRoots.insert(c);
    for (auto [p, c] : model.edges)
      expectedRoots.erase(c);
    EXPECT_EQ(roots, expectedRoots);
    // Ranks, and a parent step through which each step gets its rank.
    for (auto [s, k] : number) {
      const int c = componentOf[k];
      ASSERT_EQ(s->GetRank(), model.rank[c]);
      if (s->GetParentStep() == nullptr) {
        EXPECT_EQ(model.rank[c], 1);
      } else {
        const int p = component(s->GetParentStep());
        EXPECT_TRUE(std::binary_search(model.edges.begin(), model.edges.end(), std::pair(p, c)));
        EXPECT_EQ(model.rank[p] + 1, model.rank[c]);
      }
    }
  }
}

TEST(ExecGraphBuilderRandomDeathTest, SharedStepsEitherRefuseOrGiveAcyclicRankedSteps) {
  // Each build runs in a child: it either stops with one of the two refusals, or its
  // checks pass and it says "built".
  const std::string outcomes =
      "built|" + tovtest::FatalText("No root step found") + "|" +
      tovtest::FatalText("The steps shared before Build() link each other in a cycle");
  std::mt19937 random(16);
  for (int round = 0; round < 60; ++round) {
    const int n = 4 + static_cast<int>(random() % 24);
    const Edges links = RandomLinks(random, n, n + static_cast<int>(random() % (2 * n)));
    Edges shared(1 + random() % (n / 2));
    for (auto& [a, b] : shared) {
      a = static_cast<int>(random() % n);
      b = static_cast<int>(random() % n);
    }
    EXPECT_EXIT(
        BuildAndCheck(n, links, shared), [](int) { return true; }, outcomes)
        << "round " << round;
  }
}
