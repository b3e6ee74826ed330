#include "MORString.h"
#include "MORUnicodeString.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::u16string Units(const MORUnicodeString& s) {
  return std::u16string(static_cast<const char16_t*>(s), s.GetLengthInChar());
}

std::string Narrow(const MORUnicodeString& s) {
  return static_cast<const char*>(s);
}

} // namespace

TEST(UnicodeString, ValidUtf8RoundTripsIncludingSurrogatePairs) {
  // Two, three and four byte sequences; the last is a character outside the BMP.
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";
  MORUnicodeString s(text.c_str());
  EXPECT_EQ(Units(s), std::u16string(u"a\u00e9\u20ac\xD83D\xDE00z"));
  EXPECT_EQ(s.GetLengthInChar(), 6);
  EXPECT_EQ(s.GetLengthInByte(), 12);
  EXPECT_EQ(Narrow(s), text);
}

TEST(UnicodeString, InvalidBytesBecomeLatin1CodePointsAndNothingIsLost) {
  // A lone continuation byte, a truncated sequence, an overlong form, an encoded
  // surrogate, a lead byte beyond U+10FFFF and a sequence cut by the end of the text.
  struct Case {
    std::string bytes;
    std::u16string units;
  } cases[] = {
      {"\x80", u"\u0080"},
      {"\xE2\x82"
       "A",
       u"\u00e2\u0082A"},
      {"\xC0\xAF", u"\u00c0\u00af"},
      {"\xED\xA0\x80", u"\u00ed\u00a0\u0080"},
      {"\xF5\x80\x80\x80", u"\u00f5\u0080\u0080\u0080"},
      {"x\xF0\x9F\x98", u"x\u00f0\u009f\u0098"},
      {"\xFF\xFE", u"\u00ff\u00fe"},
  };
  for (const Case& c : cases) {
    MORUnicodeString s(c.bytes.c_str());
    EXPECT_EQ(Units(s), c.units) << c.bytes;
    // Every byte survives: encoded again it is the Latin-1 character of the same value.
    EXPECT_EQ(MORUnicodeString(Narrow(s).c_str()), s);
  }
}

TEST(UnicodeString, LoneSurrogatesEncodeAsReplacementCharacter) {
  MORUnicodeString s;
  const char16_t units[] = {u'a', 0xD800, u'b', 0xDC00};
  s.BuildFromWChar(units, 4);
  EXPECT_EQ(Narrow(s), "a\xEF\xBF\xBD"
                       "b\xEF\xBF\xBD");
  // A high surrogate at the very end is not joined with what lies beyond the text.
  s.BuildFromWChar(units, 2);
  EXPECT_EQ(Narrow(s), "a\xEF\xBF\xBD");
}

TEST(UnicodeString, NarrowTextFollowsChangesAndNullCountsAsEmpty) {
  MORUnicodeString s(static_cast<const char*>(nullptr));
  EXPECT_EQ(Narrow(s), "");
  s = "ab";
  s += "c";
  EXPECT_EQ(Narrow(s), "abc");
  s += MORUnicodeChar('\xE9'); // the byte's value, not a negative char
  s += MORUnicodeString("!");
  EXPECT_EQ(Narrow(s), "abc\xC3\xA9!");
  MORUnicodeString copy(s);
  s = "other";
  EXPECT_EQ(Narrow(copy), "abc\xC3\xA9!");
  const MORUnicodeString& alias = copy;
  copy = alias;
  EXPECT_EQ(Narrow(copy), "abc\xC3\xA9!");
}

TEST(UnicodeString, OrderAndCompare) {
  MORUnicodeString a("abc"), b("abd"), prefix("ab"), upper("ABC");
  EXPECT_TRUE(a < b && b > a && prefix < a);
  EXPECT_FALSE(a < a || a > a);
  EXPECT_EQ(a.Compare(MORUnicodeString("abc")), 1);
  EXPECT_EQ(a.Compare(upper), 2);
  EXPECT_EQ(a.Compare(b), 0);
  EXPECT_EQ(a.Compare(prefix), 0);
  EXPECT_TRUE(a == "abc");
  EXPECT_TRUE(a != "ab");
  EXPECT_TRUE(MORUnicodeString() == nullptr);
  EXPECT_EQ(MORUnicodeString("\xC3\xA9t\xC3\xA9").Compare(MORUnicodeString("\xC3\x89T\xC3\x89")),
            2);
}

TEST(UnicodeString, ToUpperMapsLatinGreekAndCyrillic) {
  MORUnicodeString s("abz \xC3\xA9\xC3\xBF \xC5\x93 \xCE\xB1\xCF\x82 \xD0\xB6\xD1\x91 1-");
  s.ToUpper();
  EXPECT_EQ(Narrow(s), "ABZ \xC3\x89\xC5\xB8 \xC5\x92 \xCE\x91\xCE\xA3 \xD0\x96\xD0\x81 1-");
  // Characters without a single upper-case form stay as they are.
  MORUnicodeString sharp("\xC3\x9F\xC3\xB7");
  EXPECT_EQ(Narrow(sharp.ToUpper()), "\xC3\x9F\xC3\xB7");
}

TEST(UnicodeString, NumbersWideTextAndResize) {
  MORUnicodeString s;
  EXPECT_EQ(Narrow(s.BuildFromNum(-42)), "-42");
  EXPECT_EQ(Narrow(s.BuildFromNum(4294967295u)), "4294967295");
  EXPECT_EQ(Narrow(s.BuildFromNum(-9223372036854775807L - 1)), "-9223372036854775808");
  EXPECT_EQ(Narrow(s.BuildFromNum(18446744073709551615UL)), "18446744073709551615");

  // One wide character outside the BMP and one beyond U+10FFFF.
  const wchar_t wide[] = {L'x', static_cast<wchar_t>(0x1F600), static_cast<wchar_t>(0x110000), 0};
  EXPECT_EQ(Units(s.BuildFromWChar(wide)), std::u16string(u"x\xD83D\xDE00\uFFFD"));
  EXPECT_EQ(Units(s.BuildFromWChar(u"hello", 2)), u"he");
  EXPECT_EQ(Units(s.BuildFromWChar(static_cast<const char16_t*>(nullptr))), u"");

  s = "abcde";
  EXPECT_EQ(Narrow(s.Resize(2)), "ab");
  EXPECT_EQ(Narrow(s.Resize(4, '-')), "ab--");
  EXPECT_EQ(Narrow(s.Resize(-3)), "");
  EXPECT_EQ(s[0], 0);
  s = "q";
  EXPECT_EQ(s[0], u'q');
  EXPECT_EQ(s[1], 0);
  EXPECT_EQ(s[-1], 0);
}

TEST(String, NarrowStringConvertsBothWays) {
  MORString s(static_cast<const char*>(nullptr));
  EXPECT_STREQ(s, "");
  s = "ab";
  s += "c";
  s += nullptr;
  EXPECT_STREQ(s, "abc");
  EXPECT_EQ(s.GetLength(), 3);
  MORString fromUnicode(MORUnicodeString("\xE2\x82\xAC"));
  EXPECT_STREQ(fromUnicode, "\xE2\x82\xAC");
}
