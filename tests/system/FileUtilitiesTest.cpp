#include "TOVFileUtilities.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"
#include "TOVVector.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Split {
  std::string dir, base, ext;
  unsigned int hasExt;
};

Split SplitName(const char* name) {
  TOVString base("junk"), ext("junk");
  unsigned int has = 7;
  TOVFileUtilities::ExtractExtensionFromFileName(name, base, ext, has);
  return {"", std::string(base), std::string(ext), has};
}

Split SplitPath(const char* path) {
  TOVString dir("junk"), base("junk"), ext("junk");
  unsigned int has = 7;
  TOVFileUtilities::ExtractPathAndExtFromFileFullPath(path, dir, base, ext, has);
  return {std::string(dir), std::string(base), std::string(ext), has};
}

std::string Replaced(const char* path, char separator) {
  TOVString out("junk");
  TOVFileUtilities::ReplaceSeparators(path, separator, out);
  return std::string(out);
}

// A vector of path strings that releases them when it dies.
class PathSet {
public:
  PathSet() : _Vector(TOVContainerReleaseAtDelete) {}
  PathSet& Add(const std::string& path) {
    _Vector.Append(new TOVString(path.c_str()));
    return *this;
  }
  const TOVVector& Get() const { return _Vector; }

private:
  TOVVector _Vector;
};

// Files in a fresh temporary directory, removed with it at the end of the test.
class FileUtilitiesTest : public ::testing::Test {
protected:
  void SetUp() override { _Dir = tovtest::MakeTempDir(); }
  void TearDown() override {
    std::string command = "rm -rf '" + _Dir + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  std::string Path(const std::string& name) const { return _Dir + "/" + name; }
  std::string Write(const std::string& name, const std::string& content) const {
    tovtest::WriteFile(Path(name), content);
    return Path(name);
  }
  std::string _Dir;
};

} // namespace

TEST(FilePaths, ComparePathMatchesSeparatorsWithAnyCharacter) {
  EXPECT_EQ(TOVFileUtilities::ComparePath("a/b", "a\\b"), 1u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("a/b", "axb"), 1u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("axb", "a\\b"), 1u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("abc", "ab"), 0u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("ab", "abc"), 0u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("Abc", "abc"), 0u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("", ""), 1u);
  EXPECT_EQ(TOVFileUtilities::ComparePath("dir/file", "dir/file"), 1u);
}

TEST(FilePaths, ExtensionIsWhatFollowsTheLastDot) {
  Split s = SplitName("archive.tar.gz");
  EXPECT_EQ(s.base, "archive.tar");
  EXPECT_EQ(s.ext, "gz");
  EXPECT_EQ(s.hasExt, 1u);
  s = SplitName(".profile");
  EXPECT_EQ(s.base, "");
  EXPECT_EQ(s.ext, "profile");
  EXPECT_EQ(s.hasExt, 1u);
  s = SplitName("name.");
  EXPECT_EQ(s.base, "name");
  EXPECT_EQ(s.ext, "");
  EXPECT_EQ(s.hasExt, 1u);
  s = SplitName("README");
  EXPECT_EQ(s.base, "README");
  EXPECT_EQ(s.ext, "");
  EXPECT_EQ(s.hasExt, 0u);
  s = SplitName("");
  EXPECT_EQ(s.base, "");
  EXPECT_EQ(s.hasExt, 0u);
  // The input may also be one of the outputs.
  TOVString name("a.b"), ext;
  unsigned int has = 0;
  TOVFileUtilities::ExtractExtensionFromFileName(name, name, ext, has);
  EXPECT_STREQ(name, "a");
  EXPECT_STREQ(ext, "b");
}

