#include "TOVUtilitiesForDebug.h"
#include "TOVExecGraphNodeWithId.h"
#include "TOVExecGraphStep.h"
#include "TOVExecGraphStepLink.h"
#include "TOVIterator.h"
#include "TOVMessageDisplay.h"
#include "TOVSortedVector.h"

#include <vector>

namespace {

/// "> rank: " followed by the quoted identifiers of the step's nodes.
TOVString StepLine(const TOVExecGraphStep& step, const TOVSortedVector& nodes) {
  TOVString line("> ");
  line += step.GetRank();
  line += ": ";
  TOVIterator* members = nodes.LookupAll(&step);
  while (MORBaseUnknown* member = members->Next()) {
    if (const auto* node = dynamic_cast<const TOVExecGraphNodeWithId*>(member)) {
      line += " \"";
      line += node->GetIdentifier();
      line += "\"";
    }
  }
  members->Release();
  return line;
}

} // namespace

void TOVUtilitiesForDebug::DisplayExecGraph(const TOVExecGraphStep* step,
                                            const TOVSortedVector& links,
                                            const TOVSortedVector& nodes,
                                            TOVMessageDisplay& display) {
  // Depth first with an explicit stack: a graph may be far deeper than the machine
  // stack allows.
  std::vector<std::pair<const TOVExecGraphStep*, TOVIterator*>> walk;
  walk.emplace_back(step, links.LookupAll(step));
  while (!walk.empty()) {
    MORBaseUnknown* next = walk.back().second->Next();
    if (next == nullptr) {
      walk.back().second->Release();
      walk.pop_back();
      continue;
    }
    const TOVExecGraphStep& child = TOVCheckedCast<TOVExecGraphStepLink>(next)->GetStep();
    if (child.GetParentStep() != walk.back().first)
      continue;
    display.Display(static_cast<const char*>(StepLine(child, nodes)), 1);
    walk.emplace_back(&child, links.LookupAll(&child));
  }
}
