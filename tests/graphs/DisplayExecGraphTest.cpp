#include "ExecGraphTestSupport.h"
#include "TOVExecGraphNodeCmpStep.h"
#include "TOVMessageDisplayToString.h"
#include "TOVTestSupport.h"
#include "TOVUtilitiesForDebug.h"

/// Keeps only the last line shown and counts the lines.
class LastLineDisplay : public TOVMessageDisplay {
  TOV_DECLARE_CLASS(LastLineDisplay)
public:
  void Display(const MORUnicodeString& msg, unsigned int) override {
    _Last = static_cast<const char*>(msg);
    ++_Lines;
  }
  std::string _Last;
  int _Lines = 0;
};
TOV_IMPLEMENT_CLASS(LastLineDisplay, TOVMessageDisplay)

namespace {

/// Shows on display the graph below step.
void Show(const TestGraph& g, TOVMessageDisplay& display, const TOVExecGraphStep* step = nullptr) {
  TOVSortedVector byStep(TOVExecGraphNodeCmpStep::GetGlobal(), TOVContainerNothingAtDelete);
  for (int i = 0; i < g._Nodes.Size(); ++i)
    byStep.Add(g._Nodes[i], 1);
  byStep.Sort();
  TOVUtilitiesForDebug::DisplayExecGraph(step, g._StepLinks, byStep, display);
}

/// The lines that DisplayExecGraph shows for the graph below step.
std::string Shown(const TestGraph& g, const TOVExecGraphStep* step) {
  TOVMessageDisplayToString display;
  Show(g, display, step);
  return std::string(display.GetMessageW());
}

} // namespace

TEST(DisplayExecGraph, ShowsOnlyWhatIsBelowTheGivenStep) {
  // The whole listing (each step once, below the parent that ranks it) is checked through
  // tovgraph -tree on its example.
  TestGraph g(4, {{0, 1}, {1, 3}, {0, 3}, {2, 2}});
  g.Build();
  EXPECT_EQ(Shown(g, g.Step(1)), "> 3:  \"3\"\n");
}

TEST(DisplayExecGraph, ADeepGraphIsShownWithoutRecursion) {
  const int n = 100000;
  TestGraph g(n);
  for (int i = 0; i + 1 < n; ++i)
    g.Link(i, i + 1);
  g.Build();
  LastLineDisplay display;
  Show(g, display);
  EXPECT_EQ(display._Lines, n);
  EXPECT_EQ(display._Last, "> " + std::to_string(n) + ":  \"" + std::to_string(n - 1) + "\"");
}