TEST(FilePaths, DirectoryEndsAtTheLastSeparatorOfEitherKind) {
  Split s = SplitPath("C:\\dir/sub\\file.txt");
  EXPECT_EQ(s.dir, "C:\\dir/sub\\");
  EXPECT_EQ(s.base, "file");
  EXPECT_EQ(s.ext, "txt");
  EXPECT_EQ(s.hasExt, 1u);
  s = SplitPath("/usr/lib.d/README");
  EXPECT_EQ(s.dir, "/usr/lib.d/");
  EXPECT_EQ(s.base, "README");
  EXPECT_EQ(s.hasExt, 0u);
  s = SplitPath("plain.c");
  EXPECT_EQ(s.dir, "");
  EXPECT_EQ(s.base, "plain");
  s = SplitPath("dir/");
  EXPECT_EQ(s.dir, "dir/");
  EXPECT_EQ(s.base, "");
  EXPECT_EQ(s.hasExt, 0u);
}

TEST(FilePaths, ReplaceSeparatorsReplacesEveryOne) {
  EXPECT_EQ(Replaced("a\\b/c", '/'), "a/b/c");
  EXPECT_EQ(Replaced("a\\b/c/", '\\'), "a\\b\\c\\");
  EXPECT_EQ(Replaced("", '/'), "");
  TOVString inPlace("x/y");
  TOVFileUtilities::ReplaceSeparators(inPlace, '\\', inPlace);
  EXPECT_STREQ(inPlace, "x\\y");
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(Replaced("a/b", ':'), "Separator values : and neither \\ nor /");
}

TEST(FilePaths, PortableFileNames) {
  EXPECT_STREQ(TOVFileUtilities::GetWindowsFileNameForbiddenCharacters(), "\"?\\/<>*|:");
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("report 2007.txt"), 1u);
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName(""), 1u);
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("a\tb"), 0u);
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("c:name"), 0u);
  for (char c : std::string("\"?\\/<>*|:\x1f\x01"))
    EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName((std::string("a") + c).c_str()), 0u) << c;
  // Bytes above 127 (UTF-8 letters) are allowed.
  EXPECT_EQ(TOVFileUtilities::CheckWindowsFileName("r\xC3\xA9sum\xC3\xA9"), 1u);
}

TEST_F(FileUtilitiesTest, OpenWriteReadLinesAndClose) {
  std::string path = Path("lines.txt");
  FILE* stream = nullptr;
  ASSERT_EQ(TOVFileUtilities::FileOpen(path.c_str(), "w", stream), 0);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(TOVFileUtilities::FilePutString("one\ntwo\n", stream, path.c_str()), 0);
  unsigned int written = 0;
  EXPECT_EQ(TOVFileUtilities::FileWrite("3456", 2, 2, stream, written, path.c_str()), 0);
  EXPECT_EQ(written, 2u);
  EXPECT_EQ(TOVFileUtilities::FileClose(stream, path.c_str()), 0);
  EXPECT_EQ(tovtest::ReadFile(path), "one\ntwo\n3456");

  ASSERT_EQ(TOVFileUtilities::FileOpen(path.c_str(), "r", stream), 0);
  char buffer[8];
  unsigned int eof = 7;
  EXPECT_EQ(TOVFileUtilities::FileGetString(buffer, sizeof buffer, stream, eof, path.c_str()), 0);
  EXPECT_STREQ(buffer, "one\n");
  EXPECT_EQ(eof, 0u);
  long position = 0;
  EXPECT_EQ(TOVFileUtilities::FileTell(stream, position, path.c_str()), 0);
  EXPECT_EQ(position, 4);
  EXPECT_EQ(TOVFileUtilities::FileSeek(stream, -4, SEEK_END, path.c_str()), 0);
  unsigned int read = 0;
  EXPECT_EQ(TOVFileUtilities::FileRead(buffer, 1, 8, stream, read, path.c_str()), 0);
  EXPECT_EQ(read, 4u); // A short count without a stream error is a success.
  EXPECT_EQ(std::string(buffer, 4), "3456");
  EXPECT_EQ(TOVFileUtilities::FileGetString(buffer, sizeof buffer, stream, eof, path.c_str()), 0);
  EXPECT_EQ(eof, 1u);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(TOVFileUtilities::FileClose(stream, path.c_str()), 0);
  EXPECT_EQ(tovtest::TakePendingError(0), "no error");
}

