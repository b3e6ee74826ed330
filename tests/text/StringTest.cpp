#include "TOVGlobalObjectCleaner.h"
#include "TOVString.h"
#include "TOVStringRfHndlr.h"
#include "TOVTestSupport.h"

#include <string>

namespace {

// Opens the protected block machinery to the tests.
class Probe : public TOVString {
public:
  using TOVString::TOVString;
  Probe(const TOVString& s) : TOVString(s) {}
  TOVStringBlock* Block() const { return GetpBlockRfHndlr(); }
  int Dimension() const { return Block() != nullptr ? Block()->GetDimension() : -1; }
  int Granularity() const { return GetDefaultDimension(); }
  using TOVString::AllocForUpdate;
  using TOVString::operator=;
};

std::string Text(const TOVString& s) {
  return std::string(s, s.Length());
}

} // namespace

TEST(String, ConstructorsAndGrowthChooseTheDimension) {
  EXPECT_EQ(Probe().Dimension(), 32);
  Probe blockless(0, 99);
  EXPECT_EQ(blockless.Block(), nullptr);
  EXPECT_STREQ(blockless, "");
  EXPECT_EQ(Probe(-4, 0).Block(), nullptr);
  EXPECT_EQ(Probe(5, 0).Dimension(), 5);
  EXPECT_STREQ(Probe(static_cast<const char*>(nullptr)), "");
  Probe tens("0123456789012345678901234", 10);
  EXPECT_EQ(tens.Dimension(), 30);
  EXPECT_EQ(tens.Length(), 25);
  EXPECT_EQ(Probe("0123456789012345678901234", 0).Dimension(), 25);
  // Growth doubles a full dimension or rounds up to the granularity.
  EXPECT_EQ(TOVString::CalcDimension(32, 32, 32), 64);
  EXPECT_EQ(TOVString::CalcDimension(100, 32, 32), 128);
  EXPECT_EQ(TOVString::CalcDimension(25, 10, 0), 30);
  EXPECT_EQ(TOVString::CalcDimension(30, 10, 0), 30); // an exact multiple stays
  EXPECT_EQ(TOVString::CalcDimension(31, 10, 0), 40);
  EXPECT_EQ(TOVString::CalcDimension(64, 10, 32), 70); // doubling only when it is more
  EXPECT_EQ(TOVString::CalcDimension(25, 0, 0), 25);
  // Near the top of int the result neither wraps nor drops below the length: the
  // largest dimension is INT_MAX - 1, reached exactly or as the cap.
  EXPECT_EQ(TOVString::CalcDimension(2147483645, 2, 0), 2147483646);
  EXPECT_EQ(TOVString::CalcDimension(2147483000, 10, 1073741824), 2147483646);
  EXPECT_GE(TOVString::CalcDimension(2000000000, 1000, 1500000000), 2000000000);
  EXPECT_EQ(TOVString::CalcDimension(2147483000, 1000, 0), 2147483000);
}

TEST(String, CopiesShareUntilOneChanges) {
  Probe first;
  Probe copy(first);
  EXPECT_EQ(copy.Block(), first.Block());
  EXPECT_EQ(first.Block()->GetRefCounter(), 2);
  copy += "x";
  EXPECT_STREQ(first, "");
  EXPECT_EQ(first.Block()->GetRefCounter(), 1);

  Probe a("hello");
  Probe b(3, 0);
  b = a;
  EXPECT_EQ(b.Block(), a.Block());
  EXPECT_EQ(b.Granularity(), 3);
  b.ToUpper();
  EXPECT_STREQ(a, "hello");
  EXPECT_STREQ(b, "HELLO");
  const TOVString& same = a;
  a = same; // self-assignment keeps the one reference
  EXPECT_EQ(a.Block()->GetRefCounter(), 1);

  Probe blockless(0, 0);
  a = blockless;
  EXPECT_EQ(a.Block(), nullptr);
  EXPECT_STREQ(a, "");
}

