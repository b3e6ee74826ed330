#include "TOVErrorTestSupport.h"
#include "TOVExtAnyChars.h"
#include "TOVFileUtilities.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVNLSMsgBldrFromString.h"
#include "TOVTestSupport.h"
#include "TOVVolatileOneWayIteratorForTextFile.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using Iterator = TOVVolatileOneWayIteratorForTextFile;

TOVNLSMsgBldrRfHndlr Request() {
  return TOVNLSMsgBldrRfHndlr(TOVRfHndlrNoAddRef,
                              new TOVNLSMsgBldrFromString("reading the list", "TST", "0001"));
}

// An open stream over content (any bytes), closed with the fixture.
class TextFile : public testing::Test {
protected:
  FILE* Open(const std::string& content) {
    _Content = content;
    _pFile =
        _Content.empty() ? fopen("/dev/null", "r") : fmemopen(&_Content[0], _Content.size(), "r");
    return _pFile;
  }
  void TearDown() override {
    if (_pFile != nullptr)
      fclose(_pFile);
    MORCleanLastError();
  }

  // The text of the value given by Next, "" for a null value.
  static std::string Text(const MORBaseUnknown* value) {
    const auto* chars = TOVCheckedCast<TOVExtAnyChars>(value);
    return chars->IsDbNull() ? "" : chars->GetChars();
  }

  // Every line of content until the end or the first failure, whose code goes to rc.
  std::vector<std::string> Lines(const std::string& content, int firstLine, int maxLength,
                                 long* rc = nullptr, std::vector<int>* numbers = nullptr) {
    Iterator it("list.txt", Open(content), firstLine, maxLength, Request());
    std::vector<std::string> lines;
    const MORBaseUnknown* value = nullptr;
    long status;
    while ((status = it.Next(value)) == 0 && value != nullptr) {
      lines.push_back(Text(value));
      if (numbers != nullptr)
        numbers->push_back(it.GetLineNumber());
    }
    EXPECT_EQ(value, nullptr);
    if (rc != nullptr)
      *rc = status;
    else
      EXPECT_EQ(status, 0);
    return lines;
  }

  std::string _Content;
  FILE* _pFile = nullptr;
};

using LineList = std::vector<std::string>;

} // namespace

TEST_F(TextFile, GivesEachLineWithoutItsEndAndCountsThem) {
  std::vector<int> numbers;
  EXPECT_EQ(Lines("one\r\ntwo\n\nfour\r\n\r\nlast", 0, -1, nullptr, &numbers),
            (LineList{"one", "two", "", "four", "", "last"}));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 6}));
  // Only a carriage return right before the line feed is an end; others are text.
  EXPECT_EQ(Lines("a\rb\n\r\rc\r\nd\r", 0, -1), (LineList{"a\rb", "\r\rc", "d\r"}));
  EXPECT_EQ(Lines("", 0, -1), LineList{});
  EXPECT_EQ(Lines("\n", 0, 10), LineList{""});
  // Counting starts after the first line number; a negative one never counts.
  numbers.clear();
  EXPECT_EQ(Lines("x\ny\n", 41, 5, nullptr, &numbers), (LineList{"x", "y"}));
  EXPECT_EQ(numbers, (std::vector<int>{42, 43}));
  numbers.clear();
  Lines("x\ny\n", -1, 5, nullptr, &numbers);
  EXPECT_EQ(numbers, (std::vector<int>{-1, -1}));

  Iterator it("list.txt", Open("a\nb\nc\n"), -1, -1, Request());
  EXPECT_EQ(Text(it.Next()), "a");
  it.SetLineNumber(10);
  EXPECT_EQ(Text(it.Next()), "b");
  EXPECT_EQ(it.GetLineNumber(), 11);
  EXPECT_EQ(Text(it.Next()), "c");
  EXPECT_EQ(it.Next(), nullptr);
  EXPECT_EQ(it.Next(), nullptr);
}

