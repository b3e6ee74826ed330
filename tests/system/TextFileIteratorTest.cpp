#include "TOVExtAnyChars.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"
#include "TOVVolatileOneWayIteratorForTextFile.h"

#include <cstring>
#include <list>
#include <vector>

using tovtest::TakePendingError;
using Iterator = TOVVolatileOneWayIteratorForTextFile;
using LineList = std::vector<std::string>;

namespace {

TOVNLSMsgBldrRfHndlr Request() {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef,
                              new TOVNLSMsgBldrFromString("reading", "TST", "0001"));
}

std::string Text(const MORBaseUnknown* value) {
  const auto* chars = TOVCheckedCast<TOVExtAnyChars>(value);
  return chars->IsDbNull() ? "" : chars->GetChars();
}

// A stream over content (any bytes), closed with the fixture.
class TextFile : public testing::Test {
protected:
  FILE* Open(const std::string& content) {
    _Contents.push_back(content);
    std::string& kept = _Contents.back();
    FILE* file = kept.empty() ? fopen("/dev/null", "r") : fmemopen(&kept[0], kept.size(), "r");
    _Files.push_back(file);
    return file;
  }
  void TearDown() override {
    for (FILE* file : _Files)
      fclose(file);
    MORCleanLastError();
  }

  // The lines up to the end (with their numbers), or up to the failure expected as
  // TakePendingError sums it up.
  LineList Lines(const std::string& content, int firstLine, int maxLength,
                 const std::string& failure = "no error", std::vector<int>* numbers = nullptr) {
    Iterator it("f.txt", Open(content), firstLine, maxLength, Request());
    LineList lines;
    const MORBaseUnknown* value = nullptr;
    long rc;
    while ((rc = it.Next(value)) == 0 && value != nullptr) {
      lines.push_back(Text(value));
      if (numbers != nullptr)
        numbers->push_back(it.GetLineNumber());
    }
    EXPECT_EQ(value, nullptr);
    EXPECT_EQ(TakePendingError(rc), failure);
    return lines;
  }

  std::list<std::string> _Contents;
  std::vector<FILE*> _Files;
};

} // namespace

using TextFileDeathTest = TextFile;

TEST_F(TextFile, GivesEachLineWithoutItsEndAndCountsThem) {
  std::vector<int> numbers;
  EXPECT_EQ(Lines("one\r\ntwo\n\nfour\r\n\r\nlast", 0, -1, "no error", &numbers),
            (LineList{"one", "two", "", "four", "", "last"}));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
  // Only a carriage return right before the line feed belongs to the line end.
  EXPECT_EQ(Lines("a\rb\n\r\rc\r\nd\r", 41, 5, "no error", &(numbers = {})),
            (LineList{"a\rb", "\r\rc", "d\r"}));
  EXPECT_EQ(numbers, (std::vector<int>{42, 43, 44}));
  EXPECT_EQ(Lines("", 0, -1), LineList{});
  Lines("x\ny", -1, 5, "no error", &(numbers = {}));
  EXPECT_EQ(numbers, (std::vector<int>{-1, -1}));

  Iterator it("f.txt", Open("a\nb\n"), -1, -1, Request());
  const MORBaseUnknown* first = it.Next();
  it.SetLineNumber(10);
  EXPECT_EQ(it.Next(), first); // one value, overwritten by each line
  EXPECT_EQ(Text(first), "b");
  EXPECT_EQ(it.GetLineNumber(), 11);
  EXPECT_EQ(it.Next(), nullptr);
  EXPECT_EQ(it.Next(), nullptr);
}

