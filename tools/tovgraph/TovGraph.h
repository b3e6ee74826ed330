// The graph of tovgraph: nodes named by identifiers, read from a graph file, built into
// ranked steps and printed. Each node keeps its identifier in its printed form (a '"' or
// '\' preceded by a '\'), which tells identifiers apart as well as the raw one and lets
// every listing quote it as it is.
#ifndef TOVGRAPH_TOVGRAPH_H
#define TOVGRAPH_TOVGRAPH_H

#include "TOVString.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

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
  /// Builds the ranked steps of the nodes read: the nodes of each cycle share a step, and
  /// a step's rank is one more than the highest rank of its parent steps (1 for a step
  /// without parents), as the library's execution-graph builder ranks them.
  void Build();
  /// One line per step in rank order (then in order of the steps' first nodes in the
  /// file): the rank, ": ", and the quoted identifiers of the step's nodes, a '"' or '\'
  /// inside an identifier written after a '\'. A long line is given to the display in
  /// pieces, so that it never holds the whole line.
  void DisplaySteps(TOVMessageDisplay& display) const;
  /// The same listing made from the library's execution-graph objects, built by its
  /// builder: the reference that DisplaySteps follows (larger and slower).
  void DisplayStepsOfObjects(TOVMessageDisplay& display) const;
  /// The step tree, each step below the parent step that ranks it, identifiers written
  /// as DisplaySteps writes them (made from the library's execution-graph objects).
  void DisplayTree(TOVMessageDisplay& display) const;

private:
  class Objects;

  /// The index of the node of identifier (in its printed form, size bytes), numbered on
  /// first sight.
  int NodeOf(const char* identifier, size_t size);
  /// Takes one line of the file, length bytes; gives 0 or the failure code of the pending
  /// error.
  long ReadLine(const char* line, size_t length, int lineNumber, const TOVString& path);
  int NodeCount() const { return static_cast<int>(_Start.size()) - 1; }
  /// The printed identifier of node i and its size.
  const char* Identifier(int i) const { return _Text.data() + _Start[i]; }
  size_t IdentifierSize(int i) const { return _Start[i + 1] - _Start[i]; }
  void Grow();

  // The graph is kept in arrays: the listing needs no object per node or link, so a
  // graph of millions of links takes a few bytes per link.
  std::string _Text;                       // printed identifiers, back to back
  std::vector<size_t> _Start;              // node i's is _Text[_Start[i], _Start[i + 1])
  std::vector<uint32_t> _Code;             // each node's identifier hash
  std::vector<int> _Slots;                 // open addressing: node index, or -1
  std::vector<std::pair<int, int>> _Links; // (parent, child) in the order of the file
  std::string _Printed;                    // the printed form of the word being read
  std::vector<int> _StepOf;                // after Build: each node's step, by first node
  std::vector<int> _Rank;                  // after Build: each step's rank
};

#endif
