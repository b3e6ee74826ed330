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
#include <cstdint>
#include <cstdio>
#include <cstring>
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

/// The quoted identifiers of the nodes of one step, each after a blank.
void AppendIdentifiers(TOVString& line, const std::vector<const TovGraphNode*>& nodes) {
  for (const TovGraphNode* node : nodes) {
    line += " \"";
    line += node->GetIdentifier();
    line += "\"";
  }
}

} // namespace

TovGraph::TovGraph()
    : _Nodes(TOVContainerReleaseAtDelete),
      _NodeOfId(IdHash(), TOVExecGraphNodeWithIdCmpIdVal::GetGlobal(), TOVContainerNothingAtDelete,
                4096),
      _NodeLinks(TOVExecGraphNodeLinkCmpParentNode::GetGlobal(), TOVContainerReleaseAtDelete),
      _StepLinks(TOVExecGraphStepLinkCmpParentStep::GetGlobal(), TOVContainerReleaseAtDelete) {}

TovGraph::~TovGraph() {
  // Links first: they point at the nodes.
  _StepLinks.ReleaseElementsAndClear();
  _NodeLinks.ReleaseElementsAndClear();
  for (TOVExecGraphNodeLink* link : _Links)
    link->Release();
}

TOVExecGraphNodeWithId& TovGraph::NodeOf(const char* identifier) {
  TOVExtAnyChars key(identifier);
  if (MORBaseUnknown* found = _NodeOfId.LookupOne(&key))
    return *static_cast<TOVExecGraphNodeWithId*>(found);
  auto* node = new TovGraphNode(identifier, _Nodes.Size());
  _Nodes.Append(node);
  _NodeOfId.Add(node, 1);
  return *node;
}

long TovGraph::ReadLine(const char* line, int lineNumber, const TOVString& path) {
  // The words are cut out of a copy of the line, each ended by a NUL.
  _Line.assign(line, std::strcspn(line, "#"));
  char* words[2] = {nullptr, nullptr};
  int count = 0;
  for (size_t i = 0; i < _Line.size();) {
    if (IsBlank(_Line[i])) {
      _Line[i++] = '\0';
      continue;
    }
    if (count < 2)
      words[count] = &_Line[i];
    ++count;
    while (i < _Line.size() && !IsBlank(_Line[i]))
      ++i;
  }
  if (count > 2)
    return TOV_RAISE_ERROR(TOVCatalogMsg("TOVGRAPH", "0010", path),
                           TOVCatalogMsg("TOVGRAPH", "0012", lineNumber, count),
                           TOVNLSMsgBldrRfHndlr());
  if (count == 1)
    NodeOf(words[0]);
  if (count == 2) {
    TOVExecGraphNode& parent = NodeOf(words[0]);
    _Links.push_back(new TOVExecGraphNodeLink(&parent, NodeOf(words[1])));
  }
  return 0;
}

long TovGraph::Read(const TOVString& path) {
  FILE* file = std::fopen(path, "r");
  if (file == nullptr)
    return TOV_RAISE_ERROR(TOVCatalogMsg("TOVGRAPH", "0010", path),
                           TOVCatalogMsg("TOVGRAPH", "0011", path, std::strerror(errno)),
                           TOVNLSMsgBldrRfHndlr());
  TOVNLSMsgBldrRfHndlr request = TOVCatalogMsg("TOVGRAPH", "0010", path);
  TOVVolatileOneWayIteratorForTextFile lines(path, file, 0, -1, request);
  long rc = 0;
  for (;;) {
    const MORBaseUnknown* object = nullptr;
    rc = lines.Next(object);
    if (rc != 0 || object == nullptr)
      break;
    const auto* text = static_cast<const TOVExtChars*>(object);
    if (text->IsDbNull())
      continue; // an empty line
    rc = ReadLine(text->GetChars(), lines.GetLineNumber(), path);
    if (rc != 0)
      break;
  }
  std::fclose(file);
  return rc;
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
  for (const auto& nodes : steps) {
    TOVString line;
    line += nodes.front()->GetHStep()->GetRank();
    line += ":";
    AppendIdentifiers(line, nodes);
    display.Display(static_cast<const char*>(line), 1);
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
