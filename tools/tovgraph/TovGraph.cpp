#include "TovGraph.h"
#include "TOVDenseGraph.h"
#include "TOVExecGraphBuilder.h"
#include "TOVExecGraphNodeCmpStep.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphNodeWithId.h"
#include "TOVExecGraphStepLink.h"
#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVExtChars.h"
#include "TOVMessageDisplay.h"
#include "TOVRaiseError.h"
#include "TOVSortedVector.h"
#include "TOVUtilitiesForDebug.h"
#include "TOVVector.h"
#include "TOVVolatileOneWayIteratorForTextFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include <sys/stat.h>

/// A node that knows its place in the file, so that every listing follows the file.
class TovGraphNode : public TOVExecGraphNodeWithId {
  TOV_DECLARE_CLASS(TovGraphNode)
public:
  TovGraphNode(const TOVString& identifier, int index)
      : TOVExecGraphNodeWithId(identifier), _Index(index) {}
  int _Index;
  int _AddressRank = 0; // place among the nodes ordered by address
};

/// Orders nodes by step, then by place in the file; a step as key finds its nodes.
class TovGraphNodeOrder : public TOVExecGraphNodeCmpStep {
  TOV_DECLARE_CLASS(TovGraphNodeOrder)
public:
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override {
    int byStep = TOVExecGraphNodeCmpStep::CompareObjects(a, b);
    const auto* x = dynamic_cast<const TovGraphNode*>(a);
    const auto* y = dynamic_cast<const TovGraphNode*>(b);
    if (byStep != 0 || x == nullptr || y == nullptr)
      return byStep;
    return x->_Index < y->_Index ? -1 : (x->_Index > y->_Index ? 1 : 0);
  }
};

/// The place in the file of the first node of each step.
using FirstIndex = std::unordered_map<const TOVExecGraphStep*, int>;

/// Orders step links by parent step, then by the first node of their step; a step as
/// key finds the links of which it is the parent.
class TovGraphStepLinkOrder : public TOVExecGraphStepLinkCmpParentStep {
  TOV_DECLARE_CLASS(TovGraphStepLinkOrder)
public:
  explicit TovGraphStepLinkOrder(const FirstIndex& first) : _First(first) {}
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override {
    int byParent = TOVExecGraphStepLinkCmpParentStep::CompareObjects(a, b);
    const auto* x = dynamic_cast<const TOVExecGraphStepLink*>(a);
    const auto* y = dynamic_cast<const TOVExecGraphStepLink*>(b);
    if (byParent != 0 || x == nullptr || y == nullptr)
      return byParent;
    int i = _First.at(&x->GetStep()), j = _First.at(&y->GetStep());
    return i < j ? -1 : (i > j ? 1 : 0);
  }

private:
  const FirstIndex& _First;
};

TOV_IMPLEMENT_CLASS(TovGraphNode, TOVExecGraphNodeWithId)
TOV_IMPLEMENT_CLASS(TovGraphNodeOrder, TOVExecGraphNodeCmpStep)
TOV_IMPLEMENT_CLASS(TovGraphStepLinkOrder, TOVExecGraphStepLinkCmpParentStep)

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

/// The steps of the nodes in order of their first node, each with its nodes in order.
std::vector<std::vector<const TovGraphNode*>> StepsInFileOrder(const TOVVector& nodes,
                                                               FirstIndex* first = nullptr) {
  FirstIndex local;
  FirstIndex& index = first != nullptr ? *first : local;
  std::vector<std::vector<const TovGraphNode*>> steps;
  for (int i = 0; i < nodes.Size(); ++i) {
    const auto* node = static_cast<const TovGraphNode*>(nodes[i]);
    auto [it, added] = index.emplace(node->GetHStep().Get(), static_cast<int>(steps.size()));
    if (added)
      steps.emplace_back();
    steps[it->second].push_back(node);
  }
  return steps;
}

/// The bytes given to a display at once: lines are written in pieces of about this size.
const size_t PieceBytes = 64 * 1024;

