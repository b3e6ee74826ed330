#include "TOVExecGraphBuilder.h"
#include "TOVDenseGraph.h"
#include "TOVExecGraphNode.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphStep.h"
#include "TOVExecGraphStepLink.h"
#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVFatalInternalError.h"
#include "TOVHashTable.h"
#include "TOVKindOf.h"
#include "TOVSortedVector.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// The phases work on a dense view of the graph: every node gets an index (the nodes of
// the node vector first, in its order), and the links of each parent are one slice of an
// array, in the order of the sorted link vector (TOVDenseGraph). So
// the links of a node are found once, in linear time overall, and the walks use arrays
// instead of searches and tables of objects.

namespace {

using NodeGraph = TOVDenseGraph<TOVExecGraphNode>;
using StepGraph = TOVDenseGraph<TOVExecGraphStep>;

/// The view of nodes (may be null: nodes are then indexed as the links reach them, after
/// the seeds) and of the links of nodeLinks; a link without parent node leads nowhere.
NodeGraph MakeNodeGraph(const TOVVector* nodes, const TOVSortedVector& nodeLinks,
                        const std::vector<TOVExecGraphNode*>& seeds = {}) {
  const int links = nodeLinks.Size();
  NodeGraph g(nodes != nullptr ? static_cast<size_t>(nodes->Size()) : static_cast<size_t>(links));
  if (nodes != nullptr)
    for (int i = 0; i < nodes->Size(); ++i)
      g.IndexOf(TOVCheckedCast<TOVExecGraphNode>((*nodes)[i]));
  for (TOVExecGraphNode* seed : seeds)
    g.IndexOf(seed);
  std::vector<std::pair<int, int>> pairs;
  pairs.reserve(links);
  for (int i = 0; i < links; ++i) {
    const TOVExecGraphNodeLink* link = TOVKindOf<TOVExecGraphNodeLink>(nodeLinks[i]);
    if (link == nullptr)
      link = TOVCheckedCast<TOVExecGraphNodeLink>(nodeLinks[i]);
    if (link->GetParentNode() != nullptr)
      pairs.emplace_back(g.IndexOf(link->GetParentNode()), g.IndexOf(&link->GetNode()));
  }
  g.SetLinks(pairs);
  return g;
}

// Path-based strongly connected components from node start, with explicit stacks: `open`
// holds the visited nodes whose cycle is not settled yet, `bounds` the place in `open` of
// the first node of each group of nodes known to share a cycle. When a node ends its
// walk while it is still the first of its group, the group is complete: every other node
// of it gets the first node's step. These are exactly the nodes that merging along each
// cycle met would merge, without rescanning the chain at every link. openAt holds, per
// node, its place in `open` (-1 when not open). Reached nodes get build step 1 and stand
// at path entries depth - 1 upward while they are walked.
void TreatLoopsFrom(NodeGraph& g, int start, std::vector<int>& openAt, TOVVector& path, int depth) {
  std::vector<int> open, bounds;
  std::vector<std::pair<int, int>> walk; // node, next link
  auto enter = [&](int v) {
    openAt[v] = static_cast<int>(open.size());
    bounds.push_back(openAt[v]);
    open.push_back(v);
    walk.emplace_back(v, g.Begin(v));
  };
  enter(start);
  int d = depth;
  while (!walk.empty()) {
    auto& [v, next] = walk.back();
    if (next < g.End(v)) {
      const int w = g.Child(next++);
      TOVExecGraphNode& child = g.At(w);
      const int buildStep = child.GetBuildStep();
      if (buildStep == 0) {
        child.SetBuildStep(1);
        path.Set(d++, &child);
        enter(w);
      } else if (buildStep == 1) {
        // A node of an unsettled group closes a cycle: every group above it joins its
        // group. Settled nodes (and nodes of earlier walks) are reached by another branch.
        if (openAt[w] >= 0)
          while (bounds.back() > openAt[w])
            bounds.pop_back();
      } else {
        TOVFatalInternalError("BuildStep should be 0 or 1, and it's equal to ", buildStep);
      }
      continue;
    }
    const int done = v;
    walk.pop_back();
    --d;
    if (bounds.back() != openAt[done])
      continue;
    bounds.pop_back();
    const TOVExecGraphStepRfHndlr& step = g.At(done).GetHStep();
    for (size_t i = openAt[done] + 1; i < open.size(); ++i) {
      TOVExecGraphNode& member = g.At(open[i]);
      if (member.GetHStep().Get() != step.Get())
        member.OverrideHStep(step);
      openAt[open[i]] = -1;
    }
    open.resize(openAt[done]);
    openAt[done] = -1;
  }
}

/// Step analysis from node start: every node reached with build step 1 gets build step
/// 2 and tells onStep(its step); every link between nodes of different steps tells
/// onLink(parent step, step).
template <class OnStep, class OnLink>
void AnalyzeStepsFrom(const NodeGraph& g, int start, OnStep onStep, OnLink onLink) {
  std::vector<int> pending{start};
  while (!pending.empty()) {
    const int v = pending.back();
    pending.pop_back();
    TOVExecGraphNode& node = g.At(v);
    const int buildStep = node.GetBuildStep();
    if (buildStep == 2)
      continue;
    if (buildStep != 1)
      TOVFatalInternalError("BuildStep should be 1 or 2, and it's equal to ", buildStep);
    node.SetBuildStep(2);
    TOVExecGraphStep* step = node.GetHStep().Get();
    onStep(step);
    for (int e = g.Begin(v); e < g.End(v); ++e) {
      TOVExecGraphNode& child = g.At(g.Child(e));
      TOVExecGraphStep* childStep = child.GetHStep().Get();
      if (childStep != step)
        onLink(step, childStep);
      if (child.GetBuildStep() != 2)
        pending.push_back(g.Child(e));
    }
  }
}

// Longest paths in time linear in the number of links. A walk from the start steps
// finds the steps reached and the links that close a cycle left among steps (ignored,
// as a walk along the links would stop there); then each step is ranked once all its
// parents are. The parent step is a parent through which the step gets its final rank:
// among several, the one of lowest index (in a build, the step of the earliest node of
// the node vector). parent (may be null) stands above the start steps, with rank
// startRank - 1; it is index parentAt in g, or -1 when it has no index there.
void RankSteps(const StepGraph& g, const TOVExecGraphStep* parent, int parentAt,
               const std::vector<int>& starts, int startRank) {
  enum : char { kNew = 0, kOnWalk = 1, kWalked = 2 };
  const size_t n = g.Size();
  std::vector<char> state(n, kNew);
  std::vector<char> ignored(g.LinkCount(), 0);
  std::vector<int> parentsLeft(n, 0);
  std::vector<std::pair<int, int>> walk; // step, next link
  if (parentAt >= 0)
    state[parentAt] = kOnWalk;
  for (int s : starts) {
    if (state[s] != kNew)
      continue;
    state[s] = kOnWalk;
    walk.emplace_back(s, g.Begin(s));
    while (!walk.empty()) {
      auto& [v, next] = walk.back();
      if (next == g.End(v)) {
        state[v] = kWalked;
        walk.pop_back();
        continue;
      }
      const int e = next++;
      const int w = g.Child(e);
      if (state[w] == kOnWalk) {
        ignored[e] = 1;
        continue;
      }
      ++parentsLeft[w];
      if (state[w] == kNew) {
        state[w] = kOnWalk;
        walk.emplace_back(w, g.Begin(w));
      }
    }
  }

  std::vector<int> best(n, 0), bestParent(n, -1), ready;
  for (int s : starts)
    if (startRank > best[s])
      best[s] = startRank;
  for (int s : starts)
    if (parentsLeft[s] == 0 && state[s] == kWalked) {
      state[s] = kNew; // queued once
      ready.push_back(s);
    }
  for (size_t head = 0; head < ready.size(); ++head) {
    const int v = ready[head];
    TOVExecGraphStep& step = g.At(v);
    step.SetRankIfGreater(best[v]);
    step.SetParentStep(bestParent[v] >= 0 ? &g.At(bestParent[v]) : parent);
    const int childRank = step.GetRank() + 1;
    for (int e = g.Begin(v); e < g.End(v); ++e) {
      if (ignored[e])
        continue;
      const int w = g.Child(e);
      if (childRank > best[w] ||
          (childRank == best[w] && bestParent[w] >= 0 && v < bestParent[w])) {
        best[w] = childRank;
        bestParent[w] = v;
      }
      if (--parentsLeft[w] == 0)
        ready.push_back(w);
    }
  }
}

/// The step-link view of stepLinks, and the steps of the links whose parent is parent.
StepGraph MakeStepGraph(const TOVSortedVector& stepLinks, const TOVExecGraphStep* parent,
                        std::vector<int>& starts) {
  StepGraph g(static_cast<size_t>(stepLinks.Size()));
  std::vector<std::pair<int, int>> links;
  for (int i = 0; i < stepLinks.Size(); ++i) {
    const TOVExecGraphStepLink* link = TOVCheckedCast<TOVExecGraphStepLink>(stepLinks[i]);
    const int step = g.IndexOf(&link->GetStep());
    if (link->GetParentStep() == parent)
      starts.push_back(step);
    else if (link->GetParentStep() != nullptr)
      links.emplace_back(g.IndexOf(link->GetParentStep()), step);
  }
  g.SetLinks(links);
  return g;
}

/// Adds the links to stepLinks in the order of its comparator: when that is the parent
/// step comparator itself, ordering by parent address here avoids a sort by comparator.
void AddSorted(TOVSortedVector& stepLinks, std::vector<TOVExecGraphStepLink*>& links) {
  const TOVComparator& byParentStep = TOVExecGraphStepLinkCmpParentStep::GetGlobal();
  const bool ordered = stepLinks.GetComparator().GetMetaObject() == byParentStep.GetMetaObject();
  if (ordered)
    std::stable_sort(links.begin(), links.end(), [](const auto* a, const auto* b) {
      return reinterpret_cast<uintptr_t>(a->GetParentStep()) <
             reinterpret_cast<uintptr_t>(b->GetParentStep());
    });
  for (TOVExecGraphStepLink* link : links)
    stepLinks.Add(link, 1);
  if (ordered)
    stepLinks.SetIsSorted(1, 0);
  else
    stepLinks.Sort();
}

} // namespace

