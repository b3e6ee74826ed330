#include "TOVGlobalObjectCleaner.h"
#include "TOVInputValuePrefix.h"
#include "TOVMappedCodeCmpCodeVal.h"
#include "TOVMappedCodeConvCodeToExtChars.h"
#include "TOVMappedCodeHashCodeVal.h"
#include "TOVMappedCodeSet.h"
#include "TOVMappedCodeWithNames.h"
#include "TOVMergingModes.h"
#include "TOVOSTypes.h"
#include "TOVPendingError.h"
#include "TOVRaiseError.h"
#include "TOVStringExtCharsHash.h"
#include "TOVTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace mctest {

/// A concrete set, as tools derive their own.
class CodeSet : public TOVMappedCodeSet {
  TOV_DECLARE_CLASS(CodeSet)
public:
  explicit CodeSet(int size) : TOVMappedCodeSet(size) {}
  int Count() const { return GetMappedCodeTable().Size(); }
};
TOV_IMPLEMENT_CLASS(CodeSet, TOVMappedCodeSet)

} // namespace mctest

using mctest::CodeSet;
using tovtest::Utf8;

TEST(MappedCode, SetsFindCodesFromTextWithCase) {
  TOVGlobalObjectCleaner cleaner;
  char text[] = "UNIX";
  TOVMappedCode copied(text);
  text[0] = 'X';
  EXPECT_STREQ(copied.GetCode(), "UNIX") << "the code is a copy";
  const TOVOSType& windows = TOVOSTypes::GetGlobalWindowsOSType();
  const TOVOSType& unix = TOVOSTypes::GetGlobalUnixOSType();
  EXPECT_EQ(&windows, &TOVOSTypes::GetGlobalWindowsOSType());
  EXPECT_EQ(Utf8(windows.GetHNameBldr()->Build()), "Windows");
  EXPECT_EQ(Utf8(unix.GetHNameBldr()->Build()), "Unix");

  // A set of a few hundred codes besides the two shared ones, in a small table.
  CodeSet set(2);
  set.AddMappedCode(const_cast<TOVOSType&>(windows));
  set.AddMappedCode(const_cast<TOVOSType&>(unix));
  std::vector<std::unique_ptr<TOVMappedCode>> codes;
  for (int i = 0; i < 300; ++i) {
    codes.push_back(std::make_unique<TOVMappedCode>(("C" + std::to_string(i)).c_str()));
    set.AddMappedCode(*codes.back());
  }
  EXPECT_EQ(set.Count(), 302);
  EXPECT_EQ(set.LookupMappedCodeOnCode(TOVExtAnyChars("UNIX")), &unix);
  for (const char* absent : {"unix", "UNIX ", static_cast<const char*>(nullptr)})
    EXPECT_EQ(set.LookupMappedCodeOnCode(TOVExtAnyChars(absent)), nullptr);
  for (int i = 0; i < 300; i += 13)
    EXPECT_EQ(set.LookupMappedCodeOnCode(TOVExtAnyChars(("C" + std::to_string(i)).c_str())),
              codes[i].get());

  // A code and its text compare equal and hash alike; the order is that of the texts.
  const TOVMappedCodeCmpCodeVal& cmp = TOVMappedCodeCmpCodeVal::GetGlobal();
  const TOVMappedCodeHashCodeVal& hash = TOVMappedCodeHashCodeVal::GetGlobal();
  TOVString unixText("UNIX");
  EXPECT_EQ(cmp.CompareObjects(&unix, &unixText), 0);
  EXPECT_LT(cmp.CompareObjects(&unix, &windows), 0);
  EXPECT_EQ(hash.Code(&unix), TOVStringExtCharsHash::GetGlobal().Code(&unixText));

  // The convertor refers to the code text, and gives null for no code or an empty one.
  TOVMappedCodeConvCodeToExtChars conv;
  conv.Set(&unix);
  EXPECT_EQ(static_cast<const TOVExtChars*>(conv.GetConverted())->GetChars(),
            static_cast<const char*>(unix.GetCode()));
  TOVMappedCode empty;
  conv.Set(&empty);
  EXPECT_EQ(conv.GetConverted(), nullptr);
  conv.Set(&windows);
  conv.Set(nullptr);
  EXPECT_EQ(conv.GetConverted(), nullptr);
}

TEST(MappedCode, NamesPrefixesAndMergingModes) {
  TOVGlobalObjectCleaner cleaner;
  TOVNLSMsgBldrRfHndlr name = TOVCatalogMsg("TOVBC", "WINDOWS");
  TOVMappedCodeWithNames named("W", name, TOVCatalogMsg("TOVBC", "UNIX"));
  EXPECT_EQ(Utf8(named.GetHShortNameBldr()->Build()), "Unix");
  TOVInputValuePrefix prefix("N", name, 3, 3);
  prefix.SetValueLengthMaxi(-5); // no check: the checker gives the maximum its meaning
  EXPECT_EQ(prefix.GetValueLengthMaxi(), -5);
  EXPECT_EQ(TOVInputValuePrefix().GetValueLengthMaxi(), -1);

  TOVMergingModes& modes = TOVMergingModes::GetGlobal();
  EXPECT_EQ(&modes, &TOVMergingModes::GetGlobal());
  EXPECT_EQ(modes.GetMergingModesSet().Size(), 0);
  TOVMappedCode first("1"), second("2");
  TOVVector given(TOVContainerNothingAtDelete);
  given.Add(&first, 0);
  given.Add(&second, 0);
  modes.SetMergingModesSet(given);
  given.Clear(0); // the holder keeps its own list of the modes
  ASSERT_EQ(modes.GetMergingModesSet().Size(), 2);
  EXPECT_EQ(modes.GetMergingModesSet()[1], &second);
}

TEST(MappedCodeDeathTest, NegativeMinimumAndNullArguments) {
  TOVGlobalObjectCleaner cleaner;
  TOVInputValuePrefix prefix("L", TOVNLSMsgBldrRfHndlr(), 0, 8);
  const char* const negative = "ValueLengthMini must be greater or equal than 0";
  EXPECT_FATAL(prefix.SetValueLengthMini(-1), negative);
  EXPECT_FATAL(TOVInputValuePrefix("L", TOVNLSMsgBldrRfHndlr(), -1, 8).GetValueLengthMini(),
               negative);
  TOVMappedCode code("C");
  EXPECT_FATAL(TOVMappedCodeCmpCodeVal().CompareObjects(nullptr, &code),
               "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(TOVMappedCodeHashCodeVal().Code(nullptr), "pObj1 == NULL");
  TOVString text("C");
  EXPECT_DEATH(TOVMappedCodeConvCodeToExtChars().Set(&text), "TOVMappedCode");
}
