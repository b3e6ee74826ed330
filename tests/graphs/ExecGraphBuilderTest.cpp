#include "ExecGraphTestSupport.h"
#include "MORBaseUnknownHashAddr.h"
#include "TOVExecGraphNodeCmpStep.h"
#include "TOVExecGraphStepLinkCmpParentStepStep.h"
#include "TOVExecGraphStepLinkHashParentStepStep.h"
#include "TOVHashTable.h"
#include "TOVTestSupport.h"

/// Gives the builder's phases to the tests.
class OpenBuilder : public TOVExecGraphBuilder {
public:
  using TOVExecGraphBuilder::AnalyzeSteps;
  using TOVExecGraphBuilder::InitRankAndSetLastParentStep;
};

namespace {

TOVExecGraphStepRfHndlr NewStep() {
  return TOVExecGraphStepRfHndlr(TOVRfHndlrNoAddRef, new TOVExecGraphStep);
}

/// The fatal message of a comparator given an object of neither of its two classes.
std::string Neither(int arg, const char* first, const char* second, const char* given) {
  return "pObj" + std::to_string(arg) + " is neither an " + first + " nor an " + second +
         " but a " + given;
}

} // namespace

TEST(ExecGraphStep, OverridesFormChainsThatNodesFollowAndRanksOnlyGrow) {
  TOVExecGraphNode a, b;
  TOVExecGraphStepRfHndlr own = a.GetHStep(), target = NewStep(), last = NewStep(),
                          other = NewStep();
  a.OverrideHStep(target);
  EXPECT_EQ(own->GetHOverride().Get(), target.Get());
  EXPECT_EQ(a.GetHStep().Get(), target.Get());
  // b's step overridden by a's, then a's by a new one: b follows the whole chain, also
  // once its handler is moved to the end of the chain (which releases the steps between).
  b.OverrideHStep(a.GetHStep());
  target->SetHOverride(last);
  EXPECT_EQ(b.GetHStep().Get(), last.Get());
  EXPECT_EQ(b.GetHStepWithReinit().Get(), last.Get());
  EXPECT_EQ(b.GetHStep().Get(), last.Get());
  target->SetHOverride(other); // replacing an override is allowed
  EXPECT_EQ(a.GetHStep().Get(), other.Get());
  // Init gives a fresh step and build step 0.
  a.SetBuildStep(2);
  a.Init();
  EXPECT_EQ(a.GetBuildStep(), 0);
  EXPECT_EQ(a.GetHStep()->GetHOverride().Get(), nullptr);
  EXPECT_NE(a.GetHStep().Get(), other.Get());
  EXPECT_EQ(last->GetRank(), 0);
  last->SetRankIfGreater(3);
  last->SetRankIfGreater(2);
  EXPECT_EQ(last->GetRank(), 3);
}

TEST(ExecGraphStepDeathTest, InvalidOverridesStop) {
  TOVExecGraphStepRfHndlr s = NewStep(), t = NewStep();
  EXPECT_FATAL(s->SetHOverride(s), "The step can't override itself");
  EXPECT_FATAL(s->SetHOverride(TOVExecGraphStepRfHndlr()), "An override must be defined");
  t->SetHOverride(NewStep());
  EXPECT_FATAL(s->SetHOverride(t), "An override can't be overriden");
}

TEST(ExecGraphComparators, NodesCompareByEffectiveStepAndLinksByParent) {
  TOVExecGraphNode a, b;
  const TOVExecGraphNodeCmpStep& byStep = TOVExecGraphNodeCmpStep::GetGlobal();
  EXPECT_EQ(byStep.CompareObjects(&a, a.GetHStep().Get()), 0);
  EXPECT_NE(byStep.CompareObjects(&a, &b), 0);
  b.OverrideHStep(a.GetHStep());
  EXPECT_EQ(byStep.CompareObjects(&a, &b), 0);

  TOVExecGraphNodeLink ab(&a, b), root(nullptr, a), copy(ab);
  copy = root;
  EXPECT_EQ(copy.GetParentNode(), nullptr);
  EXPECT_EQ(&copy.GetNode(), &a);
  const auto& byParentNode = TOVExecGraphNodeLinkCmpParentNode::GetGlobal();
  EXPECT_EQ(byParentNode.CompareObjects(&ab, &a), 0);
  EXPECT_EQ(byParentNode.CompareObjects(&root, nullptr), 0);
  EXPECT_GT(byParentNode.CompareObjects(&ab, &root), 0);

  TOVExecGraphStep p, q;
  TOVExecGraphStepLink pq(&p, q), rootLink(nullptr, p);
  const auto& byParentStep = TOVExecGraphStepLinkCmpParentStep::GetGlobal();
  EXPECT_EQ(byParentStep.CompareObjects(&pq, &p), 0);
  EXPECT_EQ(byParentStep.CompareObjects(nullptr, &rootLink), 0);
  // A sorted vector keyed on the parent step may be searched with it.
  EXPECT_EQ(TOVComparator::FirstCanBeUsedInSetSortedBySecond(byParentStep, byParentStep), 1u);
}