TEST(String, GrowsOnlyWhenTheDimensionIsReached) {
  Probe s;
  TOVStringBlock* block = s.Block();
  s = "0123456789012345678901234567890"; // 31 characters fit in 32
  EXPECT_EQ(s.Block(), block);
  EXPECT_EQ(s.Dimension(), 32);
  s += "1"; // exactly 32 must fit: grown
  EXPECT_EQ(s.Dimension(), 64);
  EXPECT_EQ(s.Length(), 32);

  // A shared block is copied with its content, sized from zero.
  Probe shared(s);
  shared.AllocForUpdate(40, 1);
  EXPECT_NE(shared.Block(), s.Block());
  EXPECT_EQ(shared.Dimension(), 64);
  EXPECT_EQ(Text(shared), Text(s));
  Probe emptied(s);
  emptied.AllocForUpdate(5, 0);
  EXPECT_EQ(emptied.Dimension(), 32);
  EXPECT_STREQ(emptied.Block()->GetChars(), "");
}

TEST(String, CopyAndConcatBoundTheirCounts) {
  TOVString s;
  EXPECT_STREQ(s.Copy("abcdef", 3), "abc");
  EXPECT_STREQ(s.Copy("abc", 10), "abc");
  EXPECT_EQ(s.Copy("abc", 0).Length(), 0);
  s = "ab";
  EXPECT_STREQ(s.Concat(nullptr, 5), "ab");
  EXPECT_STREQ(s.Concat("cdef", 2), "abcd");
  EXPECT_STREQ(s.Concat("ef", -1), "abcdef");
  EXPECT_STREQ(s.Concat("gh", 0), "abcdef");
  s = static_cast<const char*>(nullptr);
  EXPECT_EQ(s.Length(), 0);

  TOVString withNul;
  withNul.Copy("a\0b", 3);
  EXPECT_EQ(withNul.Length(), 1); // a text stops at its NUL
  TOVString source("xyz");
  EXPECT_STREQ(s.Copy(source, 9), "xyz");
  EXPECT_STREQ(s.Concat(source, 1), "xyzx");
  EXPECT_STREQ(s.Concat(source, -1), "xyzxxyz");
}

TEST(String, AppendsNumbersInDecimal) {
  TOVString s("n=");
  s += 42;
  s += ',';
  EXPECT_STREQ(s, "n=4244");
  s = "";
  s += 4000000000u;
  s += -5;
  s += -9000000000L;
  s += 18000000000000000000UL;
  EXPECT_STREQ(s, "4000000000-5-900000000018000000000000000000");
  s = "";
  s += -2147483647 - 1;
  EXPECT_STREQ(s, "-2147483648");
}

TEST(String, AppendingItsOwnTextSurvivesAMovingBuffer) {
  Probe s("abcdefghijklmnopqrstuvwxyz012345", 0); // dimension 32, full
  EXPECT_EQ(s.Dimension(), 32);
  s += s;
  EXPECT_EQ(Text(s), "abcdefghijklmnopqrstuvwxyz012345abcdefghijklmnopqrstuvwxyz012345");
  s.Copy("abcdefgh", -1);
  for (int i = 0; i < 12; ++i)
    s += static_cast<const char*>(s);
  EXPECT_EQ(s.Length(), 8 << 12);
  EXPECT_EQ(Text(s).substr(Text(s).size() - 8), "abcdefgh");

  Probe t("0123456789", 0);
  t.Concat(static_cast<const char*>(t) + 4, 3);
  EXPECT_STREQ(t, "0123456789456");
  t = static_cast<const char*>(t) + 10; // copy from own tail
  EXPECT_STREQ(t, "456");
  t.Concat(t, 2);
  EXPECT_STREQ(t, "45645");

  // A copy that shares the block appended to the original.
  TOVString u("shared");
  TOVString v(u);
  u += v;
  EXPECT_STREQ(u, "sharedshared");
  EXPECT_STREQ(v, "shared");
}

