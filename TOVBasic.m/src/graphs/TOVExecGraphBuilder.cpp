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

// The loop treatment walks depth first and keeps the chain of nodes from the start to
// the node being walked (the path). When a link reaches a node already reached, the
// deepest node of the path that has the same effective step as that node is searched,
// and every node above it on the path takes its step (OverrideHStep). Effective steps
// are compared, so steps shared before the build count as the same step, and nested and
// overlapping cycles end in one step.
//
// To stay linear, nodes are grouped by effective step (classes, merged with union-find),
// the path is kept as runs of consecutive entries of one class, and each class knows its
// deepest run on the path, the runs of a class being chained from the deepest down. A
// search is then one look-up, and a merge takes the runs above the one found: each run
// goes once. A merged class moves whole: the end of its override chain (its effective
// step) gets the new step as override, through one of its nodes.
class LoopTreatment {
public:
  LoopTreatment(NodeGraph& g, TOVVector& path) : _G(g), _Path(path), _Class(g.Size()) {
    TOVPointerIndex<TOVExecGraphStep> steps(g.Size());
    for (size_t v = 0; v < g.Size(); ++v)
      _Class[v] = steps.IndexOf(g.At(static_cast<int>(v)).GetHStep().Get());
    _Up.resize(steps.Size());
    for (size_t c = 0; c < _Up.size(); ++c)
      _Up[c] = static_cast<int>(c);
    _DeepestRun.assign(steps.Size(), -1);
  }

  /// Puts node v at path entry depth (the entries below being in use).
  void Enter(int v, int depth) {
    _Path.Set(depth, &_G.At(v));
    if (static_cast<int>(_Entry.size()) <= depth)
      _Entry.resize(depth + 1);
    _Entry[depth] = v;
    const int c = Find(_Class[v]);
    if (!_Runs.empty() && _Runs.back().end == depth - 1 && Find(_Runs.back().cls) == c) {
      _Runs.back().end = depth;
      return;
    }
    _Runs.push_back({depth, depth, c, _DeepestRun[c]});
    _DeepestRun[c] = static_cast<int>(_Runs.size()) - 1;
  }

  /// Walks from node start, which stands at path entry depth - 1.
  void Walk(int start, int depth) {
    std::vector<std::pair<int, int>> walk{{start, _G.Begin(start)}}; // node, next link
    int d = depth;
    while (!walk.empty()) {
      auto& [v, next] = walk.back();
      if (next < _G.End(v)) {
        const int w = _G.Child(next++);
        TOVExecGraphNode& child = _G.At(w);
        const int buildStep = child.GetBuildStep();
        if (buildStep == 0) {
          child.SetBuildStep(1);
          Enter(w, d++);
          walk.emplace_back(w, _G.Begin(w));
        } else if (buildStep == 1) {
          MergeAbove(Find(_Class[w]), d);
        } else {
          TOVFatalInternalError("BuildStep should be 0 or 1, and it's equal to ", buildStep);
        }
        continue;
      }
      walk.pop_back();
      --d;
      Leave();
    }
  }

private:
  struct Run {
    int start, end; // path entries
    int cls;        // class when made (Find gives the current one)
    int below;      // the next run of the same class below, or -1
  };

  int Find(int c) {
    while (_Up[c] != c)
      c = _Up[c] = _Up[_Up[c]];
    return c;
  }

  /// Takes the node at the top of the path off it.
  void Leave() {
    Run& top = _Runs.back();
    if (--top.end >= top.start)
      return;
    _DeepestRun[Find(top.cls)] = top.below;
    _Runs.pop_back();
  }

