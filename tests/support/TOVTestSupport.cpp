#include "TOVTestSupport.h"
#include "TOVGlobalObjectCleaner.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <sys/stat.h>
#include <vector>

namespace tovtest {

namespace {

class CleanerEnvironment : public ::testing::Environment {
public:
  void SetUp() override { _pCleaner = new TOVGlobalObjectCleaner; }
  void TearDown() override { delete _pCleaner; }

private:
  TOVGlobalObjectCleaner* _pCleaner = nullptr;
};

} // namespace

bool UseGlobalCleaner() {
  static const bool registered =
      ::testing::AddGlobalTestEnvironment(new CleanerEnvironment) != nullptr;
  return registered;
}

std::string EscapeRegex(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (std::string("\\^$.|?*+()[]{}").find(c) != std::string::npos)
      out += '\\';
    out += c;
  }
  return out;
}

std::string FatalText(const std::string& message) {
  return "#ERR# Fatal internal error: '" + EscapeRegex(message) +
         "' on file: [^\n]+ at line: [0-9]+\nContact your administrator\n";
}

namespace {

/// A fresh directory, or "" when none can be made.
std::string MakeDir() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern = std::string(base != nullptr && *base ? base : "/tmp") + "/tovtest.XXXXXX";
  char* made = mkdtemp(&pattern[0]);
  return made != nullptr ? std::string(made) : std::string();
}

/// Removes the directories made by MakeTempDir: those of a test when it ends, the others
/// when the program ends.
class TempDirCleaner : public testing::EmptyTestEventListener {
public:
  /// The one cleaner, added to the listeners of the tests on first use.
  static TempDirCleaner& Get() {
    static TempDirCleaner* cleaner = [] {
      auto* made = new TempDirCleaner;
      testing::UnitTest::GetInstance()->listeners().Append(made); // they own it
      return made;
    }();
    return *cleaner;
  }
  void Add(const std::string& dir) {
    const bool inTest = testing::UnitTest::GetInstance()->current_test_info() != nullptr;
    (inTest ? _OfTest : _OfProgram).push_back(dir);
  }
  void OnTestEnd(const testing::TestInfo&) override { RemoveAll(_OfTest); }
  void OnTestProgramEnd(const testing::UnitTest&) override {
    RemoveAll(_OfTest);
    RemoveAll(_OfProgram);
  }

private:
  static void RemoveAll(std::vector<std::string>& dirs) {
    for (const std::string& dir : dirs)
      if (!RemoveTree(dir))
        ADD_FAILURE() << "the temporary directory " << dir << " cannot be removed";
    dirs.clear();
  }
  std::vector<std::string> _OfTest, _OfProgram;
};

int MakeWritable(const char* path, const struct stat* info, int type, struct FTW*) {
  if (type == FTW_D || type == FTW_DNR)
    chmod(path, (info->st_mode & 07777) | S_IRWXU);
  return 0;
}

int RemoveOne(const char* path, const struct stat*, int, struct FTW*) {
  return std::remove(path) == 0 || errno == ENOENT ? 0 : -1;
}

} // namespace

std::string MakeTempDir() {
  std::string dir = MakeDir();
  if (!dir.empty())
    TempDirCleaner::Get().Add(dir);
  return dir;
}

TempDir::TempDir() : _Path(MakeDir()) {}

TempDir::~TempDir() {
  if (!_Path.empty() && !RemoveTree(_Path))
    ADD_FAILURE() << "the temporary directory " << _Path << " cannot be removed";
}

bool RemoveTree(const std::string& path) {
  // Directories first made readable and writable (pre-order), then everything removed
  // (post-order), without following links.
  nftw(path.c_str(), MakeWritable, 16, FTW_PHYS);
  nftw(path.c_str(), RemoveOne, 16, FTW_PHYS | FTW_DEPTH);
  struct stat info;
  return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

} // namespace tovtest