TEST(String, ComparesUnsignedBytes) {
  TOVString empty("");
  TOVString abc("abc");
  EXPECT_EQ(empty.Compare(nullptr), 0);
  EXPECT_EQ(abc.Compare(nullptr), 1);
  EXPECT_EQ(abc.Compare("abd"), -1);
  EXPECT_EQ(abc.Compare("ab"), 1);
  EXPECT_EQ(TOVString("\xE9").Compare("z"), 1);
  EXPECT_TRUE(abc == "abc" && abc < "abd" && abc <= "abc" && abc > "ab");
  EXPECT_FALSE(abc > "abc" || abc != "abc" || abc >= "abd");

  // Equality looks past an embedded NUL; Compare stops at it.
  TOVString ab("a"), ac("a");
  ab.Resize(2, '\0');
  ab.Concat("b", 1);
  ac.Resize(2, '\0');
  ac.Concat("c", 1);
  EXPECT_EQ(ab.Length(), 3);
  EXPECT_TRUE(ab != ac);
  EXPECT_EQ(ab.Compare(ac), 0);
  EXPECT_FALSE(TOVString("ab") == TOVString("abc"));
}

TEST(String, ResizeAndCaseConversionChangeOnlyTheirOwnCopy) {
  TOVString s("abcde");
  s.Resize(2, 'x', 0);
  EXPECT_STREQ(s, "abcde");
  s.Resize(7, '-');
  EXPECT_STREQ(s, "abcde--");
  s.Resize(2);
  s.Resize(4);
  EXPECT_STREQ(s, "ab  ");
  TOVString shared(s);
  s.Resize(1);
  EXPECT_STREQ(shared, "ab  ");
  EXPECT_STREQ(s, "a");
  s.Resize(-3);
  EXPECT_EQ(s.Length(), 0);

  // Case conversion copies a shared block first.
  s = "MiXeD 12\xE9";
  TOVString copy(s);
  s.ToLower();
  EXPECT_STREQ(s, "mixed 12\xE9");
  EXPECT_STREQ(copy, "MiXeD 12\xE9");
  copy.ToUpper();
  EXPECT_STREQ(copy, "MIXED 12\xE9");
  TOVString blockless(0, 0);
  blockless.ToUpper();
  EXPECT_STREQ(blockless, "");
}

TEST(StringDeathTest, SubStringExtractsOrStops) {
  TOVGlobalObjectCleaner cleaner;
  TOVString s("abcde");
  EXPECT_STREQ(s.SubString(2, 3), "cde");
  EXPECT_EQ(s.SubString(4, 0).Length(), 0);
  const char* message =
      "TOVString::SubString(): iStartPos >= _Length OR iStartPos + iNbCharsToExtract > _Length";
  EXPECT_FATAL(s.SubString(2, 4), message);
  EXPECT_FATAL(TOVString("").SubString(0, 0), message);
  EXPECT_FATAL(s.SubString(-1, 2), message);
}

TEST(String, HandlerOwnsAString) {
  TOVStringRfHndlr handler(TOVRfHndlrNoAddRef, new TOVString("held"));
  TOVStringRfHndlr copy(handler);
  EXPECT_STREQ(*copy, "held");
  EXPECT_EQ(handler->GetRefCount(), 2);
}

TEST(String, OneCharacterAppendsGrowAndCopyOnWrite) {
  Probe s;
  const char* letters = "abcdefghijklmnopqrstuvwxyz01234";
  for (int i = 0; i < 31; ++i)
    s.Concat(letters + i, 1);
  EXPECT_EQ(s.Dimension(), 32);
  s.Concat("5", 1); // the 32nd character needs a larger block
  EXPECT_EQ(s.Dimension(), 64);
  s.Concat("", 1);
  s.Concat(nullptr, 1);
  Probe copy(s);
  copy.Concat("!", 1);
  EXPECT_EQ(s.Length(), 32);
  s.Concat(static_cast<const char*>(s) + 3, 1); // a character of its own text
  EXPECT_EQ(Text(s), "abcdefghijklmnopqrstuvwxyz012345d");

  Probe blockless(0, 0);
  blockless.Concat("q", 1);
  EXPECT_STREQ(blockless, "q");
}