TEST_F(FileUtilitiesTest, StreamFailuresNameTheFileAndTheReason) {
  std::string missing = Path("missing/file.txt");
  FILE* stream = reinterpret_cast<FILE*>(1);
  long rc = TOVFileUtilities::FileOpen(missing.c_str(), "r", stream);
  EXPECT_EQ(rc, E_FAIL);
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0201 " + missing + "|No such file or directory");

  // Reading a stream opened for writing only sets its error indicator.
  std::string path = Write("w.txt", "");
  ASSERT_EQ(TOVFileUtilities::FileOpen(path.c_str(), "w", stream), 0);
  char buffer[4] = "xyz";
  unsigned int eof = 0;
  rc = TOVFileUtilities::FileGetString(buffer, sizeof buffer, stream, eof, path.c_str());
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0205 " + path + "|Bad file descriptor");
  EXPECT_EQ(eof, 1u);
  EXPECT_STREQ(buffer, "");
  clearerr(stream);
  unsigned int count = 9;
  rc = TOVFileUtilities::FileRead(buffer, 1, 3, stream, count, path.c_str());
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0209 " + path + "|Bad file descriptor");
  EXPECT_EQ(count, 0u);
  rc = TOVFileUtilities::FileSeek(stream, -10, SEEK_SET, path.c_str());
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0210 " + path + "|Invalid argument");
  fclose(stream);

  // Writing a stream opened for reading only.
  ASSERT_EQ(TOVFileUtilities::FileOpen(path.c_str(), "r", stream), 0);
  rc = TOVFileUtilities::FilePutString("text", stream, path.c_str());
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0203 " + path + "|Bad file descriptor");
  clearerr(stream);
  rc = TOVFileUtilities::FileWrite("ab", 1, 2, stream, count, path.c_str());
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0212 " + path + "|Bad file descriptor");
  EXPECT_EQ(count, 0u);
  fclose(stream);

  // A pipe has no position.
  FILE* pipe = popen("true", "r");
  ASSERT_NE(pipe, nullptr);
  long position = 0;
  rc = TOVFileUtilities::FileTell(pipe, position, "pipe");
  EXPECT_EQ(position, -1);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0211 pipe|Illegal seek");
  pclose(pipe);
}

TEST_F(FileUtilitiesTest, NullStreamsFailInsteadOfCrashing) {
  const char* reason = "|Bad file descriptor";
  unsigned int count = 5, eof = 5;
  long position = 5;
  char buffer[4] = "abc";
  EXPECT_EQ(tovtest::TakePendingError(TOVFileUtilities::FileClose(nullptr, "f")),
            std::string("TOVBC 0202 f") + reason);
  EXPECT_EQ(tovtest::TakePendingError(TOVFileUtilities::FilePutString("x", nullptr, "f")),
            std::string("TOVBC 0203 f") + reason);
  EXPECT_EQ(
      tovtest::TakePendingError(TOVFileUtilities::FileGetString(buffer, 4, nullptr, eof, "f")),
      std::string("TOVBC 0205 f") + reason);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(
      tovtest::TakePendingError(TOVFileUtilities::FileRead(buffer, 1, 1, nullptr, count, "f")),
      std::string("TOVBC 0209 f") + reason);
  EXPECT_EQ(
      tovtest::TakePendingError(TOVFileUtilities::FileWrite(buffer, 1, 1, nullptr, count, "f")),
      std::string("TOVBC 0212 f") + reason);
  EXPECT_EQ(tovtest::TakePendingError(TOVFileUtilities::FileSeek(nullptr, 0, SEEK_SET, "f")),
            std::string("TOVBC 0210 f") + reason);
  EXPECT_EQ(tovtest::TakePendingError(TOVFileUtilities::FileTell(nullptr, position, "f")),
            std::string("TOVBC 0211 f") + reason);
  EXPECT_EQ(position, -1);
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVFileUtilities::FileGetString(buffer, 0, nullptr, eof, "f"),
               "FileGetString(): buffer of size 0 for file f");
}

