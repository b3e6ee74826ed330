#include "TOVGlobalObjectCleaner.h"
#include "TOVString.h"
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
  // Length, granularity, current dimension, result: doubling a full dimension when that is
  // more, else rounding up to the granularity (an exact multiple stays). Near the top of
  // int the result neither wraps nor drops below the length: at most INT_MAX - 1.
  const int cases[][4] = {{32, 32, 32, 64},
                          {100, 32, 32, 128},
                          {25, 10, 0, 30},
                          {30, 10, 0, 30},
                          {31, 10, 0, 40},
                          {64, 10, 32, 70},
                          {25, 0, 0, 25},
                          {2147483645, 2, 0, 2147483646},
                          {2147483000, 10, 1073741824, 2147483646},
                          {2000000000, 1000, 1500000000, 2147483646},
                          {2147483000, 1000, 0, 2147483000}};
  for (const auto& c : cases)
    EXPECT_EQ(TOVString::CalcDimension(c[0], c[1], c[2]), c[3])
        << c[0] << " " << c[1] << " " << c[2];
}

TEST(String, CopiesShareUntilOneChanges) {
  Probe first;
  Probe copy(first);
  EXPECT_EQ(copy.Block(), first.Block());
  EXPECT_EQ(first.Block()->GetRefCounter(), 2);
  copy += "x";
  EXPECT_STREQ(first, "");
  const TOVString& same = first;
  first = same; // self-assignment keeps the one reference
  EXPECT_EQ(first.Block()->GetRefCounter(), 1);

  Probe a("hello");
  Probe b(3, 0);
  b = a;
  EXPECT_EQ(b.Block(), a.Block());
  EXPECT_EQ(b.Granularity(), 3);
  a = Probe(0, 0);
  EXPECT_EQ(a.Block(), nullptr);
  EXPECT_STREQ(a, "");

  // A shared block is copied with its content, sized from zero.
  Probe big;
  big = "01234567890123456789012345678901"; // grown to 64
  Probe shared(big);
  shared.AllocForUpdate(40, 1);
  EXPECT_NE(shared.Block(), big.Block());
  EXPECT_EQ(shared.Dimension(), 64);
  EXPECT_EQ(Text(shared), Text(big));
  Probe emptied(big);
  emptied.AllocForUpdate(5, 0);
  EXPECT_EQ(emptied.Dimension(), 32);
  EXPECT_STREQ(emptied.Block()->GetChars(), "");
}

TEST(String, GrowsOnlyWhenTheDimensionIsReachedByAWholeTextOrOneCharacter) {
  Probe whole;
  TOVStringBlock* block = whole.Block();
  whole = "0123456789012345678901234567890"; // 31 characters fit in 32
  EXPECT_EQ(whole.Block(), block);
  whole += "1"; // exactly 32 must fit: grown
  EXPECT_EQ(whole.Dimension(), 64);
  EXPECT_EQ(whole.Length(), 32);

  Probe s;
  const char* letters = "abcdefghijklmnopqrstuvwxyz01234";
  for (int i = 0; i < 31; ++i)
    s.Concat(letters + i, 1);
  EXPECT_EQ(s.Dimension(), 32);
  s.Concat("5", 1);
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

TEST(String, CopyConcatAndNumbersBoundTheirCounts) {
  TOVString s, source("xyz");
  EXPECT_STREQ(s.Copy("abcdef", 3), "abc");
  EXPECT_STREQ(s.Copy("abc", 10), "abc");
  EXPECT_EQ(s.Copy("a\0b", 3).Length(), 1); // a text stops at its NUL
  EXPECT_EQ(s.Copy("abc", 0).Length(), 0);
  EXPECT_STREQ(s.Concat(nullptr, 5).Concat("cdef", 2).Concat("ef", -1).Concat("gh", 0), "cdef");
  s = static_cast<const char*>(nullptr);
  EXPECT_EQ(s.Length(), 0);
  EXPECT_STREQ(s.Copy(source, 9), "xyz");
  EXPECT_STREQ(s.Concat(source, 1).Concat(source, -1), "xyzxxyz");

  s = "n=";
  s += 42;
  s += ',';
  s += 4000000000u;
  s += -5;
  s += -9000000000L;
  s += 18000000000000000000UL;
  s += -2147483647 - 1;
  EXPECT_STREQ(s, "n=42444000000000-5-900000000018000000000000000000-2147483648");
}

TEST(String, AppendingItsOwnTextSurvivesAMovingBuffer) {
  Probe s("abcdefghijklmnopqrstuvwxyz012345", 0); // dimension 32, full
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
  TOVString u("shared"), v(u); // a copy that shares the block appended to the original
  u += v;
  EXPECT_STREQ(u, "sharedshared");
  EXPECT_STREQ(v, "shared");
}

TEST(String, ComparesUnsignedBytes) {
  TOVString abc("abc");
  EXPECT_EQ(TOVString("").Compare(nullptr), 0);
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
  TOVString shared(s);
  s.Resize(1);
  EXPECT_STREQ(shared, "ab  ");
  EXPECT_STREQ(s, "a");
  s.Resize(-3);
  EXPECT_EQ(s.Length(), 0);

  s = "MiXeD 12\xE9";
  TOVString copy(s);
  s.ToLower();
  copy.ToUpper();
  EXPECT_STREQ(s, "mixed 12\xE9");
  EXPECT_STREQ(copy, "MIXED 12\xE9");
  shared = s;
  s.ToUpper();
  EXPECT_STREQ(shared, "mixed 12\xE9");
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
