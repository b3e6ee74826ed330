// The library keeps to the layers of docs/ARCHITECTURE.md: no source or header includes a
// header of a higher layer. The tables are read from the document itself, so that the
// document and the check cannot drift apart.
#include "TOVTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct LayerRules {
  std::map<std::string, int> subsystems; // subsystem folder -> layer
  std::map<std::string, int> placed;     // class or header name -> layer
};

// The two tables of the "Layers" section: rows "| layer | `subsystem`, ... |" and rows
// "| `Class`, ... | layer | ... |"; each back-quoted name of the cell gets the layer.
LayerRules ReadRules(const std::string& markdown) {
  static const std::regex subsystemRow(R"(^\|\s*(\d+)\s*\|([^|]*)\|)");
  static const std::regex placedRow(R"(^\|([^|]*`[^|]*)\|\s*(\d+)\s*\|)");
  static const std::regex name("`([A-Za-z0-9_]+)`");
  LayerRules rules;
  auto place = [](const std::string& cell, int layer, std::map<std::string, int>& table) {
    for (std::sregex_iterator it(cell.begin(), cell.end(), name), end; it != end; ++it)
      table[(*it)[1]] = layer;
  };
  std::istringstream lines(markdown);
  bool inLayers = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("## ", 0) == 0)
      inLayers = line == "## Layers";
    std::smatch m;
    if (inLayers && std::regex_search(line, m, subsystemRow))
      place(m[2], std::stoi(m[1]), rules.subsystems);
    else if (inLayers && std::regex_search(line, m, placedRow))
      place(m[1], std::stoi(m[2]), rules.placed);
  }
  return rules;
}

std::string Stem(const fs::path& path) {
  return path.stem().string();
}

// Finds the includes of the library's files that climb above their layer.
class LayerChecker {
public:
  LayerChecker(const fs::path& root, LayerRules rules) : _Root(root), _Rules(std::move(rules)) {
    // Each class's subsystem, from the folder of its source file.
    for (const auto& dir : fs::directory_iterator(_Root / "TOVBasic.m/src")) {
      if (!dir.is_directory())
        continue;
      const std::string subsystem = dir.path().filename().string();
      if (_Rules.subsystems.count(subsystem) == 0)
        _Violations.push_back("TOVBasic.m/src/" + subsystem + ": the subsystem has no layer");
      for (const auto& file : fs::directory_iterator(dir))
        _ClassSubsystem[Stem(file.path())] = subsystem;
    }
    for (const char* dir : {"WV0CORE/src", "WV0CORE/include"})
      for (const auto& file : fs::directory_iterator(_Root / dir))
        _ClassSubsystem[Stem(file.path())] = "runtime";
    // The files to check, and where each header lies by file name.
    for (const auto& file : fs::recursive_directory_iterator(_Root / "TOVBasic.m/src"))
      if (file.is_regular_file())
        _Files.push_back(file.path());
    for (const char* dir : {"include", "ProtectedInterfaces", "WV0CORE/include", "WV0CORE/src"})
      for (const auto& file : fs::directory_iterator(_Root / dir))
        if (file.path().filename() != "TOVBasic.h")
          _Files.push_back(file.path());
    for (const fs::path& file : _Files)
      if (file.extension() == ".h")
        _HeaderPath[file.filename().string()] = file;
  }

  std::vector<std::string> Violations() {
    for (const fs::path& file : _Files) {
      const std::string relative = fs::relative(file, _Root).string();
      const int layer = LayerOf(relative);
      if (layer < 0)
        _Violations.push_back(relative + ": no layer places it");
      for (const std::string& header : layer < 0 ? std::vector<std::string>() : Includes(file)) {
        const int used = LayerOf(header);
        if (used < 0)
          _Violations.push_back(relative + ": includes " + header + ", which no layer places");
        else if (used > layer)
          _Violations.push_back(relative + " (layer " + std::to_string(layer) + "): includes " +
                                header + " (layer " + std::to_string(used) + ")");
      }
    }
    return _Violations;
  }

private:
  // The library's headers that a file includes, by file name; system headers are left out.
  static std::vector<std::string> Includes(const fs::path& file) {
    static const std::regex include(R"(^\s*#\s*include\s*([<"])([^">]+)[">])");
    std::vector<std::string> headers;
    std::istringstream lines(tovtest::ReadFile(file.string()));
    for (std::string line; std::getline(lines, line);) {
      std::smatch m;
      if (!std::regex_search(line, m, include))
        continue;
      const std::string header = fs::path(m[2].str()).filename().string();
      if (m[1] == "\"" || header.rfind("TOV", 0) == 0 || header.rfind("MOR", 0) == 0)
        headers.push_back(header);
    }
    return headers;
  }

  // The layer of a file or header name, -1 when nothing places it: its own entry, that of
  // the class it handles, else the longest class name it begins with.
  int LayerOf(const std::string& name) {
    const std::string stem = Stem(name), handler = "RfHndlr";
    auto placed = _Rules.placed.find(stem);
    if (placed != _Rules.placed.end())
      return placed->second;
    if (stem.size() > handler.size() &&
        stem.compare(stem.size() - handler.size(), handler.size(), handler) == 0)
      return LayerOf(stem.substr(0, stem.size() - handler.size()));
    for (std::string prefix = stem; !prefix.empty(); prefix.pop_back()) {
      auto owner = _ClassSubsystem.find(prefix);
      if (owner == _ClassSubsystem.end())
        continue;
      auto layer = _Rules.subsystems.find(owner->second);
      return layer == _Rules.subsystems.end() ? -1 : layer->second;
    }
    // A header of no class (a shared helper) stands as high as the highest header it
    // includes; one that comes back to itself adds nothing.
    const std::string header = fs::path(name).filename().string();
    auto known = _HelperLayer.find(header);
    if (known != _HelperLayer.end())
      return known->second;
    auto path = _HeaderPath.find(header);
    if (path == _HeaderPath.end())
      return -1;
    _HelperLayer[header] = 0;
    int layer = 0;
    for (const std::string& used : Includes(path->second))
      layer = std::max(layer, LayerOf(used));
    return _HelperLayer[header] = layer;
  }

  fs::path _Root;
  LayerRules _Rules;
  std::vector<fs::path> _Files;
  std::map<std::string, std::string> _ClassSubsystem;
  std::map<std::string, fs::path> _HeaderPath;
  std::map<std::string, int> _HelperLayer;
  std::vector<std::string> _Violations;
};

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  return text;
}