  /// The entries above the deepest entry of class e (entries below depth in use) join
  /// its step; nothing when e is not on the path.
  void MergeAbove(int e, int depth) {
    const int found = _DeepestRun[e];
    if (found < 0 || found == static_cast<int>(_Runs.size()) - 1)
      return;
    const TOVExecGraphStepRfHndlr step = _G.At(_Entry[_Runs[found].start]).GetHStep();
    std::vector<Run> above(_Runs.begin() + found + 1, _Runs.end());
    for (size_t r = above.size(); r-- > 0;) {
      _DeepestRun[Find(above[r].cls)] = above[r].below;
      _Runs.pop_back();
    }
    for (const Run& run : above) {
      const int f = Find(run.cls);
      if (f == e)
        continue;
      TOVExecGraphNode& node = _G.At(_Entry[run.start]);
      node.GetHStepWithReinit();
      node.OverrideHStep(step);
      _Up[f] = e;
      _DeepestRun[e] = MergeChains(_DeepestRun[e], _DeepestRun[f]);
      _DeepestRun[f] = -1;
    }
    _Runs[found].end = depth - 1;
  }

  /// One chain of runs, deepest first, from two such chains.
  int MergeChains(int a, int b) {
    int head = -1;
    int* tail = &head;
    while (a >= 0 && b >= 0) {
      int& deeper = _Runs[a].start > _Runs[b].start ? a : b;
      *tail = deeper;
      tail = &_Runs[deeper].below;
      deeper = _Runs[deeper].below;
    }
    *tail = a >= 0 ? a : b;
    return head;
  }

  NodeGraph& _G;
  TOVVector& _Path;
  std::vector<int> _Class;      // per node: its class at the start
  std::vector<int> _Up;         // union-find over classes
  std::vector<int> _DeepestRun; // per class: its deepest run on the path, or -1
  std::vector<Run> _Runs;       // the path as runs, bottom first
  std::vector<int> _Entry;      // per path entry: its node
};

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

/// 1 when the links of g form a cycle (some steps are never left without a parent when
/// steps without parents are taken away one by one).
bool HasCycle(const StepGraph& g) {
  const int n = static_cast<int>(g.Size());
  std::vector<int> parents(n, 0), ready;
  for (size_t e = 0; e < g.LinkCount(); ++e)
    ++parents[g.Child(static_cast<int>(e))];
  for (int v = 0; v < n; ++v)
    if (parents[v] == 0)
      ready.push_back(v);
  int taken = 0;
  while (!ready.empty()) {
    const int v = ready.back();
    ready.pop_back();
    ++taken;
    for (int e = g.Begin(v); e < g.End(v); ++e)
      if (--parents[g.Child(e)] == 0)
        ready.push_back(g.Child(e));
  }
  return taken < n;
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
  LoopTreatment loops(g, path);
  for (int i = 0; i < count; ++i) {
    TOVExecGraphNode& node = g.At(i);
    if (node.GetBuildStep() == 0) {
      node.SetBuildStep(1);
      loops.Enter(i, 0);
      loops.Walk(i, 1);
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

  // Node cycles end in one step; steps shared before the build can still link each other
  // in a cycle that the walk did not meet as one. The build refuses it rather than give
  // ranks that a cycle makes meaningless.
  steps.SetLinks(links);
  if (HasCycle(steps))
    TOVFatalInternalError("The steps shared before Build() link each other in a cycle");
  RankSteps(steps, nullptr, -1, roots, 1);
}

void TOVExecGraphBuilder::TreatLoops(TOVExecGraphNode& node, const TOVSortedVector& nodeLinks,
                                     TOVVector& path, int depth) {
  // The path's entries below depth - 1 (the caller's chain) take part in the comparisons.
  std::vector<TOVExecGraphNode*> chain;
  for (int i = 0; i + 1 < depth; ++i)
    chain.push_back(TOVCheckedCast<TOVExecGraphNode>(path[i]));
  chain.push_back(&node);
  NodeGraph g = MakeNodeGraph(nullptr, nodeLinks, chain);
  LoopTreatment loops(g, path);
  for (int i = 0; i < depth; ++i)
    loops.Enter(g.Find(chain[i]), i);
  loops.Walk(g.Find(&node), depth);
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
