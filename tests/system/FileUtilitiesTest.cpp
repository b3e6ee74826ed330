#include "TOVFileUtilities.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"
#include "TOVVector.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using tovtest::TakePendingError;

namespace {

// "dir|base|ext|flag" of a full path.
std::string Split(const char* path) {
  TOVString dir("junk"), base("junk"), ext("junk");
  unsigned int has = 7;
  TOVFileUtilities::ExtractPathAndExtFromFileFullPath(path, dir, base, ext, has);
  return std::string(dir) + "|" + std::string(base) + "|" + std::string(ext) + "|" +
         std::to_string(has);
}

// A vector of paths that releases them when it dies.
struct PathSet {
  TOVVector vector{TOVContainerReleaseAtDelete};
  PathSet(std::initializer_list<std::string> paths) {
    for (const std::string& path : paths)
      vector.Append(new TOVString(path.c_str()));
  }
};

// Files in a fresh temporary directory, removed with it.
class FileUtilitiesTest : public ::testing::Test {
protected:
  std::string Write(const std::string& name, const std::string& content) const {
    tovtest::WriteFile(_Dir + "/" + name, content);
    return _Dir + "/" + name;
  }
  const tovtest::TempDir _Temp;
  const std::string _Dir = _Temp.Path();
};

} // namespace

TEST(FilePathsDeathTest, CompareSplitAndReplace) {
  EXPECT_EQ(TOVFileUtilities::ComparePath("a/b", "a\\b"), 1u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("abc", "ab"), 0u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("Abc", "abc"), 0u);
  EXPECT_EQ(Split("archive.tar.gz"), "|archive.tar|gz|1");
  EXPECT_EQ(Split(".profile"), "||profile|1");
  EXPECT_EQ(Split("name."), "|name||1");
  EXPECT_EQ(Split("README"), "|README||0");
  EXPECT_EQ(Split("C:\\dir/sub\\file.txt"), "C:\\dir/sub\\|file|txt|1");
  EXPECT_EQ(Split("/lib.d/"), "/lib.d/|||0");
  TOVString path("a\\b/c/");
  TOVFileUtilities::ReplaceSeparators(path, '/', path); // output may be the input
  EXPECT_STREQ(path, "a/b/c/");
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("report 2007.txt"), 1u);
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("a\tb"), 0u);
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("c:name"), 0u);
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("r\xC3\xA9sum\xC3\xA9"), 1u);
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVFileUtilities::ReplaceSeparators("a", ':', path),
               "Separator values : and neither \\ nor /");
}

using FileUtilitiesDeathTest = FileUtilitiesTest;

TEST_F(FileUtilitiesTest, StreamOperationsSucceedAndReachTheEnd) {
  std::string path = _Dir + "/f.txt";
  FILE* stream = nullptr;
  unsigned int count = 0, eof = 7;
  ASSERT_EQ(TOVFileUtilities::FileOpen(path.c_str(), "w", stream), 0);
  EXPECT_EQ(TOVFileUtilities::FilePutString("one\n", stream, "f"), 0);
  EXPECT_EQ(TOVFileUtilities::FileWrite("3456", 2, 2, stream, count, "f"), 0);
  EXPECT_EQ(TOVFileUtilities::FileClose(stream, "f"), 0);
  ASSERT_EQ(TOVFileUtilities::FileOpen(path.c_str(), "r", stream), 0);
  char buffer[8];
  EXPECT_EQ(TOVFileUtilities::FileGetString(buffer, sizeof buffer, stream, eof, "f"), 0);
  EXPECT_EQ(std::string(buffer) + std::to_string(eof), "one\n0");
  long position = 0;
  EXPECT_EQ(TOVFileUtilities::FileSeek(stream, -3, SEEK_END, "f"), 0);
  EXPECT_EQ(TOVFileUtilities::FileTell(stream, position, "f"), 0);
  EXPECT_EQ(position, 5);
  EXPECT_EQ(TOVFileUtilities::FileRead(buffer, 1, 8, stream, count, "f"), 0);
  EXPECT_EQ(count, 3u); // a short count without a stream error is a success
  EXPECT_EQ(TOVFileUtilities::FileGetString(buffer, sizeof buffer, stream, eof, "f"), 0);
  EXPECT_EQ(std::string(buffer) + std::to_string(eof), "1");
  EXPECT_EQ(TOVFileUtilities::FileClose(stream, "f"), 0);
  EXPECT_EQ(TakePendingError(0), "no error");
}

TEST_F(FileUtilitiesDeathTest, StreamFailuresNameTheFileAndTheReason) {
  std::string missing = _Dir + "/no/f";
  FILE* stream = reinterpret_cast<FILE*>(1);
  long rc = TOVFileUtilities::FileOpen(missing.c_str(), "r", stream);
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0201 " + missing + "|No such file or directory");
  ASSERT_EQ(TOVFileUtilities::FileOpen(Write("w", "").c_str(), "w", stream), 0);
  char buffer[4] = "xyz";
  unsigned int count = 9, eof = 0;
  rc = TOVFileUtilities::FileGetString(buffer, sizeof buffer, stream, eof, "w");
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0205 w|Bad file descriptor");
  EXPECT_STREQ(buffer, "");
  rc = TOVFileUtilities::FileRead(buffer, 1, 3, stream, count, "w");
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0209 w|Bad file descriptor");
  rc = TOVFileUtilities::FileSeek(stream, -10, SEEK_SET, "w");
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0210 w|Invalid argument");
  fclose(stream);
  FILE* pipe = popen("true", "r");
  ASSERT_NE(pipe, nullptr);
  rc = TOVFileUtilities::FilePutString("x", pipe, "pipe");
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0203 pipe|Bad file descriptor");
  rc = TOVFileUtilities::FileWrite("ab", 1, 2, pipe, count, "pipe");
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0212 pipe|Bad file descriptor");
  long position = 0;
  rc = TOVFileUtilities::FileTell(pipe, position, "pipe");
  EXPECT_EQ(position, -1);
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0211 pipe|Illegal seek");
  pclose(pipe);
  // A null stream fails like a closed one instead of crashing.
  EXPECT_EQ(TakePendingError(TOVFileUtilities::FileClose(nullptr, "n")),
            "TOVBC 0202 n|Bad file descriptor");
  EXPECT_EQ(TakePendingError(TOVFileUtilities::FileRead(buffer, 1, 1, nullptr, count, "n")),
            "TOVBC 0209 n|Bad file descriptor");
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVFileUtilities::FileGetString(buffer, 0, nullptr, eof, "n"),
               "FileGetString(): buffer of size 0 for file n");
}

