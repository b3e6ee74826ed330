// The graph of tovgraph: nodes named by identifiers, read from a graph file, built into
// ranked steps and printed.
#ifndef TOVGRAPH_TOVGRAPH_H
#define TOVGRAPH_TOVGRAPH_H

#include "TOVHashTable.h"
#include "TOVSortedVector.h"
#include "TOVString.h"
#include "TOVVector.h"

#include <string>
#include <vector>

class TOVExecGraphNodeLink;
class TOVExecGraphNodeWithId;
class TOVMessageDisplay;

class TovGraph {
public:
  TovGraph();
  ~TovGraph();
  TovGraph(const TovGraph&) = delete;
  TovGraph& operator=(const TovGraph&) = delete;

  /// Reads the graph file at path: one node identifier per line, or a parent and a child
  /// identifier separated by blanks; "#" starts a comment. Gives 0, or the failure code of
  /// the pending error (file that cannot be read, line with more than two words).
  long Read(const TOVString& path);
  /// Builds the ranked steps of the nodes read.
  void Build();
  /// One line per step in rank order (then in order of the steps' first nodes in the
  /// file): the rank, ": ", and the quoted identifiers of the step's nodes.
  void DisplaySteps(TOVMessageDisplay& display) const;
  /// The step tree, each step below the parent step that ranks it.
  void DisplayTree(TOVMessageDisplay& display) const;

private:
  /// The node of identifier (a NUL-terminated text), made on first sight.
  TOVExecGraphNodeWithId& NodeOf(const char* identifier);
  /// Takes one line of the file; gives 0 or the failure code of the pending error.
  long ReadLine(const char* line, int lineNumber, const TOVString& path);

  TOVVector _Nodes;                          // in order of first sight; owns them
  TOVHashTable _NodeOfId;                    // the same nodes, found by identifier
  std::vector<TOVExecGraphNodeLink*> _Links; // owned until the build
  TOVSortedVector _NodeLinks;                // owns them after the build
  TOVSortedVector _StepLinks;                // owns them after the build
  std::string _Line;                         // the words of the line being read
};

#endif