/// Writes lines to a display in pieces of about PieceBytes, cut between characters, so
/// that neither this writer nor the display (which widens each text it gets) ever holds
/// a long line whole, and short lines reach it many at a time (a terminal display
/// flushes its stream after each text it gets).
class PieceWriter {
public:
  explicit PieceWriter(TOVMessageDisplay& display) : _Display(display) {}
  void Append(const char* text, size_t size) {
    while (size > 0) {
      size_t take = std::min(size, PieceBytes - _Piece.size());
      // Not inside a UTF-8 character: before the lead byte of the continuation bytes at
      // the cut when it lies within three bytes; past that, no character holds them.
      if (take < size) {
        size_t lead = take;
        while (lead > 0 && take - lead < 3 && (text[lead] & 0xC0) == 0x80)
          --lead;
        if ((text[lead] & 0xC0) != 0x80)
          take = lead;
      }
      if (take == 0) {
        Give(0);
        continue;
      }
      _Piece.append(text, take);
      text += take;
      size -= take;
      if (_Piece.size() >= PieceBytes)
        Give(0);
    }
  }
  void Append(const char* text) { Append(text, std::strlen(text)); }
  void EndLine() { Append("\n", 1); }
  ~PieceWriter() {
    if (!_Piece.empty())
      Give(0);
  }

private:
  void Give(unsigned int newLine) {
    _Display.Display(_Piece.c_str(), newLine);
    _Piece.clear();
  }
  TOVMessageDisplay& _Display;
  std::string _Piece;
};

/// The printed form of an identifier of size bytes, a '"' or '\\' getting a '\\' before
/// it: the word itself when it has neither, else its copy in scratch.
std::pair<const char*, size_t> PrintedForm(const char* word, size_t size, std::string& scratch) {
  const char* end = word + size;
  const char* special = word;
  while (special < end && *special != '"' && *special != '\\')
    ++special;
  if (special == end)
    return {word, size};
  scratch.assign(word, special);
  for (; special < end; ++special) {
    if (*special == '"' || *special == '\\')
      scratch += '\\';
    scratch += *special;
  }
  return {scratch.data(), scratch.size()};
}

/// A hash of size bytes whose low bits depend on every byte.
uint32_t HashOf(const char* text, size_t size) {
  uint64_t h = 0xcbf29ce484222325ULL ^ size;
  for (size_t i = 0; i < size; ++i)
    h = (h ^ static_cast<unsigned char>(text[i])) * 0x100000001b3ULL;
  h ^= h >> 29;
  h *= 0xbf58476d1ce4e5b9ULL;
  return static_cast<uint32_t>(h ^ (h >> 32));
}

/// Writes the line of one step: its rank, ":", and the quoted identifier of each node.
template <class It, class IdOf>
void WriteStep(PieceWriter& line, int rank, It begin, It end, IdOf idOf) {
  line.Append(std::to_string(rank).c_str());
  line.Append(":");
  for (It node = begin; node != end; ++node) {
    const std::pair<const char*, size_t> id = idOf(*node);
    line.Append(" \"");
    line.Append(id.first, id.second);
    line.Append("\"");
  }
  line.EndLine();
}

/// The size of the printed form of an identifier of size bytes.
size_t PrintedSize(const char* word, size_t size) {
  size_t printed = size;
  for (size_t i = 0; i < size; ++i)
    printed += word[i] == '"' || word[i] == '\\' ? 1 : 0;
  return printed;
}

/// Refuses line lineNumber of the file at path, which holds a zero byte.
long RefuseZeroByte(int lineNumber, const TOVString& path) {
  return TOV_RAISE_ERROR(TOVCatalogMsg("TOVGRAPH", "0010", path),
                         TOVCatalogMsg("TOVGRAPH", "0013", lineNumber), TOVNLSMsgBldrRfHndlr());
}

/// The longest printed identifier: a string holds fewer than INT_MAX characters.
const size_t MaxPrintedSize = INT_MAX / 2;

} // namespace

/// The library's execution-graph objects of a graph: a node per identifier, a link per
/// line of two words, and the steps and step links that the builder makes of them.
class TovGraph::Objects {
public:
  explicit Objects(const TovGraph& graph);
  ~Objects() {
    // Links first: they point at the nodes.
    _StepLinks.ReleaseElementsAndClear();
    _NodeLinks.ReleaseElementsAndClear();
  }
  Objects(const Objects&) = delete;
  Objects& operator=(const Objects&) = delete;

  TOVVector _Nodes;           // in order of first sight; owns them
  TOVSortedVector _NodeLinks; // owns them
  TOVSortedVector _StepLinks; // owns them
};