TEST_F(FileUtilitiesTest, DirectoriesAndTheirFailures) {
  std::string dir = _Dir + "/sub", file = _Dir + "/sub/f", moved = _Dir + "/sub/g";
  EXPECT_EQ(TOVFileUtilities::MkDir(dir.c_str(), 0755), 0);
  EXPECT_EQ(TakePendingError(TOVFileUtilities::MkDir(dir.c_str(), 0755)),
            "TOVBC 0206 " + dir + "|File exists");
  Write("sub/f", "x");
  EXPECT_EQ(TOVFileUtilities::Rename(file.c_str(), moved.c_str()), 0);
  EXPECT_EQ(TakePendingError(TOVFileUtilities::Rename(file.c_str(), moved.c_str())),
            "TOVBC 0215 " + file + "|" + moved + "|No such file or directory");
  EXPECT_EQ(TakePendingError(TOVFileUtilities::DirRemove(dir.c_str(), 1)),
            "TOVBC 0208 " + dir + "|Directory not empty");
  EXPECT_EQ(TakePendingError(TOVFileUtilities::FileRemove(dir.c_str(), 1)),
            "TOVBC 0207 " + dir + "|Is a directory");
  EXPECT_EQ(TOVFileUtilities::FileRemove(moved.c_str(), 0), 0);
  EXPECT_EQ(TOVFileUtilities::FileRemove(moved.c_str(), 1), 0); // already gone: fine
  EXPECT_EQ(TakePendingError(E_FAIL), "no error");
  EXPECT_EQ(TakePendingError(TOVFileUtilities::FileRemove(moved.c_str(), 0)),
            "TOVBC 0207 " + moved + "|No such file or directory");
  EXPECT_EQ(TOVFileUtilities::DirRemove(dir.c_str(), 0), 0);
  EXPECT_EQ(TOVFileUtilities::DirRemove(dir.c_str(), 1), 0);
  EXPECT_EQ(TakePendingError(TOVFileUtilities::ChDir(dir.c_str())),
            "TOVBC 0214 " + dir + "|No such file or directory");
}

TEST_F(FileUtilitiesTest, ElementTypeReportsExistenceAndTheDirectoryBit) {
  unsigned int exists = 9, second = 9, isDir = 9;
  EXPECT_EQ(TOVFileUtilities::ElementType((_Dir + "/no").c_str(), exists, second, isDir), 0);
  EXPECT_EQ(exists + second + isDir, 0u);
  EXPECT_EQ(TOVFileUtilities::ElementType(_Dir.c_str(), exists, second, isDir), 0);
  EXPECT_EQ(exists * 100 + second * 10 + isDir, 116u);
  std::string file = Write("f", "x"), below = file + "/below";
  EXPECT_EQ(TOVFileUtilities::ElementType(file.c_str(), exists, second, isDir), 0);
  EXPECT_EQ(exists * 100 + isDir, 100u);
  EXPECT_EQ(TakePendingError(TOVFileUtilities::ElementType(below.c_str(), exists, second, isDir)),
            "TOVBC 0213 " + below + "|Not a directory");
}

TEST_F(FileUtilitiesDeathTest, CompareFileContents) {
  std::string big = std::string(64000, 'a') + "tail", changed = big;
  changed[39999] = 'b'; // byte 40000, in the second block
  std::string a = Write("a", big), b = Write("b", big), c = Write("c", changed);
  std::string d = Write("d", big + "+"), e = Write("e", std::string(32000, 'a'));
  unsigned int equal = 9;
  struct {
    PathSet files;
    unsigned int equal;
  } cases[] = {{{a, b}, 1u}, {{a, b, c}, 0u}, {{a, d}, 0u}, {{e, e}, 1u}};
  for (const auto& c : cases) {
    EXPECT_EQ(TOVFileUtilities::CompareFileContents(c.files.vector, equal), 0);
    EXPECT_EQ(equal, c.equal) << &c - cases;
  }
  // Two directories have the same size but cannot be read; a missing file cannot open.
  std::string d1 = _Dir + "/d1", d2 = _Dir + "/d2", missing = _Dir + "/missing";
  ASSERT_EQ(mkdir(d1.c_str(), 0755) + mkdir(d2.c_str(), 0755), 0);
  long rc = TOVFileUtilities::CompareFileContents(PathSet{d1, d2}.vector, equal);
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0209 " + d1 + "|Is a directory");
  rc = TOVFileUtilities::CompareFileContents(PathSet{a, missing, "/x"}.vector, equal);
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0201 " + missing + "|No such file or directory");
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVFileUtilities::CompareFileContents(PathSet{a}.vector, equal),
               "NbFiles = 1 but it must be greater than 1");
  PathSet withNull{a};
  withNull.vector.Append(nullptr);
  EXPECT_FATAL(TOVFileUtilities::CompareFileContents(withNull.vector, equal),
               "FilePathSet[1] == NULL");
}
