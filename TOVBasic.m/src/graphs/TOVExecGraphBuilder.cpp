#include "TOVExecGraphBuilder.h"
#include "TOVExecGraphNode.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphStep.h"
#include "TOVExecGraphStepLink.h"
#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVExecGraphStepLinkCmpParentStepStep.h"
#include "TOVExecGraphStepLinkHashParentStepStep.h"
#include "TOVFatalInternalError.h"
#include "TOVHashTable.h"
#include "TOVIterator.h"
#include "TOVSortedVector.h"

#include <deque>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

/// Size of the builder's working tables when they are made.
const int kTableSize = 256;

/// An iterator over the node links whose parent is node.
TOVIterator* LinksOf(const TOVExecGraphNode* node, const TOVSortedVector& nodeLinks) {
  return nodeLinks.LookupAll(node, TOVExecGraphNodeLinkCmpParentNode::GetGlobal());
}

TOVExecGraphStep* EffectiveStep(const TOVExecGraphNode& node) {
  return node.GetHStep().Get();
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

  // Loop treatment.
  TOVVector path(TOVContainerNothingAtDelete);
  for (int i = 0; i < nodes.Size(); ++i) {
    TOVExecGraphNode* node = TOVCheckedCast<TOVExecGraphNode>(nodes[i]);
    if (node->GetBuildStep() == 0) {
      node->SetBuildStep(1);
      path.Set(0, node);
      TreatLoops(*node, nodeLinkSVParentNode, path, 1);
    } else if (i == 0) {
      TOVFatalInternalError("Build() can't be called twice");
    }
  }

  // Step analysis.
  TOVHashTable linkSet(TOVExecGraphStepLinkHashParentStepStep::GetGlobal(),
                       TOVExecGraphStepLinkCmpParentStepStep::GetGlobal(),
                       TOVContainerNothingAtDelete, kTableSize);
  TOVHashTable allSteps(TOVContainerNothingAtDelete, kTableSize);
  TOVHashTable childSteps(TOVContainerNothingAtDelete, kTableSize);
  for (int i = 0; i < nodes.Size(); ++i)
    AnalyzeSteps(*static_cast<TOVExecGraphNode*>(nodes[i]), nodeLinkSVParentNode,
                 stepLinkSVParentStep, linkSet, allSteps, childSteps);

  // Roots: the steps that are no link's step.
  int roots = 0;
  TOVIterator* steps = allSteps.MakeIterator(nullptr);
  while (MORBaseUnknown* step = steps->Next()) {
    if (!childSteps.Contains(step)) {
      stepLinkSVParentStep.Add(
          new TOVExecGraphStepLink(nullptr, *static_cast<TOVExecGraphStep*>(step)), 1);
      ++roots;
    }
  }
  steps->Release();
  if (roots == 0)
    TOVFatalInternalError("No root step found");

  stepLinkSVParentStep.Sort();
  InitRankAndSetLastParentStep(nullptr, stepLinkSVParentStep);
}

// Path-based strongly connected components, with explicit stacks: `open` holds the
// visited nodes whose cycle is not settled yet, `bounds` the index in `open` of the first
// node of each group of nodes known to share a cycle. When a node ends its walk while it
// is still the first of its group, the group is complete: every other node of it gets
// the first node's step. These are exactly the nodes that a walk merging along each
// cycle met would merge, without rescanning the chain at every link.
void TOVExecGraphBuilder::TreatLoops(TOVExecGraphNode& node, const TOVSortedVector& nodeLinks,
                                     TOVVector& path, int depth) {
  std::unordered_map<const TOVExecGraphNode*, int> openIndex; // -1 once settled
  std::vector<TOVExecGraphNode*> open;
  std::vector<int> bounds;
  std::vector<TOVIterator*> links; // of each chain entry from depth - 1 up
  auto enter = [&](TOVExecGraphNode& n) {
    openIndex[&n] = static_cast<int>(open.size());
    bounds.push_back(static_cast<int>(open.size()));
    open.push_back(&n);
    links.push_back(LinksOf(&n, nodeLinks));
  };
  enter(node);
  int d = depth;
  while (!links.empty()) {
    if (MORBaseUnknown* next = links.back()->Next()) {
      TOVExecGraphNode& child = static_cast<TOVExecGraphNodeLink*>(next)->GetNode();
      const int buildStep = child.GetBuildStep();
      if (buildStep == 0) {
        child.SetBuildStep(1);
        path.Set(d++, &child);
        enter(child);
      } else if (buildStep == 1) {
        // A node of an unsettled group closes a cycle: every group above it joins its
        // group. Settled nodes (and nodes of earlier walks) are reached by another branch.
        auto found = openIndex.find(&child);
        if (found != openIndex.end() && found->second >= 0)
          while (bounds.back() > found->second)
            bounds.pop_back();
      } else {
        TOVFatalInternalError("BuildStep should be 0 or 1, and it's equal to ", buildStep);
      }
      continue;
    }
    links.back()->Release();
    links.pop_back();
    TOVExecGraphNode& done = *static_cast<TOVExecGraphNode*>(path[--d]);
    const int index = openIndex[&done];
    if (bounds.back() != index)
      continue;
    bounds.pop_back();
    const TOVExecGraphStepRfHndlr& step = done.GetHStep();
    for (size_t i = index + 1; i < open.size(); ++i) {
      if (EffectiveStep(*open[i]) != step.Get())
        open[i]->OverrideHStep(step);
      openIndex[open[i]] = -1;
    }
    openIndex[&done] = -1;
    open.resize(index);
  }
}