TovGraph::Objects::Objects(const TovGraph& graph)
    : _Nodes(TOVContainerReleaseAtDelete),
      _NodeLinks(TOVExecGraphNodeLinkCmpParentNode::GetGlobal(), TOVContainerReleaseAtDelete),
      _StepLinks(TOVExecGraphStepLinkCmpParentStep::GetGlobal(), TOVContainerReleaseAtDelete) {
  const int count = graph.NodeCount();
  std::vector<TovGraphNode*> nodes(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    TOVString identifier;
    identifier.Concat(graph.Identifier(i), static_cast<int>(graph.IdentifierSize(i)));
    nodes[i] = new TovGraphNode(identifier, i);
    _Nodes.Append(nodes[i]);
  }
  // In the order of TOVExecGraphNodeLinkCmpParentNode (parent addresses), without a
  // comparator call per pair: the links are grouped by the place of their parent among
  // the nodes ordered by address, keeping the file's order.
  std::vector<TovGraphNode*> byAddress(nodes);
  std::sort(byAddress.begin(), byAddress.end(), [](const auto* a, const auto* b) {
    return reinterpret_cast<uintptr_t>(a) < reinterpret_cast<uintptr_t>(b);
  });
  for (size_t r = 0; r < byAddress.size(); ++r)
    byAddress[r]->_AddressRank = static_cast<int>(r);
  std::vector<std::pair<int, int>> sorted;
  TOVGroupByKey(
      nodes.size(), graph._Links, [&](const auto& l) { return nodes[l.first]->_AddressRank; },
      sorted);
  for (const auto& [parent, child] : sorted)
    _NodeLinks.Add(new TOVExecGraphNodeLink(nodes[parent], *nodes[child]), 1);
  _NodeLinks.SetIsSorted(1, 0);
  TOVExecGraphBuilder::Build(_Nodes, _NodeLinks, _StepLinks);
}

TovGraph::TovGraph(int expectedNodes) : _Start{0} {
  size_t slots = 16;
  while (slots < 2 * static_cast<size_t>(std::max(expectedNodes, 1024)))
    slots *= 2;
  _Slots.assign(slots, -1);
}

TovGraph::~TovGraph() = default;

void TovGraph::Grow() {
  _Slots.assign(_Slots.size() * 2, -1);
  const size_t mask = _Slots.size() - 1;
  for (int i = 0; i < NodeCount(); ++i) {
    size_t slot = _Code[i] & mask;
    while (_Slots[slot] >= 0)
      slot = (slot + 1) & mask;
    _Slots[slot] = i;
  }
}

int TovGraph::NodeOf(const char* identifier, size_t size) {
  const uint32_t code = HashOf(identifier, size);
  const size_t mask = _Slots.size() - 1;
  size_t slot = code & mask;
  for (int i; (i = _Slots[slot]) >= 0; slot = (slot + 1) & mask)
    if (_Code[i] == code && IdentifierSize(i) == size &&
        std::memcmp(Identifier(i), identifier, size) == 0)
      return i;
  const int node = NodeCount();
  _Slots[slot] = node;
  _Text.append(identifier, size);
  _Start.push_back(_Text.size());
  _Code.push_back(code);
  if (2 * static_cast<size_t>(NodeCount()) > _Slots.size())
    Grow();
  return node;
}

long TovGraph::ReadLine(const char* line, size_t length, int lineNumber, const TOVString& path) {
  // A zero byte would cut the line short without a word: the graph would lose a node.
  if (std::memchr(line, '\0', length) != nullptr)
    return RefuseZeroByte(lineNumber, path);
  if (const void* comment = std::memchr(line, '#', length))
    length = static_cast<size_t>(static_cast<const char*>(comment) - line);
  // The words are found in place; only new identifiers are copied, in their printed form.
  const char* words[2] = {nullptr, nullptr};
  size_t sizes[2] = {0, 0};
  int count = 0;
  for (size_t i = 0; i < length;) {
    if (IsBlank(line[i])) {
      ++i;
      continue;
    }
    const size_t start = i;
    while (i < length && !IsBlank(line[i]))
      ++i;
    if (count < 2) {
      words[count] = line + start;
      sizes[count] = i - start;
    }
    ++count;
  }
  if (count > 2)
    return TOV_RAISE_ERROR(TOVCatalogMsg("TOVGRAPH", "0010", path),
                           TOVCatalogMsg("TOVGRAPH", "0012", lineNumber, count),
                           TOVNLSMsgBldrRfHndlr());
  for (int w = 0; w < count; ++w)
    if (PrintedSize(words[w], sizes[w]) > MaxPrintedSize)
      return TOV_RAISE_ERROR(
          TOVCatalogMsg("TOVGRAPH", "0010", path),
          TOVCatalogMsg("TOVGRAPH", "0014", lineNumber, static_cast<int>(MaxPrintedSize)),
          TOVNLSMsgBldrRfHndlr());
  int nodes[2] = {-1, -1};
  for (int w = 0; w < count; ++w) {
    const auto [printed, size] = PrintedForm(words[w], sizes[w], _Printed);
    nodes[w] = NodeOf(printed, size);
  }
  if (count == 2)
    _Links.emplace_back(nodes[0], nodes[1]);
  return 0;
}