TEST_F(FileUtilitiesTest, DirectoriesCreateChangeRenameAndRemove) {
  std::string dir = Path("sub");
  EXPECT_EQ(TOVFileUtilities::MkDir(dir.c_str(), 0755), 0);
  long rc = TOVFileUtilities::MkDir(dir.c_str(), 0755);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0206 " + dir + "|File exists");

  std::string old = Write("sub/old.txt", "x");
  std::string renamed = Path("sub/new.txt");
  EXPECT_EQ(TOVFileUtilities::Rename(old.c_str(), renamed.c_str()), 0);
  rc = TOVFileUtilities::Rename(old.c_str(), renamed.c_str());
  EXPECT_EQ(tovtest::TakePendingError(rc),
            "TOVBC 0215 " + old + "|" + renamed + "|No such file or directory");

  rc = TOVFileUtilities::DirRemove(dir.c_str(), 0);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0208 " + dir + "|Directory not empty");
  // A directory is not a file to remove.
  rc = TOVFileUtilities::FileRemove(dir.c_str(), 1);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0207 " + dir + "|Is a directory");
  EXPECT_EQ(TOVFileUtilities::FileRemove(renamed.c_str(), 0), 0);
  EXPECT_EQ(TOVFileUtilities::FileRemove(renamed.c_str(), 1), 0);
  EXPECT_EQ(tovtest::TakePendingError(E_FAIL), "no error");
  rc = TOVFileUtilities::FileRemove(renamed.c_str(), 0);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0207 " + renamed + "|No such file or directory");
  EXPECT_EQ(TOVFileUtilities::DirRemove(dir.c_str(), 0), 0);
  EXPECT_EQ(TOVFileUtilities::DirRemove(dir.c_str(), 1), 0);
  rc = TOVFileUtilities::DirRemove(dir.c_str(), 0);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0208 " + dir + "|No such file or directory");

  char* saved = getcwd(nullptr, 0);
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(TOVFileUtilities::ChDir(_Dir.c_str()), 0);
  Write("here.txt", "");
  EXPECT_EQ(access("here.txt", F_OK), 0);
  rc = TOVFileUtilities::ChDir(dir.c_str());
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0214 " + dir + "|No such file or directory");
  EXPECT_EQ(chdir(saved), 0);
  free(saved);
}

TEST_F(FileUtilitiesTest, ElementTypeReportsExistenceAndTheDirectoryBit) {
  unsigned int exists = 9, second = 9, isDir = 9;
  EXPECT_EQ(TOVFileUtilities::ElementType(Path("missing").c_str(), exists, second, isDir), 0);
  EXPECT_EQ(exists + second + isDir, 0u);
  EXPECT_EQ(TOVFileUtilities::ElementType(_Dir.c_str(), exists, second, isDir), 0);
  EXPECT_EQ(exists, 1u);
  EXPECT_EQ(isDir, 16u);
  EXPECT_EQ(second, 0u);
  std::string file = Write("f", "x");
  EXPECT_EQ(TOVFileUtilities::ElementType(file.c_str(), exists, second, isDir), 0);
  EXPECT_EQ(exists, 1u);
  EXPECT_EQ(isDir, 0u);
  std::string below = file + "/below";
  long rc = TOVFileUtilities::ElementType(below.c_str(), exists, second, isDir);
  EXPECT_EQ(exists, 0u);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0213 " + below + "|Not a directory");
}

