// The listing of tovgraph, made from its arrays, against the same listing made from the
// library's execution-graph objects by its builder, on random graphs with cycles, lone
// nodes, repeated links and identifiers that need escapes.
#include "TOVGlobalObjectCleaner.h"
#include "TOVMessageDisplayToString.h"
#include "TOVTestSupport.h"
#include "TovGraph.h"

#include <random>
#include <string>

namespace {

std::u16string Listing(const TovGraph& graph, bool ofObjects) {
  TOVMessageDisplayToString* display = new TOVMessageDisplayToString;
  if (ofObjects)
    graph.DisplayStepsOfObjects(*display);
  else
    graph.DisplaySteps(*display);
  std::u16string text = static_cast<const char16_t*>(display->GetMessageW());
  display->Release();
  return text;
}

} // namespace

TEST(TovgraphSteps, ListingFromArraysIsTheBuildersOnRandomGraphs) {
  TOVGlobalObjectCleaner cleaner; // owns the builder's shared comparators
  const std::string dir = tovtest::MakeTempDir();
  std::mt19937 random(20261206);
  for (int round = 0; round < 12; ++round) {
    const int n = 50 + static_cast<int>(random() % 500);
    // Sparse to dense: from mostly acyclic with small cycles to one large component.
    const int m = n * (1 + round % 4) / 2 + static_cast<int>(random() % n);
    std::string text;
    auto name = [&](int v) {
      return v % 97 == 5 ? "q\"" + std::to_string(v) + "\\" : "n" + std::to_string(v);
    };
    for (int e = 0; e < m; ++e) {
      const int p = static_cast<int>(random() % n);
      // Mostly forward links, some backward ones (and self links) to close cycles.
      const int c = random() % 8 == 0 ? static_cast<int>(random() % n)
                                      : std::min(n - 1, p + 1 + static_cast<int>(random() % 20));
      text += name(p) + (e % 3 == 0 ? "\t" : " ") + name(c) + "\n";
      if (e % 50 == 0)
        text += name(static_cast<int>(random() % (n + 20))) + " # a lone node\n";
    }
    const std::string file = dir + "/random" + std::to_string(round) + ".graph";
    tovtest::WriteFile(file, text);
    TovGraph graph(0);
    ASSERT_EQ(0, graph.Read(TOVString(file.c_str())));
    graph.Build();
    const std::u16string listing = Listing(graph, false);
    ASSERT_FALSE(listing.empty());
    ASSERT_EQ(Listing(graph, true), listing) << "round " << round;
  }
}
