#include "ExecGraphTestSupport.h"
#include "TOVTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>

Links TestGraph::StepLinks() const {
  std::map<const TOVExecGraphStep*, int> lowest;
  for (int i = _Nodes.Size() - 1; i >= 0; --i)
    lowest[Step(i)] = i;
  Links out;
  for (int i = 0; i < _StepLinks.Size(); ++i) {
    const auto* link = static_cast<const TOVExecGraphStepLink*>(_StepLinks[i]);
    int parent = link->GetParentStep() == nullptr ? -1 : lowest.at(link->GetParentStep());
    out.emplace_back(parent, lowest.at(&link->GetStep()));
  }
  std::sort(out.begin(), out.end());
  return out;
}

int TestGraph::StepCount() const {
  std::set<const TOVExecGraphStep*> steps;
  for (int i = 0; i < _Nodes.Size(); ++i)
    steps.insert(Step(i));
  return static_cast<int>(steps.size());
}

void TestGraph::BuildInLinkOrder() {
  std::vector<MORBaseUnknown*> links;
  for (int i = 0; i < _NodeLinks.Size(); ++i)
    links.push_back(_NodeLinks[i]);
  std::stable_sort(links.begin(), links.end(), [](const auto* a, const auto* b) {
    return reinterpret_cast<uintptr_t>(
               static_cast<const TOVExecGraphNodeLink*>(a)->GetParentNode()) <
           reinterpret_cast<uintptr_t>(
               static_cast<const TOVExecGraphNodeLink*>(b)->GetParentNode());
  });
  _NodeLinks.Clear(0);
  for (MORBaseUnknown* link : links)
    _NodeLinks.Add(link, 1);
  _NodeLinks.SetIsSorted(1, 1);
  TOVExecGraphBuilder::Build(_Nodes, _NodeLinks, _StepLinks);
}

// Every test of this program runs with the one global object cleaner that the shared
// comparators and coders are handed to.
[[maybe_unused]] static const bool kCleaner = tovtest::UseGlobalCleaner();