TEST(ExecGraphComparators, StepLinksCompareAndHashOnBothSteps) {
  TOVExecGraphStep steps[2];
  TOVExecGraphStep *lo = &steps[0], *hi = &steps[1];
  TOVExecGraphStepLink a(lo, *hi), b(lo, *hi), c(hi, *lo), d(lo, *lo), root(nullptr, *hi);
  const auto& cmp = TOVExecGraphStepLinkCmpParentStepStep::GetGlobal();
  EXPECT_EQ(cmp.CompareObjects(&a, &b), 0);
  EXPECT_EQ(cmp.CompareObjects(&a, &c), -1);
  EXPECT_EQ(cmp.CompareObjects(&c, &a), 1);
  EXPECT_EQ(cmp.CompareObjects(&d, &a), -1);
  EXPECT_EQ(cmp.CompareObjects(&root, &d), -1);
  const auto& hash = TOVExecGraphStepLinkHashParentStepStep::GetGlobal();
  const auto& byAddress = MORBaseUnknownHashAddr::GetGlobal();
  EXPECT_EQ(hash.Code(&a), byAddress.Code(hi) + byAddress.Code(lo));
  EXPECT_EQ(hash.Code(&root), byAddress.Code(hi) + byAddress.Code(nullptr));
  // A table keyed on both steps finds an equal link made apart.
  TOVHashTable set(hash, cmp, TOVContainerNothingAtDelete, 256);
  set.Add(&a, 1);
  EXPECT_EQ(set.LookupOne(&b), &a);
  EXPECT_EQ(set.LookupOne(&c), nullptr);
}

