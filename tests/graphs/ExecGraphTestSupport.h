// A small execution graph for the tests: nodes named by identifiers, node links, and the
// step links that a build gives.
#ifndef EXECGRAPHTESTSUPPORT_H
#define EXECGRAPHTESTSUPPORT_H

#include "TOVExecGraphBuilder.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphNodeWithId.h"
#include "TOVExecGraphStepLink.h"
#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVSortedVector.h"

#include <string>
#include <vector>

/// Pairs of node (or step) indexes.
using Links = std::vector<std::pair<int, int>>;

class TestGraph {
public:
  /// n nodes named 0 .. n-1 and a node link for every pair of links.
  explicit TestGraph(int n = 0, const Links& links = {})
      : _Nodes(TOVContainerReleaseAtDelete),
        _NodeLinks(TOVExecGraphNodeLinkCmpParentNode::GetGlobal(), TOVContainerReleaseAtDelete),
        _StepLinks(TOVExecGraphStepLinkCmpParentStep::GetGlobal(), TOVContainerReleaseAtDelete) {
    AddNodes(n);
    for (const auto& [p, c] : links)
      Link(p, c);
  }
  TestGraph(const TestGraph&) = delete;
  TestGraph& operator=(const TestGraph&) = delete;

  /// Adds n nodes named 0 .. n-1 (after those already there).
  void AddNodes(int n) {
    for (int i = 0; i < n; ++i) {
      std::string id = std::to_string(_Nodes.Size());
      _Nodes.Append(new TOVExecGraphNodeWithId(id.c_str()));
    }
  }
  TOVExecGraphNodeWithId& Node(int i) const {
    return *static_cast<TOVExecGraphNodeWithId*>(_Nodes[i]);
  }
  /// A link from node p to node c (p negative: no parent).
  void Link(int p, int c) {
    _NodeLinks.Add(new TOVExecGraphNodeLink(p < 0 ? nullptr : &Node(p), Node(c)), 1);
    _NodeLinks.SetIsSorted(0, 0);
  }
  void Build() {
    _NodeLinks.Sort();
    TOVExecGraphBuilder::Build(_Nodes, _NodeLinks, _StepLinks);
  }
  /// Build with the links of each parent in the order in which they were made (Sort may
  /// reorder the links of one parent).
  void BuildInLinkOrder();
  TOVExecGraphStep* Step(int i) const { return Node(i).GetHStep().Get(); }
  int Rank(int i) const { return Step(i)->GetRank(); }
  /// The step links as pairs of node indexes standing for their steps (the lowest node
  /// of each step), the parent -1 for a root link; sorted.
  Links StepLinks() const;
  /// The number of distinct steps of the nodes.
  int StepCount() const;

  TOVVector _Nodes;
  TOVSortedVector _NodeLinks;
  TOVSortedVector _StepLinks;
};

#endif