void TOVExecGraphBuilder::Build(const TOVVector& nodes, const TOVSortedVector& nodeLinkSVParentNode,
                                TOVSortedVector& stepLinkSVParentStep) {
  if (!nodeLinkSVParentNode.SearchUsesSort(TOVExecGraphNodeLinkCmpParentNode::GetGlobal()))
    TOVFatalInternalError(
        "NodeLinkSVParentNode must be sorted by TOVExecGraphNodeLinkCmpParentNode");
  if (!stepLinkSVParentStep.IsEmpty())
    TOVFatalInternalError("StepLinkSVParentStep must be empty");
  const TOVComparator& byParentStep = TOVExecGraphStepLinkCmpParentStep::GetGlobal();
  if (!TOVComparator::FirstCanBeUsedInSetSortedBySecond(byParentStep,
                                                        stepLinkSVParentStep.GetComparator()))
    TOVFatalInternalError(
        "The comparator of StepLinkSVParentStep = ", stepLinkSVParentStep.GetComparator().IsA(),
        " refuses the comparator ", byParentStep.IsA());
  if (nodes.IsEmpty())
    return;
  NodeGraph g = MakeNodeGraph(&nodes, nodeLinkSVParentNode);
  const int count = nodes.Size();

  // Loop treatment.
  TOVVector path(TOVContainerNothingAtDelete);
  std::vector<int> openAt(g.Size(), -1);
  for (int i = 0; i < count; ++i) {
    TOVExecGraphNode& node = g.At(i);
    if (node.GetBuildStep() == 0) {
      node.SetBuildStep(1);
      path.Set(0, &node);
      TreatLoopsFrom(g, i, openAt, path, 1);
    } else if (i == 0) {
      TOVFatalInternalError("Build() can't be called twice");
    }
  }

  // Step analysis: steps get indexes in the order of their first node.
  StepGraph steps(static_cast<size_t>(count));
  std::vector<std::pair<int, int>> pairs;
  auto onStep = [&](TOVExecGraphStep* step) { steps.IndexOf(step); };
  auto onLink = [&](TOVExecGraphStep* parent, TOVExecGraphStep* step) {
    pairs.emplace_back(steps.IndexOf(parent), steps.IndexOf(step));
  };
  for (int i = 0; i < count; ++i)
    if (g.At(i).GetBuildStep() == 1)
      onStep(g.At(i).GetHStep().Get());
  for (int i = 0; i < count; ++i)
    AnalyzeStepsFrom(g, i, onStep, onLink);

  // One step link per pair of steps: grouped by parent, a step seen twice in a group is
  // a duplicate. Then the roots: the steps that are no link's step.
  steps.SetLinks(pairs);
  const int stepCount = static_cast<int>(steps.Size());
  std::vector<int> seenIn(stepCount, -1);
  std::vector<char> hasParent(stepCount, 0);
  std::vector<std::pair<int, int>> links;
  std::vector<TOVExecGraphStepLink*> made;
  for (int p = 0; p < stepCount; ++p)
    for (int e = steps.Begin(p); e < steps.End(p); ++e) {
      const int c = steps.Child(e);
      if (seenIn[c] == p)
        continue;
      seenIn[c] = p;
      hasParent[c] = 1;
      links.emplace_back(p, c);
      made.push_back(new TOVExecGraphStepLink(&steps.At(p), steps.At(c)));
    }
  std::vector<int> roots;
  for (int s = 0; s < stepCount; ++s)
    if (!hasParent[s]) {
      roots.push_back(s);
      made.push_back(new TOVExecGraphStepLink(nullptr, steps.At(s)));
    }
  AddSorted(stepLinkSVParentStep, made);
  if (roots.empty())
    TOVFatalInternalError("No root step found");

  steps.SetLinks(links);
  RankSteps(steps, nullptr, -1, roots, 1);
}

