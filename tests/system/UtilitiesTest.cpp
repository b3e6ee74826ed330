#include "TOVGlobalObjectCleaner.h"
#include "TOVTestSupport.h"
#include "TOVUtilities.h"

#include <cerrno>
#include <climits>
#include <string>

TEST(Utilities, GuidWordsLengthsAndFormats) {
  MORGUID guid = {0x0012ABCDu, 0x00EF, 0xA001, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
  EXPECT_STREQ(TOVUtilities::ConvertGUIDToString(guid), "{0012ABCD-00EF-A001-0123-456789ABCDEF}");
  EXPECT_STREQ(TOVUtilities::GetWord("  alpha  beta", 2, ' '), "beta");
  EXPECT_STREQ(TOVUtilities::GetWord("  alpha  beta", 3, ' '), "");
  EXPECT_STREQ(TOVUtilities::GetWord(nullptr, 1, ' '), "");
  char unterminated[4] = {'w', 'x', 'y', 'z'}; // read only up to the bound
  EXPECT_EQ(TOVUtilities::GetNbChars(unterminated, 4), 4);
  EXPECT_EQ(TOVUtilities::GetNbChars(nullptr, 5), 0);
  EXPECT_EQ(TOVUtilities::GetNbChars("abc", 0), 0);
  EXPECT_EQ(TOVUtilities::GetNbChars("abc", -1), 3);
  EXPECT_EQ(TOVUtilities::GetNbChars("abc", 2), 2);
  // Digits and sign, at each side of a power of ten and at the int limits.
  const std::pair<int, int> sizes[] = {
      {0, 1},   {9, 1},    {10, 2},        {-9, 2},          {-10, 3},      {99, 2},
      {100, 3}, {-120, 4}, {999999999, 9}, {1000000000, 10}, {INT_MIN, 11}, {INT_MAX, 10}};
  for (const auto& [value, size] : sizes)
    EXPECT_EQ(TOVUtilities::GetIntAsStrSize(value), size) << value;
  const std::pair<int, char> formats[] = {{120, '0'}, {10, '0'}, {9, '0'}, {120, ' '}, {99, '\0'}};
  std::string made;
  for (const auto& [count, fill] : formats)
    made += std::string(TOVUtilities::GetListItemIdxFormat(count, fill)) + " ";
  EXPECT_EQ(made, "%03d %02d %01d %3d %2d ");
}

TEST(Utilities, UnicodeComparisonsWithAndWithoutCase) {
  MORUnicodeString a("abc"), b("abd"), upper("ABC");
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(a, b), -1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(b, a), 1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStrings(upper, a), -1);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStringsNoCase(upper, a), 0);
  EXPECT_EQ(TOVUtilities::CompareUnicodeStringsNoCase(MORUnicodeString("ABD"), a), 1);
  // Without case "_" (0x5F) comes after the letters, which compare as upper case.
  EXPECT_EQ(TOVUtilities::CompareUnicodeStringsNoCase("a", "_"), -1);
}

TEST(Utilities, WholeTextIntegerConversion) {
  struct Case {
    const char* text;
    unsigned int ok;
    int value;
  } cases[] = {{"12x", 0, 12},
               {"", 0, 0},
               {"-2147483648", 1, INT_MIN},
               {"2147483648", 0, INT_MAX},
               {"-2147483649", 0, INT_MIN},
               {" +7", 1, 7},
               {"12 ", 0, 12},
               {"0x10", 0, 0}};
  for (const Case& c : cases) {
    int value = -1;
    EXPECT_EQ(TOVUtilities::ConvertStringToInt(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  TOVString withNul("12");
  withNul.Resize(3, '\0');
  int value = 0;
  EXPECT_EQ(TOVUtilities::ConvertStringToInt(withNul, value), 0u);
}

TEST(Utilities, LastErrorTextComesFromThePlatformOrTheCatalog) {
  errno = ENOENT;
  EXPECT_STREQ(TOVUtilities::GetWindowsBasicLastErrorMsg(), "No such file or directory");
  errno = 987654;
  EXPECT_STREQ(TOVUtilities::GetWindowsBasicLastErrorMsg(),
               "System error 987654 (no text is available for it).");
  EXPECT_EQ(errno, 987654);
}

TEST(UtilitiesDeathTest, FreeTextEscapingRoundTrips) {
  auto format = [](const char* text, const char* sep) {
    return std::string(TOVUtilities::FormatFreeTextForProgram(text, sep));
  };
  EXPECT_EQ(format("a|b", "|") + " " + format("", "|") + " " + format("l1\nC:\\d", "::"),
            "a\\_b \\0 l1\\nC:\\\\d");
  EXPECT_STREQ(TOVUtilities::TranslateFormattedForProgramFreeText("\\0", "|"), "");
  EXPECT_STREQ(TOVUtilities::TranslateFormattedForProgramFreeText("a\\tb\\", "|"), "a\\tb\\");
  for (const char* text : {"a|b", "", "\\0", "|\\n\n", "x::y:\\", "\\_"}) {
    for (const char* sep : {"|", "::", "\n"}) {
      TOVString formatted = TOVUtilities::FormatFreeTextForProgram(text, sep);
      EXPECT_STREQ(TOVUtilities::TranslateFormattedForProgramFreeText(formatted, sep), text);
      EXPECT_EQ(std::string(formatted).find(sep), std::string::npos) << text << sep;
    }
  }
  TOVString withNul("a");
  withNul.Resize(3, '\0'); // NULs inside the text are kept
  EXPECT_TRUE(TOVUtilities::TranslateFormattedForProgramFreeText(
                  TOVUtilities::FormatFreeTextForProgram(withNul, "|"), "|") == withNul);
  TOVGlobalObjectCleaner cleaner;
  EXPECT_FATAL(TOVUtilities::FormatFreeTextForProgram("a", "\\"), "The field separator is \\");
  EXPECT_FATAL(TOVUtilities::TranslateFormattedForProgramFreeText("a", "\\"),
               "The field separator is \\");
}
