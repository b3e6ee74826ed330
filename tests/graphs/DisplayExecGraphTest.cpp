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

/// The lines that DisplayExecGraph shows for the graph below step.
std::string Shown(const TestGraph& g, const TOVExecGraphStep* step = nullptr) {
  TOVSortedVector byStep(TOVExecGraphNodeCmpStep::GetGlobal(), TOVContainerNothingAtDelete);
  for (int i = 0; i < g._Nodes.Size(); ++i)
    byStep.Add(g._Nodes[i], 1);
  byStep.Sort();
  TOVMessageDisplayToString display;
  TOVUtilitiesForDebug::DisplayExecGraph(step, g._StepLinks, byStep, display);
  return std::string(display.GetMessageW());
}

} // namespace

TEST(DisplayExecGraph, ShowsEachStepOnceBelowTheParentThatRanksIt) {
  // 0 -> 1 -> 3 and 0 -> 3: 3 is shown only below 1, the parent that ranks it.
  TestGraph g;
  g.AddNodes(4);
  g.Link(0, 1);
  g.Link(1, 3);
  g.Link(0, 3);
  g.Link(2, 2);
  g.Build();
  std::string shown = Shown(g);
  // Two roots, in the order of the sorted root links.
  const std::string first = "> 1:  \"0\"\n> 2:  \"1\"\n> 3:  \"3\"\n";
  const std::string second = "> 1:  \"2\"\n";
  EXPECT_TRUE(shown == first + second || shown == second + first) << shown;
  EXPECT_EQ(Shown(g, g.Step(1)), "> 3:  \"3\"\n");
}

TEST(DisplayExecGraph, AMergedCycleShowsAllItsNodes) {
  TestGraph g;
  g.AddNodes(3);
  g.Link(0, 1);
  g.Link(1, 0);
  g.Link(1, 2);
  g.Build();
  std::string shown = Shown(g);
  EXPECT_TRUE(shown == "> 1:  \"0\" \"1\"\n> 2:  \"2\"\n" ||
              shown == "> 1:  \"1\" \"0\"\n> 2:  \"2\"\n")
      << shown;
}

TEST(DisplayExecGraph, ADeepGraphIsShownWithoutRecursion) {
  const int n = 100000;
  TestGraph g;
  g.AddNodes(n);
  for (int i = 0; i + 1 < n; ++i)
    g.Link(i, i + 1);
  g.Build();
  TOVSortedVector byStep(TOVExecGraphNodeCmpStep::GetGlobal(), TOVContainerNothingAtDelete);
  for (int i = 0; i < n; ++i)
    byStep.Add(g._Nodes[i], 1);
  byStep.Sort();
  LastLineDisplay display;
  TOVUtilitiesForDebug::DisplayExecGraph(nullptr, g._StepLinks, byStep, display);
  EXPECT_EQ(display._Lines, n);
  EXPECT_EQ(display._Last, "> " + std::to_string(n) + ":  \"" + std::to_string(n - 1) + "\"");
}