TEST_F(TextFile, FixedMaximumTakesLinesUpToItsLengthOnly) {
  std::string ten(10, 'x'), nine(9, 'y');
  EXPECT_EQ(Lines(ten + "\n" + ten + "\r\n" + nine + "\r\n" + ten, 0, 10),
            (LineList{ten, ten, nine, ten}));
  EXPECT_EQ(Lines("short\n" + ten + "a\n", 0, 10, "TOVBC 0216 2|10"), LineList{"short"});
  EXPECT_EQ(Lines("\r\nz\n", 0, 0, "TOVBC 0216 2|0"), LineList{""});
  // Without counting: the first ten characters, read on past a maximum below ten.
  Lines("0123456789ABCDEFGHIJKLMNOP\n", -1, 20, "TOVBC 0217 0123456789...|20");
  Lines("abcdefgh\r\n", -1, 3, "TOVBC 0217 abcdefgh...|3");

  // Reading goes on where the look past the maximum stopped: a line of a megabyte is
  // refused piece by piece, the maximum and ten more characters each time.
  Iterator it("f.txt", Open(std::string(1 << 20, 'B') + "\nend\n"), 0, 100, Request());
  const MORBaseUnknown* value = nullptr;
  int refused = 0;
  while (it.Next(value) != 0)
    ++refused;
  EXPECT_EQ(refused, (1 << 20) / 110);
  EXPECT_EQ(Text(value), std::string((1 << 20) % 110, 'B'));
  EXPECT_EQ(Text(it.Next()), "end");
}

TEST_F(TextFile, GrowableBufferDoublesForLongLines) {
  std::string line(5000, 'L');
  line[2039] = '\r'; // not before a line feed: text
  Iterator it("f.txt", Open(line + "\nnext\n"), 0, -1, Request());
  EXPECT_EQ(it.GetMaxLineLength(), 2040);
  EXPECT_EQ(Text(it.Next()), line);
  EXPECT_GE(it.GetMaxLineLength(), 5000);
  EXPECT_EQ(Text(it.Next()), "next");
  EXPECT_EQ(it.GetLineNumber(), 2);
  // A carriage return last in the buffer, its line feed in the next read.
  std::string split(2039, 's'), mega(3 << 20, 'M');
  EXPECT_EQ(Lines(split + "\r\n" + split + "\r\n" + mega, 0, -1), (LineList{split, split, mega}));
}

TEST_F(TextFile, ZeroBytesAndBinaryDataKeepTheLineBoundaries) {
  std::vector<int> numbers;
  EXPECT_EQ(Lines(std::string("ab\0cd\n\0\0\nlast\0", 14), 0, -1, "no error", &numbers),
            (LineList{"ab", "", "last"}));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
  // A growing buffer measures every byte, so a line cut at a zero byte shows; a fixed one
  // measures up to the zero byte, as far as its value goes.
  for (int maxLength : {-1, 40}) {
    Iterator it("f.txt", Open(std::string("ab\0cd\r\n\0\n\nlast\0", 15)), 0, maxLength, Request());
    EXPECT_EQ(it.GetLineLength(), 0u);
    std::vector<size_t> lengths;
    for (const MORBaseUnknown* value = it.Next(); value != nullptr; value = it.Next())
      lengths.push_back(it.GetLineLength());
    EXPECT_EQ(lengths, maxLength < 0 ? (std::vector<size_t>{5, 1, 0, 5})
                                     : (std::vector<size_t>{2, 0, 0, 4}));
  }
  // A zero byte in a full buffer: the line is continued, not cut in two.
  std::string full = std::string("x\0", 2) + std::string(3000, 'y') + "\nz\n";
  EXPECT_EQ(Lines(full, 0, -1), (LineList{"x", "z"}));
  Lines(full, 0, 100, "TOVBC 0216 1|100");
}

TEST_F(TextFileDeathTest, ReadErrorsCarryTheIteratorsRequest) {
  std::string path = tovtest::MakeTempDir() + "/out.txt";
  FILE* writeOnly = fopen(path.c_str(), "w");
  _Files.push_back(writeOnly);
  Iterator it(path.c_str(), writeOnly, 0, -1, Request());
  const MORBaseUnknown* value = &it;
  long rc = it.Next(value);
  EXPECT_EQ(value, nullptr);
  MORError* error = MORGetLastError(rc, nullptr);
  ASSERT_NE(error, nullptr);
  EXPECT_STREQ(static_cast<TOVError*>(error)->GetHRequestBldr()->GetMsgCatalogName(), "TST");
  error->Release();
  EXPECT_EQ(TakePendingError(rc), "TOVBC 0205 " + path + "|" + strerror(EBADF));
  EXPECT_FATAL(
      {
        TOVGlobalObjectCleaner cleaner;
        it.Next();
      },
      "Error while reading " + path + ": Next() fails");
}
