#include "TOVExtAnyChars.h"
#include "TOVExtAnyInteger.h"
#include "TOVExtAnyString.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVHashTable.h"
#include "TOVStringConvToExtChars.h"
#include "TOVStringExtCharsCmp.h"
#include "TOVStringExtCharsCmpNoCase.h"
#include "TOVStringExtCharsConvToLowerExtChars.h"
#include "TOVStringExtCharsConvToUpperExtChars.h"
#include "TOVStringExtCharsHash.h"
#include "TOVStringExtCharsHashNoCase.h"
#include "TOVTestSupport.h"

#include <string>
#include <vector>

namespace {

// An external text value that says it is not null but has no characters.
class NoCharsExt : public TOVExtChars {
public:
  unsigned int IsDbNull() const override { return 0; }
  const char* GetChars() const override { return nullptr; }
};

// The fatal report and the shared strategies need the global object cleaner.
class TextStrategy : public ::testing::Test {
protected:
  TOVGlobalObjectCleaner _Cleaner;
  const TOVStringExtCharsCmp& _Cmp = TOVStringExtCharsCmp::GetGlobal();
  const TOVStringExtCharsCmpNoCase& _CmpNoCase = TOVStringExtCharsCmpNoCase::GetGlobal();
  const TOVStringExtCharsHash& _Hash = TOVStringExtCharsHash::GetGlobal();
  const TOVStringExtCharsHashNoCase& _HashNoCase = TOVStringExtCharsHashNoCase::GetGlobal();
  const std::vector<const TOVComparator*> _Cmps = {&_Cmp, &_CmpNoCase};
  const std::vector<const TOVHashCoder*> _Hashes = {&_Hash, &_HashNoCase};
};

// The code that coder gives a TOVString holding text.
unsigned int CodeOf(const TOVHashCoder& coder, const char* text) {
  TOVString string(text);
  return coder.Code(&string);
}

// The text of an external value made by a convertor.
const char* Converted(const TOVConvertor& conv) {
  return TOVCheckedCast<TOVExtChars>(conv.GetConverted())->GetChars();
}

} // namespace

using TextStrategyDeathTest = TextStrategy;

TEST_F(TextStrategy, HashFollowsLengthThenTimesSeventeenPlusSignedByte) {
  EXPECT_EQ(44537u, CodeOf(_Hash, "abc"));
  EXPECT_EQ(0u, CodeOf(_Hash, ""));
  // A byte above 0x7F counts as negative: 0xE9 adds -23.
  EXPECT_EQ(static_cast<unsigned int>(17 - 23), CodeOf(_Hash, "\xE9"));
  EXPECT_EQ((2u * 17u + 97u) * 17u - 23u, CodeOf(_Hash, "a\xE9"));
  // A long text wraps modulo 2^32 without trouble.
  std::string longText(1000, 'q');
  unsigned int expected = 1000;
  for (char c : longText)
    expected = expected * 17u + static_cast<unsigned char>(c);
  EXPECT_EQ(expected, CodeOf(_Hash, longText.c_str()));
  // A string counts every byte, even after a zero; an external value stops at it.
  TOVString withZero("a");
  withZero.Resize(3, '\0');
  EXPECT_EQ(((3u * 17u + 97u) * 17u) * 17u, _Hash.Code(&withZero));
  TOVExtAnyChars chars(static_cast<const char*>(withZero));
  EXPECT_EQ(114u, _Hash.Code(&chars));
}

