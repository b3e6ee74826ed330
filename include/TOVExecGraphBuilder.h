// Turns a graph of nodes into an acyclic, ranked graph of steps.
#ifndef TOVEXECGRAPHBUILDER_H
#define TOVEXECGRAPHBUILDER_H

#include "TOVExport.h"

class TOVExecGraphNode;
class TOVExecGraphStep;
class TOVHashTable;
class TOVSortedVector;
class TOVVector;

/// A set of static operations; no state of its own.
class TOVBASIC_API TOVExecGraphBuilder {
public:
  /// Builds the step graph of nodes (any order) and the node links of
  /// nodeLinkSVParentNode (sorted by TOVExecGraphNodeLinkCmpParentNode):
  /// the nodes of each cycle share one step; every node link between different steps
  /// gives one step link in stepLinkSVParentStep (which must be empty and is sorted on
  /// return), every step without parent a root link (no parent step); each step gets
  /// its rank (the longest path from a root, roots being 1) and a parent step through
  /// which it gets that rank. Broken preconditions, a second build of the same nodes
  /// without Init and a graph without root are fatal. The walks use no recursion, so
  /// graph depth is limited by memory only.
  static void Build(const TOVVector& nodes, const TOVSortedVector& nodeLinkSVParentNode,
                    TOVSortedVector& stepLinkSVParentStep);

protected:
  /// Loop treatment from node, which stands at path index depth - 1 on the chain of
  /// path indexes 0 to depth - 1: every node reached from it gets build step 1, and the
  /// nodes of each cycle met share the step of the cycle's first node on the walk.
  static void TreatLoops(TOVExecGraphNode& node, const TOVSortedVector& nodeLinks, TOVVector& path,
                         int depth);
  /// Step analysis from node: every node reached with build step 1 gets build step 2;
  /// its effective step goes to allSteps; each link between different steps gives one
  /// step link (kept once in linkSet and added to stepLinks) whose step goes to
  /// childSteps.
  static void AnalyzeSteps(TOVExecGraphNode& node, const TOVSortedVector& nodeLinks,
                           TOVSortedVector& stepLinks, TOVHashTable& linkSet,
                           TOVHashTable& allSteps, TOVHashTable& childSteps);
  /// Ranks and parent steps of every step reached from the links of parentStep (null:
  /// the root links), in time linear in the number of links.
  static void InitRankAndSetLastParentStep(const TOVExecGraphStep* parentStep,
                                           const TOVSortedVector& stepLinks);
};

#endif
