#include "ExecGraphTestSupport.h"

#include <algorithm>
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