TEST_F(TextStrategy, StringAndExternalTextsCompareAndHashAlikeNullAsEmpty) {
  TOVString string("same text");
  TOVExtAnyChars chars("same text");
  TOVExtAnyString extString("same text");
  EXPECT_EQ(0, _Cmp.CompareObjects(&string, &chars));
  EXPECT_EQ(0, _Cmp.CompareObjects(&extString, &string));
  EXPECT_EQ(_Hash.Code(&string), _Hash.Code(&chars));
  EXPECT_EQ(_Hash.Code(&string), _Hash.Code(&extString));
  EXPECT_EQ(_HashNoCase.Code(&string), _HashNoCase.Code(&chars));

  // Empty and null texts sort first and hash as empty, as the comparators call them equal.
  TOVString empty(""), nonEmpty("a");
  TOVExtAnyChars nullChars, emptyChars("");
  TOVExtAnyString nullString;
  for (const TOVComparator* cmp : _Cmps) {
    EXPECT_EQ(1, cmp->CompareObjects(&nonEmpty, &empty));
    EXPECT_EQ(0, cmp->CompareObjects(&nullChars, &empty));
    EXPECT_EQ(0, cmp->CompareObjects(&nullString, &emptyChars));
    EXPECT_EQ(-1, cmp->CompareObjects(&nullChars, &nonEmpty));
    EXPECT_EQ(1, cmp->CompareObjects(&nonEmpty, &nullString));
  }
  EXPECT_EQ(0u, _Hash.Code(&nullChars));
  EXPECT_EQ(0u, _Hash.Code(&nullString));
  EXPECT_EQ(0u, _HashNoCase.Code(&emptyChars));
}

TEST_F(TextStrategy, ComparisonIsByUnsignedBytesWithUnitResultsAndNoCaseFoldsCase) {
  TOVString a("a"), z("z"), ab("ab"), abc("abc"), accent("\xE9"), upper("Z");
  EXPECT_EQ(-1, _Cmp.CompareObjects(&a, &z)); // not the byte difference -25
  EXPECT_EQ(1, _Cmp.CompareObjects(&abc, &ab));
  EXPECT_EQ(1, _Cmp.CompareObjects(&accent, &z)); // 0xE9 after z
  EXPECT_EQ(-1, _Cmp.CompareObjects(&upper, &a)); // case respected: Z before a
  TOVString upperAbc("ABC"), mixed("aBd");
  EXPECT_EQ(0, _CmpNoCase.CompareObjects(&abc, &upperAbc));
  EXPECT_LT(_CmpNoCase.CompareObjects(&upperAbc, &mixed), 0);
  EXPECT_EQ(_Hash.Code(&abc), _HashNoCase.Code(&upperAbc));
  EXPECT_NE(_Hash.Code(&upperAbc), _HashNoCase.Code(&upperAbc));
  // A byte above 0x7F keeps its signed value when the locale does not fold it.
  EXPECT_EQ(CodeOf(_Hash, "\xE9"), CodeOf(_HashNoCase, "\xE9"));

  // Texts that the no-case comparator calls equal get the same no-case code.
  for (int x = 1; x < 256; ++x) {
    for (int y = 1; y < 256; ++y) {
      const char first[] = {'k', static_cast<char>(x), '\0'};
      const char second[] = {'K', static_cast<char>(y), '\0'};
      TOVExtAnyChars a(first), b(second);
      if (_CmpNoCase.CompareObjects(&a, &b) == 0)
        ASSERT_EQ(_HashNoCase.Code(&a), _HashNoCase.Code(&b)) << x << " " << y;
      else
        ASSERT_NE(x, y);
    }
  }
}

TEST_F(TextStrategy, StrategiesLetAHashTableFindStringsByExternalKeys) {
  TOVString alpha("alpha"), beta("Beta"), empty("");
  TOVHashTable table(_Hash, _Cmp, TOVContainerNothingAtDelete, 7);
  TOVHashTable tableNoCase(_HashNoCase, _CmpNoCase, TOVContainerNothingAtDelete, 7);
  for (TOVHashTable* t : {&table, &tableNoCase})
    for (MORBaseUnknown* obj : std::vector<MORBaseUnknown*>{&alpha, &beta, &empty})
      t->Add(obj, 0);
  TOVExtAnyChars key("alpha"), upperKey("BETA"), emptyKey("");
  EXPECT_EQ(&alpha, table.LookupOne(&key));
  EXPECT_EQ(nullptr, table.LookupOne(&upperKey));
  EXPECT_EQ(&beta, tableNoCase.LookupOne(&upperKey));
  EXPECT_EQ(&empty, tableNoCase.LookupOne(&emptyKey));
}