long TovGraph::Read(const TOVString& path) {
  FILE* file = std::fopen(path, "r");
  if (file == nullptr)
    return TOV_RAISE_ERROR(TOVCatalogMsg("TOVGRAPH", "0010", path),
                           TOVCatalogMsg("TOVGRAPH", "0011", path, std::strerror(errno)),
                           TOVNLSMsgBldrRfHndlr());
  long rc = Read(file, path);
  std::fclose(file);
  return rc;
}

long TovGraph::Read(FILE* stream, const TOVString& path) {
  // The identifiers of a file take at most its bytes (unless escapes lengthen them).
  // Reserving that much up front takes addresses only, no pages, and spares the text a
  // regrowth that would hold its old and new copies at once: with a line of hundreds of
  // megabytes, a third copy of the line beside the line buffer and the identifier.
  struct stat info;
  if (fstat(fileno(stream), &info) == 0 && S_ISREG(info.st_mode) &&
      static_cast<unsigned long long>(info.st_size) > _Text.capacity()) {
    try {
      _Text.reserve(static_cast<size_t>(info.st_size));
    } catch (const std::exception&) {
      // Without the reservation the text grows as it goes.
    }
  }
  TOVNLSMsgBldrRfHndlr request = TOVCatalogMsg("TOVGRAPH", "0010", path);
  TOVVolatileOneWayIteratorForTextFile lines(path, stream, 0, -1, request);
  for (;;) {
    const MORBaseUnknown* object = nullptr;
    long rc = lines.Next(object);
    if (rc != 0 || object == nullptr)
      return rc;
    // The growing buffer measures the whole line, zero bytes included. The value is null
    // for an empty line and for one that starts with a zero byte.
    const size_t length = lines.GetLineLength();
    const auto* text = static_cast<const TOVExtChars*>(object);
    if (length == 0)
      continue;
    rc = text->IsDbNull() ? RefuseZeroByte(lines.GetLineNumber(), path)
                          : ReadLine(text->GetChars(), length, lines.GetLineNumber(), path);
    if (rc != 0)
      return rc;
  }
}

void TovGraph::Build() {
  const int count = NodeCount();
  // The children of each node, in the order of the file.
  std::vector<int> child(_Links.size());
  std::vector<int> first;
  {
    std::vector<std::pair<int, int>> grouped;
    first = TOVGroupByKey(
        static_cast<size_t>(count), _Links, [](const auto& l) { return l.first; }, grouped);
    for (size_t e = 0; e < grouped.size(); ++e)
      child[e] = grouped[e].second;
  }

  // The nodes of each cycle share a step: strongly connected groups, found by the
  // path-based walk of the library's builder (with explicit stacks, from each node in
  // the order of the file). A group is complete when the walk leaves its first node;
  // groups complete children first, so that group c's parents all complete after it.
  std::vector<int> group(count, -1);  // completed group of each node, -1 before
  std::vector<int> openAt(count, -1); // place in open while the group is not complete
  std::vector<int> members;           // nodes by group, in order of completion
  std::vector<int> groupStart{0};     // group g's are members[groupStart[g] ...]
  members.reserve(count);
  std::vector<int> open, bounds;
  std::vector<std::pair<int, int>> walk; // node, next link
  auto enter = [&](int v) {
    openAt[v] = static_cast<int>(open.size());
    bounds.push_back(openAt[v]);
    open.push_back(v);
    walk.emplace_back(v, first[v]);
  };
  for (int start = 0; start < count; ++start) {
    if (group[start] >= 0)
      continue;
    enter(start);
    while (!walk.empty()) {
      auto& [v, next] = walk.back();
      if (next < first[v + 1]) {
        const int w = child[next++];
        if (group[w] < 0 && openAt[w] < 0)
          enter(w);
        else if (openAt[w] >= 0)
          while (bounds.back() > openAt[w]) // w closes a cycle: the groups above join it
            bounds.pop_back();
        continue;
      }
      const int done = v;
      walk.pop_back();
      if (bounds.back() != openAt[done])
        continue;
      bounds.pop_back();
      const int at = openAt[done];
      const int g = static_cast<int>(groupStart.size()) - 1;
      for (size_t i = static_cast<size_t>(at); i < open.size(); ++i) {
        group[open[i]] = g;
        openAt[open[i]] = -1;
        members.push_back(open[i]);
      }
      open.resize(static_cast<size_t>(at));
      groupStart.push_back(static_cast<int>(members.size()));
    }
  }
  std::vector<int>().swap(openAt);

  // Ranks: a group without parent groups ranks 1, any other one more than its highest
  // parent. Taken from the last completed group down, every parent is ranked first.
  const int groups = static_cast<int>(groupStart.size()) - 1;
  std::vector<int> rank(groups, 1);
  for (int g = groups - 1; g >= 0; --g)
    for (int m = groupStart[g]; m < groupStart[g + 1]; ++m) {
      const int v = members[m];
      for (int e = first[v]; e < first[v + 1]; ++e) {
        const int c = group[child[e]];
        if (c != g && rank[c] < rank[g] + 1)
          rank[c] = rank[g] + 1;
      }
    }

  // Steps numbered in the order of their first nodes in the file.
  std::vector<int> stepOfGroup(groups, -1);
  _StepOf.assign(count, -1);
  _Rank.clear();
  for (int v = 0; v < count; ++v) {
    int& step = stepOfGroup[group[v]];
    if (step < 0) {
      step = static_cast<int>(_Rank.size());
      _Rank.push_back(rank[group[v]]);
    }
    _StepOf[v] = step;
  }
}