void TOVExecGraphBuilder::TreatLoops(TOVExecGraphNode& node, const TOVSortedVector& nodeLinks,
                                     TOVVector& path, int depth) {
  NodeGraph g = MakeNodeGraph(nullptr, nodeLinks, {&node});
  std::vector<int> openAt(g.Size(), -1);
  TreatLoopsFrom(g, 0, openAt, path, depth);
}

void TOVExecGraphBuilder::AnalyzeSteps(TOVExecGraphNode& node, const TOVSortedVector& nodeLinks,
                                       TOVSortedVector& stepLinks, TOVHashTable& linkSet,
                                       TOVHashTable& allSteps, TOVHashTable& childSteps) {
  NodeGraph g = MakeNodeGraph(nullptr, nodeLinks, {&node});
  AnalyzeStepsFrom(
      g, 0,
      [&](TOVExecGraphStep* step) {
        if (!allSteps.Contains(step))
          allSteps.Add(step, 1);
      },
      [&](TOVExecGraphStep* parent, TOVExecGraphStep* step) {
        TOVExecGraphStepLink* link = new TOVExecGraphStepLink(parent, *step);
        if (linkSet.LookupOne(link) != nullptr) {
          link->Release();
          return;
        }
        linkSet.Add(link, 1);
        stepLinks.Add(link, 1);
        if (!childSteps.Contains(step))
          childSteps.Add(step, 1);
      });
}

void TOVExecGraphBuilder::InitRankAndSetLastParentStep(const TOVExecGraphStep* parentStep,
                                                       const TOVSortedVector& stepLinks) {
  std::vector<int> starts;
  StepGraph g = MakeStepGraph(stepLinks, parentStep, starts);
  const int parentAt = g.Find(parentStep);
  const int startRank = parentStep != nullptr ? parentStep->GetRank() + 1 : 1;
  RankSteps(g, parentStep, parentAt, starts, startRank);
}