TEST_F(TextStrategyDeathTest, MissingOrForeignObjectsStopTheProcess) {
  TOVString text("t");
  TOVExtAnyInteger number(3);
  for (const TOVComparator* cmp : _Cmps) {
    EXPECT_FATAL(cmp->CompareObjects(&text, nullptr), "pObj1 == NULL OR pObj2 == NULL");
    EXPECT_FATAL(cmp->CompareObjects(&number, &text),
                 "pObj1 is neither an TOVString nor an TOVExtChars but a TOVExtAnyInteger");
    EXPECT_FATAL(cmp->CompareObjects(&text, &number),
                 "pObj2 is neither an TOVString nor an TOVExtChars but a TOVExtAnyInteger");
  }
  NoCharsExt noChars;
  for (const TOVHashCoder* hash : _Hashes) {
    EXPECT_FATAL(hash->Code(nullptr), "pObject == NULL");
    EXPECT_FATAL(hash->Code(&number),
                 "pObject is neither an TOVString nor an TOVExtChars but a TOVExtAnyInteger");
    EXPECT_FATAL(hash->Code(&noChars), "Chars1 pointer is NULL");
  }
}

TEST_F(TextStrategyDeathTest, ConvertorsReferToOrCopyTheText) {
  TOVStringConvToExtChars conv;
  TOVString text("MiXeD");
  conv.Set(&text);
  EXPECT_EQ(static_cast<const char*>(text), Converted(conv)); // no copy
  TOVString empty("");
  conv.Set(&empty);
  EXPECT_EQ(1u, TOVCheckedCast<TOVExtAnyChars>(conv.GetConverted())->IsDbNull());
  conv.Set(nullptr);
  EXPECT_EQ(nullptr, conv.GetConverted());
  TOVExtAnyChars notAString("x");
  EXPECT_FATAL(conv.Set(&notAString), "TOVConversionCheck::Check: object is not a \"TOVString\" "
                                      "but a \"TOVExtAnyChars\"");

  // The case convertors copy and convert the text, from a string or an external value.
  TOVStringExtCharsConvToLowerExtChars lower;
  TOVStringExtCharsConvToUpperExtChars upper;
  lower.Set(&text);
  upper.Set(&text);
  EXPECT_STREQ("mixed", Converted(lower));
  EXPECT_STREQ("MIXED", Converted(upper));
  EXPECT_STREQ("MiXeD", text);
  TOVExtAnyChars chars("Key-1");
  lower.Set(&chars);
  EXPECT_STREQ("key-1", Converted(lower));
  TOVExtAnyString nullText;
  upper.Set(&nullText);
  EXPECT_EQ(1u, TOVCheckedCast<TOVExtAnyString>(upper.GetConverted())->IsDbNull());
  lower.Set(nullptr);
  EXPECT_EQ(nullptr, lower.GetConverted());
  TOVExtAnyInteger number(1);
  EXPECT_FATAL(upper.Set(&number), "TOVConversionCheck::Check: object is not a \"TOVExtChars\" "
                                   "but a \"TOVExtAnyInteger\"");
}

TEST(TextStrategySharedDeathTest, SharedInstancesBelongToTheCleanerAndAreRemadeAfterIt) {
  int before;
  {
    TOVGlobalObjectCleaner cleaner;
    before = cleaner.GetCount();
    for (int twice = 0; twice < 2; ++twice) {
      TOVStringExtCharsCmp::GetGlobal();
      TOVStringExtCharsHash::GetGlobal();
      TOVStringExtCharsCmpNoCase::GetGlobal();
      TOVStringExtCharsHashNoCase::GetGlobal();
    }
    EXPECT_EQ(before + 4, cleaner.GetCount());
  }
  EXPECT_FATAL(TOVStringExtCharsHashNoCase::GetGlobal(), "One global object cleaner must exist");
  TOVGlobalObjectCleaner cleaner;
  TOVString a("a"), b("b");
  EXPECT_EQ(-1, TOVStringExtCharsCmp::GetGlobal().CompareObjects(&a, &b));
  EXPECT_EQ(114u, TOVStringExtCharsHash::GetGlobal().Code(&a));
  EXPECT_EQ(before + 2, cleaner.GetCount());
}