TEST_F(TextFile, TheValueIsOverwrittenByTheNextLine) {
  Iterator it("list.txt", Open("first\nsecond\n"), 0, -1, Request());
  const MORBaseUnknown* first = it.Next();
  const MORBaseUnknown* second = it.Next();
  EXPECT_EQ(first, second);
  EXPECT_EQ(Text(first), "second");
  EXPECT_STREQ(first->IsA(), "TOVExtAnyChars");
  EXPECT_TRUE(it.IsAKindOf("TOVVolatileOneWayIterator"));
}

TEST_F(TextFile, FixedMaximumTakesLinesUpToItsLength) {
  std::string ten(10, 'x');
  EXPECT_EQ(Lines(ten + "\n" + ten + "\r\n" + ten, 0, 10), (LineList{ten, ten, ten}));
  // A carriage return as tenth character belongs to the line end that follows it.
  std::string nine(9, 'y');
  EXPECT_EQ(Lines(nine + "\r\n" + nine + "\r", 0, 10), (LineList{nine, nine + "\r"}));
  // A maximum of 0 takes empty lines only.
  EXPECT_EQ(Lines("\n\r\n", 0, 0), (LineList{"", ""}));
  long rc = 0;
  EXPECT_EQ(Lines("\nz\n", 0, 0, &rc), LineList{""});
  TOVError* error = tovtest::ExpectPendingError(rc, "TOVBC", "0216", {"2", "0"});
  if (error != nullptr)
    error->Release();
}

TEST_F(TextFile, FixedMaximumRefusesLongerLinesWithTheLineNumberOrTheStart) {
  long rc = 0;
  EXPECT_EQ(Lines("short\n" + std::string(11, 'a') + "\n", 0, 10, &rc), LineList{"short"});
  TOVError* error = tovtest::ExpectPendingError(rc, "TOVBC", "0216", {"2", "10"});
  if (error != nullptr) {
    EXPECT_EQ(error->GetType(), MORCriticalError);
    EXPECT_EQ(error->GetReturnCode(), E_FAIL);
    EXPECT_STREQ(error->GetHRequestBldr()->GetMsgId(), "0001");
    error->Release();
  }

  // Without counting, the message shows the first ten characters, even across the
  // buffer's end when the maximum is below ten.
  Lines("0123456789ABCDEFGHIJKLMNOP\n", -1, 20, &rc);
  error = tovtest::ExpectPendingError(rc, "TOVBC", "0217", {"0123456789...", "20"});
  if (error != nullptr)
    error->Release();
  Lines("abcdefgh\n", -1, 3, &rc);
  error = tovtest::ExpectPendingError(rc, "TOVBC", "0217", {"abcdefgh...", "3"});
  if (error != nullptr)
    error->Release();

  // Reading goes on where the look past the maximum stopped.
  Iterator it("list.txt", Open("abcdefghijklmnopqrs\nnext\n"), 0, 5, Request());
  const MORBaseUnknown* value = reinterpret_cast<const MORBaseUnknown*>(&it);
  EXPECT_LT(it.Next(value), 0);
  EXPECT_EQ(value, nullptr);
  EXPECT_EQ(Text(it.Next()), "pqrs");
  EXPECT_EQ(Text(it.Next()), "next");
  EXPECT_EQ(it.GetLineNumber(), 3);

  // A line of a megabyte is refused piece by piece (the maximum and ten more characters
  // each time) until its end, which comes as a short last piece.
  Iterator big("big.txt", Open(std::string(1 << 20, 'B') + "\nend\n"), 0, 100, Request());
  int refused = 0;
  while (big.Next(value) != 0)
    ++refused;
  EXPECT_EQ(refused, (1 << 20) / 110);
  EXPECT_EQ(Text(value), std::string((1 << 20) % 110, 'B'));
  EXPECT_EQ(Text(big.Next()), "end");
}