TEST(ExecGraphComparatorsDeathTest, NullsAndForeignClassesStop) {
  TOVExecGraphNode n;
  TOVExecGraphStep s;
  TOVExecGraphStepLink link(nullptr, s);
  TOVString foreign("x");
  const auto& byStep = TOVExecGraphNodeCmpStep::GetGlobal();
  const auto& byParentNode = TOVExecGraphNodeLinkCmpParentNode::GetGlobal();
  const auto& byParentStep = TOVExecGraphStepLinkCmpParentStep::GetGlobal();
  const char *node = "TOVExecGraphNode", *step = "TOVExecGraphStep";
  const char *nodeLink = "TOVExecGraphNodeLink", *stepLink = "TOVExecGraphStepLink";
  EXPECT_FATAL(byStep.CompareObjects(&n, nullptr), "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(byStep.CompareObjects(&foreign, &n), Neither(1, node, step, "TOVString"));
  EXPECT_FATAL(byStep.CompareObjects(&n, &link), Neither(2, node, step, stepLink));
  EXPECT_FATAL(byParentNode.CompareObjects(&s, &n), Neither(1, nodeLink, node, step));
  EXPECT_FATAL(byParentNode.CompareObjects(&n, &foreign), Neither(2, nodeLink, node, "TOVString"));
  EXPECT_FATAL(byParentStep.CompareObjects(&n, &s), Neither(1, stepLink, step, node));
  EXPECT_FATAL(byParentStep.CompareObjects(&s, &foreign), Neither(2, stepLink, step, "TOVString"));
  EXPECT_FATAL(TOVExecGraphStepLinkCmpParentStepStep::GetGlobal().CompareObjects(nullptr, &link),
               "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(TOVExecGraphStepLinkHashParentStepStep::GetGlobal().Code(nullptr), "pObj1 == NULL");
  EXPECT_DEATH(TOVExecGraphStepLinkHashParentStepStep::GetGlobal().Code(&s), stepLink);
}

TEST(ExecGraphBuilder, StepsAreRankedByTheLongestPathBelowTheParentThatRanksThem) {
  struct Case {
    const char* what;
    int nodes;
    Links links;
    int steps;
    Links stepLinks;
    Links ranks;   // node, rank of its step
    Links parents; // node, node of its step's parent step (-1: none)
  };
  const Case cases[] = {
      {"empty", 0, {}, 0, {}, {}, {}},
      {"cycle", 3, {{0, 1}, {1, 2}, {2, 0}}, 1, {{-1, 0}}, {{2, 1}}, {{1, -1}}},
      // Of the two parents that rank 3, the one whose node comes first in the node vector.
      {"diamond",
       4,
       {{0, 1}, {0, 2}, {1, 3}, {2, 3}},
       4,
       {{-1, 0}, {0, 1}, {0, 2}, {1, 3}, {2, 3}},
       {{0, 1}, {1, 2}, {2, 2}, {3, 3}},
       {{1, 0}, {3, 1}}},
      {"shortcut",
       4,
       {{0, 3}, {0, 1}, {1, 2}, {2, 3}},
       4,
       {{-1, 0}, {0, 1}, {0, 3}, {1, 2}, {2, 3}},
       {{3, 4}},
       {{3, 2}}},
      // Twice 0 -> 1; the cycle {1, 2} linked twice to 3; explicit root links are ignored.
      {"duplicates",
       4,
       {{0, 1}, {0, 1}, {1, 2}, {2, 1}, {1, 3}, {2, 3}, {-1, 0}},
       3,
       {{-1, 0}, {0, 1}, {1, 3}},
       {{3, 3}},
       {}},
      // One cycle through 0..3 nested in another, 4 <-> 5 alone, 6 with no link.
      {"nested cycles",
       7,
       {{0, 1}, {1, 2}, {2, 1}, {2, 3}, {3, 0}, {4, 5}, {5, 4}},
       3,
       {{-1, 0}, {-1, 4}, {-1, 6}},
       {{0, 1}, {4, 1}, {6, 1}},
       {}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestGraph g(c.nodes, c.links);
    g.Build();
    EXPECT_EQ(g.StepCount(), c.steps);
    EXPECT_EQ(g.StepLinks(), c.stepLinks);
    for (const auto& [node, rank] : c.ranks)
      EXPECT_EQ(g.Rank(node), rank) << node;
    for (const auto& [node, parent] : c.parents)
      EXPECT_EQ(g.Step(node)->GetParentStep(), parent < 0 ? nullptr : g.Step(parent)) << node;
  }
  // A cycle takes the step of its first node on the walk.
  TestGraph cycle(3, {{0, 1}, {1, 2}, {2, 0}});
  cycle.Build();
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(cycle.Node(i).GetBuildStep(), 2);
  EXPECT_EQ(cycle.Node(0).GetHStepWithReinit().Get(), cycle.Step(2));
}

TEST(ExecGraphBuilder, ANodePathBetweenNodesOfOneStepJoinsThatStep) {
  // R -> Y, R -> X, X -> A, A -> Y with Y given X's step S: when A reaches Y again, S is
  // found on the path at X, and A takes S.
  enum { R, Y, X, A };
  TestGraph g(4, {{R, Y}, {R, X}, {X, A}, {A, Y}});
  g.Node(Y).OverrideHStep(g.Node(X).GetHStep());
  g.BuildInLinkOrder();
  EXPECT_EQ(g.Step(A), g.Step(X));
  EXPECT_EQ(g.Step(Y), g.Step(X));
  EXPECT_EQ(g.StepLinks(), (Links{{-1, R}, {R, Y}}));
  EXPECT_EQ(g.Rank(A), 2);
  EXPECT_EQ(g.Step(A)->GetParentStep(), g.Step(R));
}

TEST(ExecGraphBuilder, LaddersChainsAndLongCyclesAreBuiltInLinearTimeWithoutRecursion) {
  // Layers of two steps, each linked to both steps of the next layer: a walk that
  // re-walks a step per parent doubles its work with every layer.
  const int layers = 2000;
  TestGraph ladder(2 * layers);
  for (int l = 0; l + 1 < layers; ++l)
    for (int a = 0; a < 2; ++a)
      for (int b = 0; b < 2; ++b)
        ladder.Link(2 * l + a, 2 * (l + 1) + b);
  ladder.Build();
  EXPECT_EQ(ladder.Rank(2 * layers - 1), layers);
  EXPECT_EQ(ladder.Rank(1), 1);
  // The chain of a million nodes is timed in bench_ExecGraphBench; a quadratic walk
  // would already take minutes here.
  const int n = 150000;
  TestGraph chain(n), cycle(n);
  for (int i = 0; i < n; ++i) {
    if (i + 1 < n)
      chain.Link(i, i + 1);
    cycle.Link(i, (i + 1) % n);
  }
  chain.Build();
  EXPECT_EQ(chain.Rank(n - 1), n);
  EXPECT_EQ(chain.Step(n - 1)->GetParentStep(), chain.Step(n - 2));
  cycle.Build();
  EXPECT_EQ(cycle.StepCount(), 1);
  EXPECT_EQ(cycle._StepLinks.Size(), 1);
}

TEST(ExecGraphBuilder, InitRankFromAStepRanksBelowIt) {
  TestGraph g(3, {{0, 1}, {1, 2}});
  g.Build();
  TOVExecGraphStep extra;
  extra.SetRankIfGreater(10);
  TOVExecGraphStepLink link(&extra, *g.Step(1));
  g._StepLinks.Add(&link, 1);
  g._StepLinks.Sort();
  OpenBuilder::InitRankAndSetLastParentStep(&extra, g._StepLinks);
  EXPECT_EQ(g.Rank(1), 11);
  EXPECT_EQ(g.Rank(2), 12);
  EXPECT_EQ(g.Step(1)->GetParentStep(), &extra);
  g._StepLinks.Remove(&link, 1);
}

TEST(ExecGraphBuilderDeathTest, PreconditionsStop) {
  TestGraph unsorted(3, {{1, 2}, {0, 1}});
  EXPECT_FATAL(
      TOVExecGraphBuilder::Build(unsorted._Nodes, unsorted._NodeLinks, unsorted._StepLinks),
      "NodeLinkSVParentNode must be sorted by TOVExecGraphNodeLinkCmpParentNode");
  TestGraph full(1);
  TOVExecGraphStep s;
  full._StepLinks.Add(new TOVExecGraphStepLink(nullptr, s), 1);
  EXPECT_FATAL(full.Build(), "StepLinkSVParentStep must be empty");
  TestGraph none;
  TOVSortedVector wrong(TOVExecGraphStepLinkCmpParentStepStep::GetGlobal(),
                        TOVContainerNothingAtDelete);
  none._NodeLinks.Sort();
  EXPECT_FATAL(TOVExecGraphBuilder::Build(none._Nodes, none._NodeLinks, wrong),
               "The comparator of StepLinkSVParentStep = TOVExecGraphStepLinkCmpParentStepStep "
               "refuses the comparator TOVExecGraphStepLinkCmpParentStep");
  // A second build needs Init on every node first.
  TestGraph twice(2, {{0, 1}});
  twice.Build();
  twice._StepLinks.ReleaseElementsAndClear();
  EXPECT_FATAL(twice.Build(), "Build() can't be called twice");
  for (int i = 0; i < 2; ++i)
    twice.Node(i).Init();
  twice.Build();
  EXPECT_EQ(twice.StepLinks(), (Links{{-1, 0}, {0, 1}}));
  EXPECT_EQ(twice.Rank(1), 2);
  // Unexpected build steps.
  TestGraph g(2, {{0, 1}});
  g.Node(1).SetBuildStep(5);
  EXPECT_FATAL(g.Build(), "BuildStep should be 0 or 1, and it's equal to 5");
  TestGraph h(1);
  TOVHashTable a(TOVContainerNothingAtDelete, 8), b(TOVContainerNothingAtDelete, 8),
      c(TOVContainerNothingAtDelete, 8);
  EXPECT_FATAL(OpenBuilder::AnalyzeSteps(h.Node(0), h._NodeLinks, h._StepLinks, a, b, c),
               "BuildStep should be 1 or 2, and it's equal to 0");
}

TEST(ExecGraphBuilderDeathTest, StepsSharedBeforeTheBuildThatLinkEachOtherInACycleAreRefused) {
  // 0 -> 1 and 2 -> 3, with 0 and 3 sharing a step and 1 and 2 another: two steps,
  // each the parent of the other, and no root.
  TestGraph noRoot(4, {{0, 1}, {2, 3}});
  noRoot.Node(3).OverrideHStep(noRoot.Node(0).GetHStep());
  noRoot.Node(2).OverrideHStep(noRoot.Node(1).GetHStep());
  EXPECT_FATAL(noRoot.Build(), "No root step found");
  // R -> X1 -> Y1 and Y2 -> X2, with X1 and X2 sharing a step and Y1 and Y2 another: no
  // node path goes from a step back to it, yet the two steps are each other's parent.
  enum { R, X1, Y1, Y2, X2 };
  TestGraph g(5, {{R, X1}, {X1, Y1}, {Y2, X2}});
  g.Node(X2).OverrideHStep(g.Node(X1).GetHStep());
  g.Node(Y2).OverrideHStep(g.Node(Y1).GetHStep());
  EXPECT_FATAL(g.Build(), "The steps shared before Build() link each other in a cycle");
}
