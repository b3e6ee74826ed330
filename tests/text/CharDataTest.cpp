#include "TOVCharData.h"
#include "TOVFixedCharBuffer.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVTestSupport.h"
#include "TOVUpperCharData.h"

#include <cstring>
#include <vector>

TEST(CharData, SetOnceOrReplacedAndUpperCase) {
  TOVCharData free("free", 0);
  EXPECT_EQ(free.IsDefined(), 0u);
  free.SetValue("a");
  free.SetValue(nullptr); // a null text counts as empty
  EXPECT_EQ(free.IsDefined(), 1u);
  EXPECT_STREQ(free.GetValue(), "");
  free.SetValue("b");
  EXPECT_STREQ(free.GetValue(), "b");
  EXPECT_STREQ(free.GetName(), "free");

  TOVUpperCharData upper("mode", "abc\xE9z", 1);
  EXPECT_STREQ(upper.GetValue(), "ABC\xE9Z"); // bytes beyond ASCII left alone
  TOVUpperCharData later("later", 0);
  later.SetValue("xY1");
  EXPECT_STREQ(later.GetValue(), "XY1");
}

TEST(CharData, FixedBufferHoldsExactlyItsSize) {
  TOVFixedCharBuffer text("abc");
  ASSERT_EQ(text.GetSize(), 4);
  EXPECT_STREQ(text.GetChars(), "abc");
  EXPECT_EQ(TOVFixedCharBuffer(static_cast<const char*>(nullptr)).GetChars(), nullptr);
  EXPECT_EQ(TOVFixedCharBuffer(0).GetChars(), nullptr);
  EXPECT_EQ(TOVFixedCharBuffer(-3).GetSize(), 0);
  TOVFixedCharBuffer empty(5);
  EXPECT_EQ(empty.GetSize(), 5);
  EXPECT_EQ(empty.GetChars()[0], '\0');

  // Exactly size bytes are copied, none added: under the address sanitizer a write or
  // read past the buffer stops the test.
  std::vector<char> source(64);
  for (size_t i = 0; i < source.size(); ++i)
    source[i] = static_cast<char>('A' + i % 26);
  for (int size : {1, 7, 64}) {
    TOVFixedCharBuffer bytes(source.data(), size);
    ASSERT_EQ(bytes.GetSize(), size);
    EXPECT_EQ(std::memcmp(bytes.GetChars(), source.data(), size), 0);
  }
  TOVFixedCharBuffer zeros(nullptr, 3);
  EXPECT_EQ(std::memcmp(zeros.GetChars(), "\0\0\0", 3), 0);
  EXPECT_EQ(TOVFixedCharBuffer(source.data(), 0).GetChars(), nullptr);
}

TEST(CharDataDeathTest, SecondSetAndUndefinedRead) {
  TOVGlobalObjectCleaner cleaner;
  TOVCharData once("user", "a", 1);
  EXPECT_FATAL(once.SetValue("b"), "TOVCharData::SetValue(): user: The value is already defined");
  TOVUpperCharData upperOnce("case", 1);
  upperOnce.SetValue("x");
  EXPECT_FATAL(upperOnce.SetValue("y"),
               "TOVCharData::SetValue(): case: The value is already defined");
  EXPECT_STREQ(upperOnce.GetValue(), "X");
  EXPECT_FATAL(TOVCharData("path", 0).GetValue(),
               "TOVCharData::GetValue(): path: The value must be defined");
}