TEST(LayerTest, TheLibraryKeepsToTheDocumentedLayers) {
  LayerRules rules = ReadRules(tovtest::ReadFile(TOV_SOURCE_DIR "/docs/ARCHITECTURE.md"));
  // The tables were read: the runtime at the bottom, the network above the plain layer.
  ASSERT_EQ(0, rules.subsystems["runtime"]);
  ASSERT_EQ(1, rules.subsystems["object"]);
  ASSERT_LT(rules.subsystems["plain"], rules.subsystems["net"]);
  ASSERT_EQ(1, rules.placed["TOVFatalInternalError"]);
  std::vector<std::string> violations = LayerChecker(TOV_SOURCE_DIR, rules).Violations();
  EXPECT_TRUE(violations.empty()) << Joined(violations);
}

// A small tree of its own: what climbs and what nothing places is reported, what stays
// on its layer or below is not.
TEST(LayerTest, ReportsIncludesThatClimbAndFilesWithoutLayer) {
  const tovtest::TempDir root;
  for (const char* dir : {"TOVBasic.m/src/collections", "TOVBasic.m/src/graphs",
                          "TOVBasic.m/src/text", "TOVBasic.m/src/values", "TOVBasic.m/src/widgets",
                          "include", "ProtectedInterfaces", "WV0CORE/src", "WV0CORE/include"})
    fs::create_directories(root / dir);
  const std::map<std::string, std::string> files = {
      {"WV0CORE/include/MORBaseUnknown.h", ""},
      {"include/TOVList.h", "#include \"MORBaseUnknown.h\"\n"},
      // Up from collections to graphs, three ways; the fatal report, placed on layer 1,
      // and a helper that needs only the runtime may be used.
      {"TOVBasic.m/src/collections/TOVList.cpp",
       "#include \"TOVList.h\"\n  #  include \"TOVGraphRfHndlr.h\"\n"
       "#include \"TOVFatalInternalError.h\"\n#include <TOVGraph.h>\n"
       "#include <cstdio>\n#include \"TOVLow.h\"\n"},
      {"include/TOVListStateEnum.h", "#include \"TOVGraph.h\"\n"},
      {"ProtectedInterfaces/TOVLow.h", "#include \"MORBaseUnknown.h\"\n"},
      // Text and values share a layer and use each other; a helper is as high as what it
      // needs, here graphs, even through a loop of helpers.
      {"TOVBasic.m/src/text/TOVWord.cpp", "#include \"TOVNumber.h\"\n#include \"TOVWalk.h\"\n"},
      {"TOVBasic.m/src/values/TOVNumber.cpp", "#include \"TOVWord.h\"\n"},
      {"ProtectedInterfaces/TOVWalk.h", "#include \"TOVStep.h\"\n"},
      {"ProtectedInterfaces/TOVStep.h", "#include \"TOVWalk.h\"\n#include \"TOVGraph.h\"\n"},
      {"TOVBasic.m/src/graphs/TOVGraph.cpp", "#include \"TOVList.h\"\n#include \"TOVWalk.h\"\n"},
      // A folder that the tables do not name, and a header that does not exist.
      {"TOVBasic.m/src/widgets/TOVWidget.cpp", ""},
      {"include/TOVStray.h", "#include \"TOVMystery.h\"\n"}};
  for (const auto& [path, text] : files)
    tovtest::WriteFile(root / path, text);
  LayerRules rules = ReadRules("## Layers\n"
                               "| Layer | Subsystems |\n|---|---|\n"
                               "| 0 | `runtime` |\n| 2 | `collections` |\n"
                               "| 3 | `text`, `values` |\n| 4 | `graphs` |\n"
                               "| `TOVFatalInternalError` | 1 | why |\n"
                               "## Elsewhere\n| 9 | `widgets` |\n");
  std::vector<std::string> violations = LayerChecker(root.Path(), rules).Violations();
  std::multiset<std::string> expected = {
      "TOVBasic.m/src/widgets: the subsystem has no layer",
      "TOVBasic.m/src/widgets/TOVWidget.cpp: no layer places it",
      "TOVBasic.m/src/collections/TOVList.cpp (layer 2): includes TOVGraphRfHndlr.h (layer 4)",
      "TOVBasic.m/src/collections/TOVList.cpp (layer 2): includes TOVGraph.h (layer 4)",
      "include/TOVListStateEnum.h (layer 2): includes TOVGraph.h (layer 4)",
      "TOVBasic.m/src/text/TOVWord.cpp (layer 3): includes TOVWalk.h (layer 4)",
      "include/TOVStray.h: includes TOVMystery.h, which no layer places"};
  EXPECT_EQ(expected, std::multiset<std::string>(violations.begin(), violations.end()))
      << Joined(violations);
}

} // namespace
