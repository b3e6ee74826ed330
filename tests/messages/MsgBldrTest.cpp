#include "MessagesTestSupport.h"
#include "TOVGlobalObjectCleaner.h"

#include <string>

using msgtest::Utf8;

namespace {

const char* const Lines = "NONE = plain text\n"
                          "TWO = first %1, second %2.\n"
                          "THREE = %1 %2 %3\n";

// A builder of message id of the test catalog, in a directory of its own.
class Builder : public TOVParamNLSMsgBldrCtlg {
public:
  explicit Builder(const char* id, const std::string& dir = msgtest::TestCatalogDir(Lines))
      : TOVParamNLSMsgBldrCtlg("TST", id, dir.c_str()) {}
};

std::string Build(TOVParamNLSMsgBldrCtlg& builder) {
  return Utf8(builder.Build());
}

} // namespace

TEST(MsgBldr, FillsParametersOfEveryKindKeepingBytesThatAreNotUtf8) {
  Builder builder("THREE");
  builder.AddNewParameter(-42);
  builder.AddNewParameter("na\xC3\xAFve");
  builder.AddNewParameter(TOVString("str"));
  EXPECT_EQ(Build(builder), "-42 na\xC3\xAFve str");

  builder.SetParameter(1, MORUnicodeString(u"\u00e9t\u00e9"));
  builder.SetParameter(2, 7);
  EXPECT_EQ(Build(builder), "-42 \xC3\xA9t\xC3\xA9 7");
  builder.SetParameter(0, builder.GetParameter(2)); // a parameter taken from the builder
  EXPECT_EQ(Build(builder), "7 \xC3\xA9t\xC3\xA9 7");

  Builder bytes("TWO"); // bytes that are not UTF-8 are kept as Latin-1 characters
  bytes.AddNewParameter("\xFF\xFE");
  bytes.AddNewParameter(TOVString("a\x80z"));
  EXPECT_EQ(Build(bytes), "first \xC3\xBF\xC3\xBE, second a\xC2\x80z.");
}

TEST(MsgBldr, GrowsTheParameterArray) {
  // The parameters, each followed by "|", then the count and the capacity.
  auto state = [](const TOVParamNLSMsgBldrCtlg& b) {
    std::string text;
    for (int i = 0; i < b.GetNbParameters(); ++i)
      text += Utf8(b.GetParameter(i)) + "|";
    return text + std::to_string(b.GetNbParameters()) + "/" +
           std::to_string(b.GetParameterCapacity());
  };
  TOVParamNLSMsgBldrCtlg builder("TST", "NONE", nullptr);
  builder.SetParameter(4, "x");
  EXPECT_EQ(state(builder), "||||x|5/10");
  builder.SetParameter(1, "y"); // below the count: the count stays
  for (int i = 5; i < 10; ++i)
    builder.AddNewParameter(i);
  EXPECT_EQ(state(builder), "|y|||x|5|6|7|8|9|10/10");
  builder.AddNewParameter(10);
  EXPECT_EQ(state(builder), "|y|||x|5|6|7|8|9|10|11/20");
  builder.SetParameter(44, 1);
  EXPECT_EQ(builder.GetParameterCapacity(), 80);
  builder.ClearParameterArray();
  EXPECT_EQ(state(builder), "0/80");
  builder.SetParameter(2, "z"); // earlier values do not come back
  EXPECT_EQ(state(builder), "||z|3/80");
}

TEST(MsgBldr, MarksAWrongNumberOfParameters) {
  Builder few("TWO");
  few.AddNewParameter("one");
  EXPECT_EQ(Build(few),
            "first one, second ???. !!! Wrong message TST - TWO: 1 parameters instead of 2 !!!");
  EXPECT_STREQ(few.GetLastErrorMsg(), "Message TST - TWO: 1 parameters instead of 2");
  // A second build says it once, and a build with the right count clears the reason.
  Build(few);
  EXPECT_STREQ(few.GetLastErrorMsg(), "Message TST - TWO: 1 parameters instead of 2");
  few.AddNewParameter("two");
  EXPECT_EQ(Build(few), "first one, second two.");
  EXPECT_EQ(few.GetLastErrorMsg().Length(), 0);

  Builder many("THREE");
  for (int i = 1; i <= 5; ++i)
    many.AddNewParameter(i);
  EXPECT_EQ(Build(many), "1 2 3 !!! Wrong message TST - THREE: 5 parameters instead of 3 !!!");

  many.ClearParameterArray();
  EXPECT_EQ(Build(many),
            "??? ??? ??? !!! Wrong message TST - THREE: 0 parameters instead of 3 !!!");
  Builder none("NONE");
  none.AddNewParameter("extra");
  EXPECT_EQ(Build(none), "plain text !!! Wrong message TST - NONE: 1 parameters instead of 0 !!!");
}

TEST(MsgBldr, MarksAMissingMessageOrCatalog) {
  TOVParamNLSMsgBldrCtlg missing("TOVBC", "9999", nullptr);
  EXPECT_EQ(Utf8(missing.Build()), "TOVBC - 9999 !!! 9999 not found in catalog TOVBC !!!");
  EXPECT_STREQ(missing.GetLastErrorMsg(), "9999 not found in catalog TOVBC");

  std::string empty = tovtest::MakeTempDir();
  TOVParamNLSMsgBldrCtlg nowhere("NOPE", "0001", empty.c_str());
  std::string text = Utf8(nowhere.Build());
  std::string reason = static_cast<const char*>(nowhere.GetLastErrorMsg());
  EXPECT_FALSE(reason.empty());
  EXPECT_EQ(text, "NOPE - 0001 !!! Invalid message catalog NOPE: " + reason + " !!!");
  EXPECT_STREQ(nowhere.GetMsgCatalogPath(), empty.c_str());

  // A failed load is not retried by the same builder.
  tovtest::WriteFile(empty + "/NOPE.msg", "0001 = found\n");
  EXPECT_EQ(Utf8(nowhere.Build()), text);
  TOVParamNLSMsgBldrCtlg later("NOPE", "0001", empty.c_str());
  EXPECT_EQ(Utf8(later.Build()), "found");
}

TEST(MsgBldr, LoadsTheCatalogOnce) {
  std::string dir = msgtest::TestCatalogDir("NONE = before\n");
  TOVParamNLSMsgBldrCtlg builder("TST", "NONE", dir.c_str());
  EXPECT_EQ(Utf8(builder.Build()), "before");
  tovtest::WriteFile(dir + "/TST.msg", "NONE = after, longer text\n");
  EXPECT_EQ(Utf8(builder.Build()), "before");
  TOVParamNLSMsgBldrCtlg fresh("TST", "NONE", dir.c_str());
  EXPECT_EQ(Utf8(fresh.Build()), "after, longer text");
}

TEST(MsgBldr, FromStringGivesItsTextUnchanged) {
  TOVNLSMsgBldrFromString fixed(MORUnicodeString("help %1 !!! text\n"), "TOVBC", "CONCAT");
  EXPECT_EQ(Utf8(fixed.Build()), "help %1 !!! text\n");
}

TEST(MsgBldrDeathTest, NegativeParameterIndexStops) {
  TOVGlobalObjectCleaner cleaner;
  TOVParamNLSMsgBldrCtlg builder("TOVBC", "0100");
  EXPECT_FATAL(builder.SetParameter(-1, "x"),
               "TOVParamNLSMsgBldrCtlg::SetParameter(): negative index -1");
  EXPECT_FATAL(builder.GetParameter(0),
               "TOVParamNLSMsgBldrCtlg::GetParameter(): index 0 outside 0 to -1");
}
