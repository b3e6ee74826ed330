#include "TOVIFStream.h"
#include "TOVOFStream.h"
#include "TOVTestSupport.h"

#include <cerrno>
#include <string>

class StreamTest : public ::testing::Test {
protected:
  std::string Path(const char* name) const { return _Dir / name; }
  const tovtest::TempDir _Dir;
};

TEST_F(StreamTest, GetlineReadsLinesAndRefusesBadArgumentsOrAMissingFile) {
  tovtest::WriteFile(Path("in"), "abc\n\nlast");
  TOVIFStream in(Path("in").c_str(), TOV_STREAM_TEXT);
  char buf[16];
  for (const char* line : {"abc", "", "last"}) {
    EXPECT_EQ(in.Getline(buf, sizeof buf, '\n'), 0);
    EXPECT_STREQ(buf, line);
  }
  EXPECT_EQ(in.Getline(buf, sizeof buf, '\n'), 1);
  EXPECT_STREQ(buf, "");
  EXPECT_EQ(in.Getline(buf, 1, '\n'), 1);
  EXPECT_EQ(in.GetErrno(), EINVAL);
  EXPECT_EQ(in.Getline(nullptr, 10, '\n'), 1);
  TOVIFStream none;
  EXPECT_EQ(none.Getline(buf, sizeof buf, '\n'), 1);
  // Opening a missing file gives the system's reason.
  EXPECT_EQ(none.Open(Path("missing").c_str(), TOV_STREAM_TEXT), 1);
  EXPECT_EQ(none.GetErrno(), ENOENT);
  EXPECT_FALSE(none.IsOpen());
  EXPECT_EQ(none.Open(nullptr, "rb"), 1);
  EXPECT_EQ(none.GetErrno(), EINVAL);
  EXPECT_EQ(none.Read(buf, sizeof buf), 0u);
}

TEST_F(StreamTest, GetlineStopsAtTheBufferSizeOrADelimiterAboveAscii) {
  tovtest::WriteFile(Path("in"), "abcdef\xA7"
                                 "gh");
  TOVIFStream in(Path("in").c_str(), "rb");
  char buf[8] = "xxxxxxx";
  EXPECT_EQ(in.Getline(buf, 4, static_cast<char>('\xA7')), 0);
  EXPECT_STREQ(buf, "abc");
  EXPECT_EQ(buf[4], 'x') << "only the size bytes given are touched";
  EXPECT_EQ(in.Getline(buf, 8, static_cast<char>('\xA7')), 0);
  EXPECT_STREQ(buf, "def");
  EXPECT_EQ(in.Getline(buf, 8, 0xA7), 0);
  EXPECT_STREQ(buf, "gh");
}

TEST_F(StreamTest, AttachedStreamNeverClosesItsHandle) {
  { TOVOFStream out(stdout); }
  EXPECT_EQ(std::fflush(stdout), 0);
  TOVOFStream out(stdout);
  EXPECT_EQ(out.Close(), 0);
  EXPECT_FALSE(out.IsOpen());
  EXPECT_GE(std::fputs("", stdout), 0) << "stdout is still open";
  TOVFStream none(nullptr);
  EXPECT_EQ(none.GetErrno(), EINVAL);
  EXPECT_EQ(none.Close(), EINVAL);
}

TEST_F(StreamTest, OutputModesWriteAppendAndOperators) {
  const std::string path = Path("out");
  {
    TOVOFStream out(path.c_str(), 0);
    ASSERT_TRUE(out.IsOpen());
    out << "n=" << 42 << ' ' << -7L << ' ' << 3u << ' ' << 4ul << ' ' << 1.5 << ' '
        << static_cast<unsigned char>('u') << endl;
    EXPECT_EQ(out.Write("xy", 2), 0);
    EXPECT_EQ(out.Write(nullptr, 5), 0);
    EXPECT_EQ(out.Print("[%s:%03d]", "p", 7), 0);
    EXPECT_EQ(out.Putc('!'), 0);
    EXPECT_EQ(out.Puts(nullptr), 0);
    EXPECT_EQ(out.Puts("\n"), 0);
  }
  EXPECT_EQ(tovtest::ReadFile(path), "n=42 -7 3 4 1.5 u\nxy[p:007]!\n");
  {
    TOVOFStream out(path.c_str(), TOV_STREAM_APPEND);
    out << "more" << flush;
  }
  EXPECT_EQ(tovtest::ReadFile(path), "n=42 -7 3 4 1.5 u\nxy[p:007]!\nmore");
  EXPECT_EQ(TOVOFStream().Open(path.c_str(), TOV_STREAM_TEXT), 0);
  EXPECT_EQ(tovtest::ReadFile(path), "") << "opening without append truncates";
}

TEST_F(StreamTest, StreamWithoutFileIgnoresOutputAndReportsFailures) {
  TOVOFStream out;
  EXPECT_EQ(&(out << "text" << 5 << endl), &out);
  for (int rc : {out.Write("a", 1), out.Print("%d", 1), out.Putc('a'), out.Puts("a"), out.Flush()})
    EXPECT_EQ(rc, 1);
  for (int rc : {out.GetErrno(), out.Rewind(), out.Error(), out.EndOfFile(), out.GetFileNo()})
    EXPECT_EQ(rc, EINVAL);
  // A write to a full device reports the system's reason.
  TOVOFStream full("/dev/full", "wb");
  ASSERT_TRUE(full.IsOpen());
  EXPECT_NE(full.Write("data", 4), 0);
  EXPECT_EQ(full.GetErrno(), ENOSPC);
}

TEST_F(StreamTest, CatFileAppendsAnotherFileWhole) {
  std::string big(40000, 'z');
  big[16384] = 'A';
  tovtest::WriteFile(Path("src"), big);
  {
    TOVOFStream out(Path("dst").c_str(), 0);
    out << "head:";
    EXPECT_EQ(out.CatFile(Path("src").c_str(), 0), 0);
    EXPECT_EQ(out.CatFile(nullptr, 0), 0);
    EXPECT_EQ(out.CatFile(Path("missing").c_str(), TOV_STREAM_TEXT), 1);
    EXPECT_EQ(out.GetErrno(), ENOENT);
  }
  EXPECT_EQ(tovtest::ReadFile(Path("dst")), "head:" + big);
}

TEST_F(StreamTest, ReadGivesTheBytesAndRewindStartsOver) {
  tovtest::WriteFile(Path("in"), std::string("a\0b", 3));
  TOVIFStream in(Path("in").c_str(), "rb");
  char buf[8];
  EXPECT_EQ(in.Read(buf, sizeof buf), 3u);
  EXPECT_EQ(std::string(buf, 3), std::string("a\0b", 3));
  EXPECT_NE(in.EndOfFile(), 0);
  EXPECT_EQ(in.Rewind(), 0);
  EXPECT_EQ(in.Read(buf, 1), 1u);
  EXPECT_EQ(buf[0], 'a');
}