TEST_F(TextFile, GrowableBufferDoublesForLongLines) {
  std::string line(5000, 'L');
  line[2039] = '\r'; // a carriage return at the end of the first buffer is text
  Iterator it("list.txt", Open(line + "\nnext\n" + std::string(4079, 'm') + "\r\n"), 0, -1,
              Request());
  EXPECT_EQ(it.GetMaxLineLength(), 2040);
  EXPECT_EQ(Text(it.Next()), line);
  EXPECT_EQ(it.GetMaxLineLength(), 8160);
  EXPECT_EQ(Text(it.Next()), "next");
  EXPECT_EQ(it.GetLineNumber(), 2);
  // The grown buffer stays.
  EXPECT_EQ(Text(it.Next()), std::string(4079, 'm'));
  EXPECT_EQ(it.GetMaxLineLength(), 8160);
  EXPECT_EQ(it.Next(), nullptr);

  // The line end split over two reads: the carriage return fills the first buffer.
  std::string split(2039, 's');
  EXPECT_EQ(Lines(split + "\r\n" + split + "\r", 0, -1), (LineList{split, split + "\r"}));
  EXPECT_EQ(Lines(std::string(8160, 'e'), 0, -1), (LineList{std::string(8160, 'e')}));
  std::string megabytes(3 * 1024 * 1024 + 7, 'M');
  EXPECT_EQ(Lines(megabytes + "\r\nend", 0, -1), (LineList{megabytes, "end"}));
}

TEST_F(TextFile, ZeroBytesAndBinaryDataKeepTheLineBoundaries) {
  std::string zeros("ab\0cd\n\0\0\nlast\0", 14);
  std::vector<int> numbers;
  EXPECT_EQ(Lines(zeros, 0, -1, nullptr, &numbers), (LineList{"ab", "", "last"}));
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
  // A zero byte inside a full buffer: the line is still continued, not cut in two.
  std::string full = std::string("x\0", 2) + std::string(3000, 'y') + "\nz\n";
  EXPECT_EQ(Lines(full, 0, -1), (LineList{"x", "z"}));
  long rc = 0;
  EXPECT_EQ(Lines(full, 0, 100, &rc), LineList{});
  TOVError* error = tovtest::ExpectPendingError(rc, "TOVBC", "0216", {"1", "100"});
  if (error != nullptr)
    error->Release();
  std::string binary;
  for (int i = 0; i < 256; ++i)
    binary += static_cast<char>(255 - i);
  EXPECT_EQ(Lines(binary, 0, -1).size(), 2u);
}

TEST_F(TextFile, ReadErrorsCarryTheIteratorsRequest) {
  std::string path = tovtest::MakeTempDir() + "/out.txt";
  FILE* writeOnly = fopen(path.c_str(), "w");
  ASSERT_NE(writeOnly, nullptr);
  {
    Iterator it(path.c_str(), writeOnly, 0, -1, Request());
    const MORBaseUnknown* value = nullptr;
    long rc = it.Next(value);
    EXPECT_EQ(value, nullptr);
    TOVError* error = tovtest::ExpectPendingError(rc, "TOVBC", "0205", {path, strerror(EBADF)});
    if (error != nullptr) {
      EXPECT_STREQ(error->GetHRequestBldr()->GetMsgCatalogName(), "TST");
      error->Release();
    }
    EXPECT_FATAL(
        {
          TOVGlobalObjectCleaner cleaner;
          it.Next();
        },
        "Error while reading " + path + ": Next() fails");
  }
  fclose(writeOnly);

  // A stream that was never opened fails the same way instead of crashing.
  Iterator none("missing.txt", nullptr, 0, 10, Request());
  const MORBaseUnknown* value = nullptr;
  TOVError* error = tovtest::ExpectPendingError(none.Next(value), "TOVBC", "0205",
                                                {"missing.txt", strerror(EBADF)});
  if (error != nullptr)
    error->Release();
}
