#include "TOVGlobalObjectCleaner.h"
#include "TOVPendingError.h"
#include "TOVTestSupport.h"
#include "TOVUtilities.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

namespace {

std::string Format(const char* text, const char* separator) {
  return std::string(TOVUtilities::FormatFreeTextForProgram(text, separator));
}
std::string Translate(const char* text, const char* separator) {
  return std::string(TOVUtilities::TranslateFormattedForProgramFreeText(text, separator));
}

} // namespace

TEST(Utilities, GuidTextIsBracedUpperCaseHexadecimal) {
  MORGUID guid = {0x0012ABCDu, 0x00EF, 0xA001, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
  EXPECT_STREQ(TOVUtilities::ConvertGUIDToString(guid), "{0012ABCD-00EF-A001-0123-456789ABCDEF}");
  MORGUID full = {0xFFFFFFFFu, 0xFFFF, 0xFFFF, {255, 255, 255, 255, 255, 255, 255, 255}};
  EXPECT_STREQ(TOVUtilities::ConvertGUIDToString(full), "{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}");
}

TEST(Utilities, WordsAreRunsBetweenSeparators) {
  EXPECT_STREQ(TOVUtilities::GetWord("  alpha  beta", 2, ' '), "beta");
  EXPECT_STREQ(TOVUtilities::GetWord("  alpha  beta", 1, ' '), "alpha");
  EXPECT_STREQ(TOVUtilities::GetWord("  alpha  beta", 3, ' '), "");
  EXPECT_STREQ(TOVUtilities::GetWord("alpha  beta  ", 2, ' '), "beta");
  EXPECT_STREQ(TOVUtilities::GetWord("a;b;;c", 3, ';'), "c");
  EXPECT_STREQ(TOVUtilities::GetWord("", 1, ' '), "");
  EXPECT_STREQ(TOVUtilities::GetWord(nullptr, 1, ' '), "");
  EXPECT_STREQ(TOVUtilities::GetWord("one", 0, ' '), "");
  EXPECT_STREQ(TOVUtilities::GetWord("one", -3, ' '), "");
  EXPECT_STREQ(TOVUtilities::GetWord("one two", 1, '\0'), "one two");
}

TEST(Utilities, BoundedLengthNeverReadsBeyondTheBound) {
  EXPECT_EQ(TOVUtilities::GetNbChars(nullptr, 5), 0);
  EXPECT_EQ(TOVUtilities::GetNbChars("abc", -1), 3);
  EXPECT_EQ(TOVUtilities::GetNbChars("abc", 2), 2);
  EXPECT_EQ(TOVUtilities::GetNbChars("abc", 0), 0);
  EXPECT_EQ(TOVUtilities::GetNbChars("abc", 10), 3);
  // A buffer without a terminating NUL is read only up to the bound.
  char unterminated[4] = {'w', 'x', 'y', 'z'};
  EXPECT_EQ(TOVUtilities::GetNbChars(unterminated, 4), 4);
}

TEST(Utilities, NumberWidthsAndItemIndexFormats) {
  EXPECT_EQ(TOVUtilities::GetIntAsStrSize(-120), 4);
  EXPECT_EQ(TOVUtilities::GetIntAsStrSize(0), 1);
  EXPECT_EQ(TOVUtilities::GetIntAsStrSize(9), 1);
  EXPECT_EQ(TOVUtilities::GetIntAsStrSize(10), 2);
  EXPECT_EQ(TOVUtilities::GetIntAsStrSize(INT_MAX), 10);
  EXPECT_EQ(TOVUtilities::GetIntAsStrSize(INT_MIN), 11);
  for (int v : {-1000000, -99, -10, -9, 99, 100, 123456789}) {
    char text[16];
    EXPECT_EQ(TOVUtilities::GetIntAsStrSize(v), snprintf(text, sizeof text, "%d", v)) << v;
  }
  EXPECT_STREQ(TOVUtilities::GetListItemIdxFormat(120, '0'), "%03d");
  EXPECT_STREQ(TOVUtilities::GetListItemIdxFormat(120, ' '), "%3d");
  EXPECT_STREQ(TOVUtilities::GetListItemIdxFormat(5, '-'), "%-1d");
  EXPECT_STREQ(TOVUtilities::GetListItemIdxFormat(99, '\0'), "%2d");
}

TEST(Utilities, UnicodeComparisonsWithAndWithoutCase) {
  MORUnicodeString a("abc"), b("abd"), upper("ABC"), prefix("ab");
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(a, b), -1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(b, a), 1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(a, MORUnicodeString("abc")), 0);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(prefix, a), -1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(upper, a), -1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStringsNoCase(upper, a), 0);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStringsNoCase(MORUnicodeString("ABD"), a), 1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStringsNoCase(a, MORUnicodeString("ABD")), -1);
  EXPECT_EQ(
      TOVUtilities::CompareUnicodeStringsNoCase(MORUnicodeString("éte"), MORUnicodeString("ÉTE")),
      0);
  // Without case, "_" (0x5F) comes after the upper-case letters.
  EXPECT_EQ(TOVUtilities::CompareUnicodeStringsNoCase(MORUnicodeString("a"), MORUnicodeString("_")),
            -1);
}