void TOVExecGraphBuilder::AnalyzeSteps(TOVExecGraphNode& node, const TOVSortedVector& nodeLinks,
                                       TOVSortedVector& stepLinks, TOVHashTable& linkSet,
                                       TOVHashTable& allSteps, TOVHashTable& childSteps) {
  std::vector<TOVExecGraphNode*> pending{&node};
  while (!pending.empty()) {
    TOVExecGraphNode* current = pending.back();
    pending.pop_back();
    const int buildStep = current->GetBuildStep();
    if (buildStep == 2)
      continue;
    if (buildStep != 1)
      TOVFatalInternalError("BuildStep should be 1 or 2, and it's equal to ", buildStep);
    current->SetBuildStep(2);
    TOVExecGraphStep* step = EffectiveStep(*current);
    if (!allSteps.Contains(step))
      allSteps.Add(step, 1);
    TOVIterator* links = LinksOf(current, nodeLinks);
    while (MORBaseUnknown* next = links->Next()) {
      TOVExecGraphNode& child = static_cast<TOVExecGraphNodeLink*>(next)->GetNode();
      TOVExecGraphStep* childStep = EffectiveStep(child);
      if (childStep != step) {
        TOVExecGraphStepLink* link = new TOVExecGraphStepLink(step, *childStep);
        if (linkSet.LookupOne(link) != nullptr) {
          link->Release();
        } else {
          linkSet.Add(link, 1);
          stepLinks.Add(link, 1);
          if (!childSteps.Contains(childStep))
            childSteps.Add(childStep, 1);
        }
      }
      if (child.GetBuildStep() != 2)
        pending.push_back(&child);
    }
    links->Release();
  }
}

// Longest paths in time linear in the number of links: a walk from the start steps
// finds the steps reached and the links that close a cycle left among steps (ignored,
// as a walk along the links would stop there); then each step is ranked once all its
// parents are, in the order in which its last parent is ranked. The parent step is the
// first ranked parent through which the step gets its final rank.
void TOVExecGraphBuilder::InitRankAndSetLastParentStep(const TOVExecGraphStep* parentStep,
                                                       const TOVSortedVector& stepLinks) {
  enum { kOnWalk = 1, kWalked = 2 };
  std::unordered_map<const TOVExecGraphStep*, int> state;
  std::unordered_map<const TOVExecGraphStep*, int> parentsLeft;
  std::unordered_set<const TOVExecGraphStepLink*> cycleLinks;
  std::vector<std::pair<const TOVExecGraphStep*, TOVIterator*>> walk;
  auto childrenOf = [&](const TOVExecGraphStep* step) {
    return stepLinks.LookupAll(step, TOVExecGraphStepLinkCmpParentStep::GetGlobal());
  };
  state[parentStep] = kOnWalk;
  walk.emplace_back(parentStep, childrenOf(parentStep));
  while (!walk.empty()) {
    MORBaseUnknown* next = walk.back().second->Next();
    if (next == nullptr) {
      walk.back().second->Release();
      state[walk.back().first] = kWalked;
      walk.pop_back();
      continue;
    }
    const auto* link = static_cast<const TOVExecGraphStepLink*>(next);
    const TOVExecGraphStep* child = &link->GetStep();
    int& childState = state[child];
    if (childState == kOnWalk) {
      cycleLinks.insert(link);
      continue;
    }
    if (walk.back().first != parentStep)
      ++parentsLeft[child];
    if (childState == 0) {
      childState = kOnWalk;
      walk.emplace_back(child, childrenOf(child));
    }
  }

  const int startRank = parentStep != nullptr ? parentStep->GetRank() + 1 : 1;
  std::unordered_map<const TOVExecGraphStep*, int> best;
  std::deque<TOVExecGraphStep*> ready;
  auto offer = [&](const TOVExecGraphStep* parent, TOVExecGraphStep& step, int rank) {
    int& known = best[&step];
    if (rank > known) {
      known = rank;
      step.SetParentStep(parent);
    }
  };
  TOVIterator* first = childrenOf(parentStep);
  while (MORBaseUnknown* next = first->Next()) {
    const auto* link = static_cast<const TOVExecGraphStepLink*>(next);
    if (cycleLinks.count(link) != 0)
      continue;
    offer(parentStep, link->GetStep(), startRank);
    if (parentsLeft[&link->GetStep()] == 0)
      ready.push_back(&link->GetStep());
  }
  first->Release();
  while (!ready.empty()) {
    TOVExecGraphStep* step = ready.front();
    ready.pop_front();
    step->SetRankIfGreater(best[step]);
    const int childRank = step->GetRank() + 1;
    TOVIterator* children = childrenOf(step);
    while (MORBaseUnknown* next = children->Next()) {
      const auto* link = static_cast<const TOVExecGraphStepLink*>(next);
      if (cycleLinks.count(link) != 0)
        continue;
      offer(step, link->GetStep(), childRank);
      if (--parentsLeft[&link->GetStep()] == 0)
        ready.push_back(&link->GetStep());
    }
    children->Release();
  }
}