void TovGraph::DisplaySteps(TOVMessageDisplay& display) const {
  const int count = NodeCount();
  const int steps = static_cast<int>(_Rank.size());
  // The nodes of each step in the order of the file; the steps by rank, in the order of
  // their first nodes.
  std::vector<int> nodes(count), byStep;
  for (int v = 0; v < count; ++v)
    nodes[v] = v;
  const std::vector<int> firstOfStep = TOVGroupByKey(
      static_cast<size_t>(steps), nodes, [&](int v) { return _StepOf[v]; }, byStep);
  std::vector<int> stepIds(steps), byRank;
  for (int s = 0; s < steps; ++s)
    stepIds[s] = s;
  const int maxRank = steps > 0 ? *std::max_element(_Rank.begin(), _Rank.end()) : 0;
  TOVGroupByKey(
      static_cast<size_t>(maxRank) + 1, stepIds, [&](int s) { return _Rank[s]; }, byRank);
  PieceWriter line(display);
  auto idOf = [this](int v) { return std::make_pair(Identifier(v), IdentifierSize(v)); };
  for (int s : byRank)
    WriteStep(line, _Rank[s], byStep.begin() + firstOfStep[s], byStep.begin() + firstOfStep[s + 1],
              idOf);
}

void TovGraph::DisplayStepsOfObjects(TOVMessageDisplay& display) const {
  Objects objects(*this);
  std::vector<std::vector<const TovGraphNode*>> steps = StepsInFileOrder(objects._Nodes);
  // Stable: steps of one rank keep the order of their first nodes in the file.
  std::stable_sort(steps.begin(), steps.end(), [](const auto& a, const auto& b) {
    return a.front()->GetHStep()->GetRank() < b.front()->GetHStep()->GetRank();
  });
  PieceWriter line(display);
  auto idOf = [this](const TovGraphNode* node) {
    return std::make_pair(Identifier(node->_Index), IdentifierSize(node->_Index));
  };
  for (const auto& nodes : steps)
    WriteStep(line, nodes.front()->GetHStep()->GetRank(), nodes.begin(), nodes.end(), idOf);
}

void TovGraph::DisplayTree(TOVMessageDisplay& display) const {
  Objects objects(*this);
  FirstIndex first;
  StepsInFileOrder(objects._Nodes, &first);
  TovGraphStepLinkOrder linkOrder(first);
  TOVSortedVector links(linkOrder, TOVContainerNothingAtDelete);
  for (int i = 0; i < objects._StepLinks.Size(); ++i)
    links.Add(objects._StepLinks[i], 1);
  links.Sort();
  TovGraphNodeOrder nodeOrder;
  TOVSortedVector nodes(nodeOrder, TOVContainerNothingAtDelete);
  for (int i = 0; i < objects._Nodes.Size(); ++i)
    nodes.Add(objects._Nodes[i], 1);
  nodes.Sort();
  TOVUtilitiesForDebug::DisplayExecGraph(nullptr, links, nodes, display);
}