TEST(Utilities, WholeTextIntegerConversion) {
  int value = -1;
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("12x", value), 0u);
  EXPECT_EQ(value, 12);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("", value), 0u);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("-42", value), 1u);
  EXPECT_EQ(value, -42);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("2147483647", value), 1u);
  EXPECT_EQ(value, INT_MAX);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("-2147483648", value), 1u);
  EXPECT_EQ(value, INT_MIN);
  // Beyond the int range, though a long here would hold it.
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("2147483648", value), 0u);
  EXPECT_EQ(value, INT_MAX);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("-2147483649", value), 0u);
  EXPECT_EQ(value, INT_MIN);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("99999999999999999999999", value), 0u);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("abc", value), 0u);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("12 ", value), 0u);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt(" +7", value), 1u);
  EXPECT_EQ(value, 7);
  EXPECT_EQ(TOVUtilities::ConvertStringToInt("0x10", value), 0u);
  // A NUL inside the text ends the number before the end of the text.
  TOVString withNul("12");
  withNul.Resize(4, '\0');
  EXPECT_EQ(TOVUtilities::ConvertStringToInt(withNul, value), 0u);
}

TEST(Utilities, LastErrorTextComesFromThePlatformOrTheCatalog) {
  errno = ENOENT;
  EXPECT_EQ(tovtest::Utf8(TOVUtilities::GetWindowsBasicLastErrorMsg()),
            "No such file or directory");
  errno = 987654;
  EXPECT_EQ(tovtest::Utf8(TOVUtilities::GetWindowsBasicLastErrorMsg()),
            "System error 987654 (no text is available for it).");
  EXPECT_EQ(errno, 987654);
}

TEST(Utilities, FreeTextEscapingAndItsInverse) {
  EXPECT_EQ(Format("a|b", "|"), "a\\_b");
  EXPECT_EQ(Format("", "|"), "\\0");
  EXPECT_EQ(Translate("a\\_b", "|"), "a|b");
  EXPECT_EQ(Translate("\\0", "|"), "");
  EXPECT_EQ(Translate("", "|"), "");
  EXPECT_EQ(Format("line1\nC:\\dir", ";"), "line1\\nC:\\\\dir");
  EXPECT_EQ(Format("a::b:c", "::"), "a\\_b:c");
  EXPECT_EQ(Translate("a\\_b:c", "::"), "a::b:c");
  // An unknown escape and a trailing backslash are kept as they are.
  EXPECT_EQ(Translate("a\\tb\\", "|"), "a\\tb\\");
  // The text "\0" itself survives the round trip.
  EXPECT_EQ(Format("\\0", "|"), "\\\\0");
  EXPECT_EQ(Translate("\\\\0", "|"), "\\0");
  // An empty separator never matches.
  EXPECT_EQ(Format("ab", ""), "ab");
  for (const char* text : {"|", "||", "\\", "\\n", "\n\n|\\_", "x|y\\|z\n", "\\0\\"}) {
    for (const char* separator : {"|", "\\_", "ab", "\n"}) {
      TOVString formatted = TOVUtilities::FormatFreeTextForProgram(text, separator);
      EXPECT_STREQ(TOVUtilities::TranslateFormattedForProgramFreeText(formatted, separator), text)
          << text << " / " << separator;
      // The formatted field never holds the separator or a line feed.
      if (std::string(separator) != "\\_") {
        EXPECT_EQ(std::string(formatted).find(separator), std::string::npos);
      }
      EXPECT_EQ(std::string(formatted).find('\n'), std::string::npos);
    }
  }
}

TEST(Utilities, BackslashAsFieldSeparatorIsFatal) {
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVUtilities::FormatFreeTextForProgram("a", "\\"), "The field separator is \\");
  EXPECT_FATAL(TOVUtilities::TranslateFormattedForProgramFreeText("a", "\\"),
               "The field separator is \\");
}
