#include "TovGraph.h"
#include "TOVExecGraphBuilder.h"
#include "TOVExecGraphNodeCmpStep.h"
#include "TOVExecGraphNodeLink.h"
#include "TOVExecGraphNodeLinkCmpParentNode.h"
#include "TOVExecGraphNodeWithId.h"
#include "TOVExecGraphNodeWithIdCmpIdVal.h"
#include "TOVExecGraphNodeWithIdHashIdVal.h"
#include "TOVExecGraphStepLink.h"
#include "TOVExecGraphStepLinkCmpParentStep.h"
#include "TOVExtAnyChars.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplay.h"
#include "TOVRaiseError.h"
#include "TOVUtilitiesForDebug.h"
#include "TOVVolatileOneWayIteratorForTextFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

/// A node that knows its place in the file, so that every listing follows the file.
class TovGraphNode : public TOVExecGraphNodeWithId {
  TOV_DECLARE_CLASS(TovGraphNode)
public:
  TovGraphNode(const TOVString& identifier, int index)
      : TOVExecGraphNodeWithId(identifier), _Index(index) {}
  int _Index;
  int _AddressRank = 0; // place among the nodes ordered by address
};

/// The identifier hash of the library, with its bits mixed so that the low bits, which
/// pick a bucket, depend on the whole identifier.
class TovGraphIdHash : public TOVExecGraphNodeWithIdHashIdVal {
  TOV_DECLARE_CLASS(TovGraphIdHash)
public:
  unsigned int Code(const MORBaseUnknown* obj) const override {
    uint32_t h = TOVExecGraphNodeWithIdHashIdVal::Code(obj);
    h ^= h >> 16;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    return h ^ (h >> 16);
  }
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
TOV_IMPLEMENT_CLASS(TovGraphIdHash, TOVExecGraphNodeWithIdHashIdVal)
TOV_IMPLEMENT_CLASS(TovGraphNodeOrder, TOVExecGraphNodeCmpStep)
TOV_IMPLEMENT_CLASS(TovGraphStepLinkOrder, TOVExecGraphStepLinkCmpParentStep)

namespace {

/// The one identifier hash of the program, owned by the global object cleaner.
const TovGraphIdHash& IdHash() {
  static TovGraphIdHash* shared = nullptr;
  if (shared == nullptr) {
    shared = new TovGraphIdHash;
    TOVGlobalObjectCleaner::Add(shared);
  }
  return *shared;
}

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

/// The bytes given to a display at once: a line is written in pieces of about this size.
const size_t PieceBytes = 64 * 1024;

/// Writes a line to a display in pieces of about PieceBytes, cut between characters, so
/// that neither this writer nor the display (which widens each text it gets) ever holds
/// a long line whole.
class PieceWriter {
public:
  explicit PieceWriter(TOVMessageDisplay& display) : _Display(display) {}
  void Append(const char* text, size_t size) {
    while (size > 0) {
      size_t take = std::min(size, PieceBytes - _Piece.size());
      // Not inside a UTF-8 character: back over at most three continuation bytes (a longer
      // run is no character, and its bytes are read one by one anyway).
      for (int back = 0; back < 3 && take > 0 && take < size && (text[take] & 0xC0) == 0x80; ++back)
        --take;
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
  void EndLine() { Give(1); }

private:
  void Give(unsigned int newLine) {
    _Display.Display(_Piece.c_str(), newLine);
    _Piece.clear();
  }
  TOVMessageDisplay& _Display;
  std::string _Piece;
};

/// The printed form of an identifier of size bytes: a '"' or '\' gets a '\' before it.
TOVString PrintedForm(const char* word, size_t size) {
  TOVString printed;
  for (const char* end = word + size; word < end;) {
    const char* special = word;
    while (special < end && *special != '"' && *special != '\\')
      ++special;
    printed.Concat(word, static_cast<int>(special - word));
    if (special < end) {
      const char escaped[2] = {'\\', *special};
      printed.Concat(escaped, 2);
      ++special;
    }
    word = special;
  }
  return printed;
}

/// The size of the printed form of an identifier of size bytes.
size_t PrintedSize(const char* word, size_t size) {
  size_t printed = size;
  for (size_t i = 0; i < size; ++i)
    printed += word[i] == '"' || word[i] == '\\' ? 1 : 0;
  return printed;
}

/// The longest printed identifier: a string holds fewer than INT_MAX characters.
const size_t MaxPrintedSize = INT_MAX / 2;

} // namespace

TovGraph::TovGraph(int expectedNodes)
    : _Nodes(TOVContainerReleaseAtDelete),
      _NodeOfId(IdHash(), TOVExecGraphNodeWithIdCmpIdVal::GetGlobal(), TOVContainerNothingAtDelete,
                std::max(expectedNodes, 1024)),
      _NodeLinks(TOVExecGraphNodeLinkCmpParentNode::GetGlobal(), TOVContainerReleaseAtDelete),
      _StepLinks(TOVExecGraphStepLinkCmpParentStep::GetGlobal(), TOVContainerReleaseAtDelete) {}

TovGraph::~TovGraph() {
  // Links first: they point at the nodes.
  _StepLinks.ReleaseElementsAndClear();
  _NodeLinks.ReleaseElementsAndClear();
  for (TOVExecGraphNodeLink* link : _Links)
    link->Release();
}

TOVExecGraphNodeWithId& TovGraph::NodeOf(const TOVString& identifier) {
  TOVExtAnyChars key(identifier);
  if (MORBaseUnknown* found = _NodeOfId.LookupOne(&key))
    return *static_cast<TOVExecGraphNodeWithId*>(found);
  auto* node = new TovGraphNode(identifier, _Nodes.Size());
  _Nodes.Append(node);
  _NodeOfId.Add(node, 1);
  return *node;
}

long TovGraph::ReadLine(const char* line, size_t length, int lineNumber, const TOVString& path) {
  // A zero byte would cut the line short without a word: the graph would lose a node.
  if (std::memchr(line, '\0', length) != nullptr)
    return TOV_RAISE_ERROR(TOVCatalogMsg("TOVGRAPH", "0010", path),
                           TOVCatalogMsg("TOVGRAPH", "0013", lineNumber), TOVNLSMsgBldrRfHndlr());
  if (const void* comment = std::memchr(line, '#', length))
    length = static_cast<size_t>(static_cast<const char*>(comment) - line);
  // The words are found in place; only their printed forms are copied.
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
  if (count == 1)
    NodeOf(PrintedForm(words[0], sizes[0]));
  if (count == 2) {
    TOVExecGraphNode& parent = NodeOf(PrintedForm(words[0], sizes[0]));
    _Links.push_back(new TOVExecGraphNodeLink(&parent, NodeOf(PrintedForm(words[1], sizes[1]))));
  }
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
  TOVNLSMsgBldrRfHndlr request = TOVCatalogMsg("TOVGRAPH", "0010", path);
  TOVVolatileOneWayIteratorForTextFile lines(path, stream, 0, -1, request);
  for (;;) {
    const MORBaseUnknown* object = nullptr;
    long rc = lines.Next(object);
    if (rc != 0 || object == nullptr)
      return rc;
    // The growing buffer measures the whole line, zero bytes included.
    if (lines.GetLineLength() == 0)
      continue; // an empty line
    rc = ReadLine(static_cast<const TOVExtChars*>(object)->GetChars(), lines.GetLineLength(),
                  lines.GetLineNumber(), path);
    if (rc != 0)
      return rc;
  }
}

void TovGraph::Build() {
  // In the order of TOVExecGraphNodeLinkCmpParentNode (parent addresses), without a
  // comparator call per pair: the nodes are ordered by address, then the links are
  // placed by the rank of their parent (a counting sort, keeping the file's order).
  std::vector<TovGraphNode*> byAddress;
  byAddress.reserve(_Nodes.Size());
  for (int i = 0; i < _Nodes.Size(); ++i)
    byAddress.push_back(static_cast<TovGraphNode*>(_Nodes[i]));
  std::sort(byAddress.begin(), byAddress.end(), [](const auto* a, const auto* b) {
    return reinterpret_cast<uintptr_t>(a) < reinterpret_cast<uintptr_t>(b);
  });
  for (size_t r = 0; r < byAddress.size(); ++r)
    byAddress[r]->_AddressRank = static_cast<int>(r);
  std::vector<int> start(byAddress.size() + 1, 0);
  for (TOVExecGraphNodeLink* link : _Links)
    ++start[static_cast<TovGraphNode*>(link->GetParentNode())->_AddressRank + 1];
  for (size_t r = 0; r < byAddress.size(); ++r)
    start[r + 1] += start[r];
  std::vector<TOVExecGraphNodeLink*> sorted(_Links.size());
  for (TOVExecGraphNodeLink* link : _Links)
    sorted[start[static_cast<TovGraphNode*>(link->GetParentNode())->_AddressRank]++] = link;
  _Links.clear();
  for (TOVExecGraphNodeLink* link : sorted)
    _NodeLinks.Add(link, 1);
  _NodeLinks.SetIsSorted(1, 0);
  TOVExecGraphBuilder::Build(_Nodes, _NodeLinks, _StepLinks);
}

void TovGraph::DisplaySteps(TOVMessageDisplay& display) const {
  std::vector<std::vector<const TovGraphNode*>> steps = StepsInFileOrder(_Nodes);
  // Stable: steps of one rank keep the order of their first nodes in the file.
  std::stable_sort(steps.begin(), steps.end(), [](const auto& a, const auto& b) {
    return a.front()->GetHStep()->GetRank() < b.front()->GetHStep()->GetRank();
  });
  PieceWriter line(display);
  for (const auto& nodes : steps) {
    line.Append(std::to_string(nodes.front()->GetHStep()->GetRank()).c_str());
    line.Append(":");
    for (const TovGraphNode* node : nodes) {
      const TOVString& identifier = node->GetIdentifier();
      line.Append(" \"");
      line.Append(identifier, static_cast<size_t>(identifier.Length()));
      line.Append("\"");
    }
    line.EndLine();
  }
}

void TovGraph::DisplayTree(TOVMessageDisplay& display) const {
  FirstIndex first;
  StepsInFileOrder(_Nodes, &first);
  TovGraphStepLinkOrder linkOrder(first);
  TOVSortedVector links(linkOrder, TOVContainerNothingAtDelete);
  for (int i = 0; i < _StepLinks.Size(); ++i)
    links.Add(_StepLinks[i], 1);
  links.Sort();
  TovGraphNodeOrder nodeOrder;
  TOVSortedVector nodes(nodeOrder, TOVContainerNothingAtDelete);
  for (int i = 0; i < _Nodes.Size(); ++i)
    nodes.Add(_Nodes[i], 1);
  nodes.Sort();
  TOVUtilitiesForDebug::DisplayExecGraph(nullptr, links, nodes, display);
}