TEST_F(FileUtilitiesTest, CompareFileContentsByBlocks) {
  std::string block(32000, 'a');
  std::string big = block + block + "tail";
  std::string changed = big;
  changed[39999] = 'b'; // byte 40000, in the second block
  std::string a = Write("a", big), b = Write("b", big), c = Write("c", changed);
  unsigned int equal = 9;
  EXPECT_EQ(TOVFileUtilities::CompareFileContents(PathSet().Add(a).Add(b).Get(), equal), 0);
  EXPECT_EQ(equal, 1u);
  EXPECT_EQ(TOVFileUtilities::CompareFileContents(PathSet().Add(a).Add(b).Add(c).Get(), equal), 0);
  EXPECT_EQ(equal, 0u);
  EXPECT_EQ(TOVFileUtilities::CompareFileContents(PathSet().Add(c).Add(a).Get(), equal), 0);
  EXPECT_EQ(equal, 0u);
  // Files that are an exact number of blocks long, and empty files.
  std::string d = Write("d", block), e = Write("e", block);
  EXPECT_EQ(TOVFileUtilities::CompareFileContents(PathSet().Add(d).Add(e).Get(), equal), 0);
  EXPECT_EQ(equal, 1u);
  std::string empty1 = Write("empty1", ""), empty2 = Write("empty2", "");
  EXPECT_EQ(TOVFileUtilities::CompareFileContents(PathSet().Add(empty1).Add(empty2).Get(), equal),
            0);
  EXPECT_EQ(equal, 1u);
  EXPECT_EQ(tovtest::TakePendingError(E_FAIL), "no error");
}

TEST_F(FileUtilitiesTest, CompareFileContentsOfDifferentSizesOrUnreadableFiles) {
  std::string a = Write("a", "12345"), b = Write("b", "123456");
  unsigned int equal = 9;
  EXPECT_EQ(TOVFileUtilities::CompareFileContents(PathSet().Add(a).Add(b).Get(), equal), 0);
  EXPECT_EQ(equal, 0u);
  // Two empty directories have the same size but cannot be read: a reported failure.
  std::string dir1 = Path("dir1"), dir2 = Path("dir2");
  ASSERT_EQ(mkdir(dir1.c_str(), 0755), 0);
  ASSERT_EQ(mkdir(dir2.c_str(), 0755), 0);
  long rc = TOVFileUtilities::CompareFileContents(PathSet().Add(dir1).Add(dir2).Get(), equal);
  EXPECT_EQ(tovtest::TakePendingError(rc).substr(0, 11), "TOVBC 0209 ");
}

TEST_F(FileUtilitiesTest, CompareFileContentsStopsAtTheFirstFileThatCannotOpen) {
  std::string a = Write("a", "x");
  std::string missing = Path("missing");
  unsigned int equal = 9;
  long rc = TOVFileUtilities::CompareFileContents(
      PathSet().Add(a).Add(missing).Add(Path("missing2")).Get(), equal);
  EXPECT_EQ(tovtest::TakePendingError(rc), "TOVBC 0201 " + missing + "|No such file or directory");
}

TEST_F(FileUtilitiesTest, CompareFileContentsNeedsTwoStringPaths) {
  TOVGlobalObjectCleaner cleaner;
  unsigned int equal = 0;
  std::string a = Write("a", "x");
  EXPECT_FATAL(TOVFileUtilities::CompareFileContents(PathSet().Add(a).Get(), equal),
               "NbFiles = 1 but it must be greater than 1");
  EXPECT_FATAL(TOVFileUtilities::CompareFileContents(PathSet().Get(), equal),
               "NbFiles = 0 but it must be greater than 1");
  PathSet withNull;
  withNull.Add(a);
  const_cast<TOVVector&>(withNull.Get()).Append(nullptr);
  EXPECT_FATAL(TOVFileUtilities::CompareFileContents(withNull.Get(), equal),
               "FilePathSet[1] == NULL");
}
