// The graph of tovgraph: nodes named by identifiers, read from a graph file, built into
// ranked steps and printed. Each node keeps its identifier in its printed form (a '"' or
// '\' preceded by a '\'), which tells identifiers apart as well as the raw one and lets
// every listing quote it as it is.
#ifndef TOVGRAPH_TOVGRAPH_H
#define TOVGRAPH_TOVGRAPH_H

#include "TOVHashTable.h"
#include "TOVSortedVector.h"
#include "TOVString.h"
#include "TOVVector.h"

#include <cstdio>
#include <vector>

class TOVExecGraphNodeLink;
class TOVExecGraphNodeWithId;
class TOVMessageDisplay;

class TovGraph {
public:
  /// expectedNodes sizes the table of identifiers (it grows as needed).
  explicit TovGraph(int expectedNodes);
  ~TovGraph();
  TovGraph(const TovGraph&) = delete;
  TovGraph& operator=(const TovGraph&) = delete;

  /// Reads the graph file at path: one node identifier per line, or a parent and a child
  /// identifier separated by blanks; "#" starts a comment. Gives 0, or the failure code of
  /// the pending error (file that cannot be read, line with more than two words or with a
  /// zero byte).
  long Read(const TOVString& path);
  /// Reads the lines of an open graph file, named path in messages, as Read does; the
  /// stream stays open.
  long Read(FILE* stream, const TOVString& path);
  /// Builds the ranked steps of the nodes read.
  void Build();
  /// One line per step in rank order (then in order of the steps' first nodes in the
  /// file): the rank, ": ", and the quoted identifiers of the step's nodes, a '"' or '\'
  /// inside an identifier written after a '\'. A long line is given to the display in
  /// pieces, so that it never holds the whole line.
  void DisplaySteps(TOVMessageDisplay& display) const;
  /// The step tree, each step below the parent step that ranks it, identifiers written
  /// as DisplaySteps writes them.
  void DisplayTree(TOVMessageDisplay& display) const;

private:
  /// The node of identifier (in its printed form), made on first sight.
  TOVExecGraphNodeWithId& NodeOf(const TOVString& identifier);
  /// Takes one line of the file, length bytes; gives 0 or the failure code of the pending
  /// error.
  long ReadLine(const char* line, size_t length, int lineNumber, const TOVString& path);

  TOVVector _Nodes;                          // in order of first sight; owns them
  TOVHashTable _NodeOfId;                    // the same nodes, found by identifier
  std::vector<TOVExecGraphNodeLink*> _Links; // owned until the build
  TOVSortedVector _NodeLinks;                // owns them after the build
  TOVSortedVector _StepLinks;                // owns them after the build
};

#endif
