#include "MORError.h"
#include "MORMsgCatalog.h"
#include "TOVTestSupport.h"

#include <cstdlib>

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

using namespace std::string_literals;

namespace {

std::string Narrow(const MORUnicodeString& s) {
  return static_cast<const char*>(s);
}

std::string Text(const MORMsgCatalog& catalog, const char* id) {
  return Narrow(catalog.GetCatalogMsg(id).GetText());
}

// True when source is the compiled-in copy of catalog name, or its installed file (when
// the library was installed under its configured prefix).
bool IsLibraryCopy(const std::string& source, const std::string& name) {
  const std::string installed = "/TOVBasic/catalogs/" + name + ".msg";
  return source == "compiled-in " + name + ".msg" ||
         (source.size() > installed.size() &&
          source.compare(source.size() - installed.size(), installed.size(), installed) == 0);
}

// Each test starts with an empty TOV_MSG_PATH (as the test run sets it) and leaves it so.
class MsgCatalog : public ::testing::Test {
protected:
  void SetUp() override { setenv("TOV_MSG_PATH", "", 1); }
  void TearDown() override { setenv("TOV_MSG_PATH", "", 1); }
  // Writes catalog name into a new directory; gives the directory.
  static std::string Catalog(const std::string& name, const std::string& text) {
    std::string dir = tovtest::MakeTempDir();
    tovtest::WriteFile(dir + "/" + name + ".msg", text);
    return dir;
  }
  static std::string Build(const MORMsg& msg, std::vector<MORUnicodeString> params) {
    return Narrow(msg.BuildMessage(params.data(), static_cast<int>(params.size())));
  }
};

} // namespace

TEST_F(MsgCatalog, ReadsKeysCommentsEscapesAndBlanks) {
  std::string dir = Catalog("CAT", "# a comment\n"
                                   "\n"
                                   "   \t\n"
                                   "0001 = File %1 not found\n"
                                   "  0002\t=\tTwo\\nlines \\\\ back \r\n"
                                   "0003=\n"
                                   "KEY_X = a = b\n"
                                   "0004 = \xC3\xA9t\xC3\xA9 \xFF");
  MORMsgCatalog catalog;
  ASSERT_TRUE(catalog.LoadMsgCatalog("CAT", dir.c_str())) << catalog.GetError();
  EXPECT_STREQ(catalog.GetError(), "");
  EXPECT_EQ(catalog.GetSource(), dir + "/CAT.msg");
  EXPECT_EQ(catalog.GetMsgCount(), 5);
  EXPECT_EQ(Text(catalog, "0001"), "File %1 not found");
  EXPECT_EQ(Text(catalog, "0002"), "Two\nlines \\ back ");
  EXPECT_FALSE(catalog.GetCatalogMsg("0003").IsEmpty());
  EXPECT_EQ(Text(catalog, "0003"), "");
  EXPECT_EQ(Text(catalog, "KEY_X"), "a = b");
  // The last line has no end of line and is still a message; the stray byte is kept.
  EXPECT_EQ(Text(catalog, "0004"), "\xC3\xA9t\xC3\xA9 \xC3\xBF");
  for (const char* id : {"9999", static_cast<const char*>(nullptr), "# a comment"})
    EXPECT_TRUE(catalog.GetCatalogMsg(id).IsEmpty()) << (id ? id : "null");
}

TEST_F(MsgCatalog, BuildsMessagesWithOneBasedParameters) {
  MORMsgCatalog catalog;
  const std::string text = "A = %2 then %1, 100%% sure, %0 and %x stay, %\n"
                           "B = %9\n"
                           "C = no parameters %%1\n"
                           "D = %1%1%1\n";
  ASSERT_TRUE(catalog.LoadMsgCatalogFromText("T", text.data(), text.size(), "test"));
  MORMsg a = catalog.GetCatalogMsg("A");
  EXPECT_EQ(a.GetMaxParamIndex(), 2);
  EXPECT_EQ(Build(a, {"one", "two"}), "two then one, 100% sure, %0 and %x stay, %");
  // A parameter beyond those given stays visible.
  EXPECT_EQ(Build(a, {"one"}), "%2 then one, 100% sure, %0 and %x stay, %");
  EXPECT_EQ(Narrow(a.BuildMessage(nullptr, 0)), "%2 then %1, 100% sure, %0 and %x stay, %");
  EXPECT_EQ(catalog.GetCatalogMsg("B").GetMaxParamIndex(), 9);
  EXPECT_EQ(catalog.GetCatalogMsg("C").GetMaxParamIndex(), 0);
  EXPECT_EQ(Build(catalog.GetCatalogMsg("C"), {"x"}), "no parameters %1");
  // Parameters are not scanned again: a "%1" inside one is kept as it is.
  EXPECT_EQ(Build(catalog.GetCatalogMsg("D"), {"%1\xE2\x82\xAC"}),
            "%1\xE2\x82\xAC%1\xE2\x82\xAC%1\xE2\x82\xAC");
  EXPECT_EQ(MORMsg().GetMaxParamIndex(), 0);
}

TEST_F(MsgCatalog, SearchOrderPathThenEnvironmentThenCompiledIn) {
  std::string first = Catalog("ORD", "K = first\n");
  std::string second = Catalog("ORD", "K = second\n");
  std::string empty = tovtest::MakeTempDir();
  MORMsgCatalog catalog;

  // No TOV_MSG_PATH and nothing installed under that name: not found, and why.
  EXPECT_FALSE(catalog.LoadMsgCatalog("ORD", nullptr));
  EXPECT_NE(std::string(catalog.GetError()).find("ORD.msg not found"), std::string::npos)
      << catalog.GetError();

  setenv("TOV_MSG_PATH", (empty + "::" + second + ":" + first).c_str(), 1);
  ASSERT_TRUE(catalog.LoadMsgCatalog("ORD", nullptr)) << catalog.GetError();
  EXPECT_EQ(Text(catalog, "K"), "second");
  EXPECT_EQ(catalog.GetSource(), second + "/ORD.msg");

  // A path given looks there only.
  ASSERT_TRUE(catalog.LoadMsgCatalog("ORD", first.c_str()));
  EXPECT_EQ(Text(catalog, "K"), "first");
  EXPECT_FALSE(catalog.LoadMsgCatalog("ORD", empty.c_str()));
  EXPECT_EQ(std::string(catalog.GetError()), empty + "/ORD.msg: No such file or directory");
  EXPECT_TRUE(catalog.GetCatalogMsg("K").IsEmpty());

  // The library's catalog falls back to its compiled-in copy, but not when a path is given.
  ASSERT_TRUE(catalog.LoadMsgCatalog("TOVBC", nullptr)) << catalog.GetError();
  EXPECT_STREQ(catalog.GetError(), "");
  EXPECT_TRUE(IsLibraryCopy(catalog.GetSource(), "TOVBC")) << catalog.GetSource();
  EXPECT_FALSE(catalog.LoadMsgCatalog("TOVBC", empty.c_str()));
  EXPECT_FALSE(catalog.LoadMsgCatalog("NOTACATALOG", nullptr));
  // A directory of the path holding the library's catalog overrides the compiled-in one.
  std::string override = Catalog("TOVBC", "0001 = overridden\n");
  setenv("TOV_MSG_PATH", override.c_str(), 1);
  ASSERT_TRUE(catalog.LoadMsgCatalog("TOVBC", nullptr));
  EXPECT_EQ(Text(catalog, "0001"), "overridden");
}

TEST_F(MsgCatalog, MalformedLinesAreSkippedAndTheFirstIsNamed) {
  std::string text = "GOOD1 = one\n"
                     "no equal sign\n"
                     "BAD = unknown \\t escape\n"
                     " = empty key\n"
                     "TWO WORDS = x\n"
                     "TAIL = backslash at end \\\n"
                     "CTRL = bell \x07\n"
                     "NUL = a\0b\n"
                     "GOOD2 = two\n"s;
  text.insert(text.find("GOOD2"), "HUGE = " + std::string(70000, 'x') + "\n");
  std::string dir = Catalog("BAD", text);
  MORMsgCatalog catalog;
  ASSERT_TRUE(catalog.LoadMsgCatalog("BAD", dir.c_str()));
  EXPECT_EQ(std::string(catalog.GetError()),
            dir + "/BAD.msg: line 2: missing \"=\" (and 7 more bad lines)");
  EXPECT_EQ(catalog.GetMsgCount(), 2);
  EXPECT_EQ(Text(catalog, "GOOD2"), "two");
  for (const char* id : {"BAD", "TAIL", "CTRL", "NUL", "HUGE", "TWO"})
    EXPECT_TRUE(catalog.GetCatalogMsg(id).IsEmpty()) << id;

  struct Case {
    std::string text;
    std::string reason;
  } cases[] = {
      {"A = \\q\n", "line 1: unknown escape"},
      {"\n\nA = x\\", "line 3: \"\\\" at the end of the line"},
      {"A = x\n\x01\x02\x03", "line 2: control character"},
      {std::string("A\0= x\n", 6), "line 1: NUL byte"},
  };
  for (const Case& c : cases) {
    MORMsgCatalog one;
    one.LoadMsgCatalogFromText("X", c.text.data(), c.text.size(), "mem");
    EXPECT_EQ(std::string(one.GetError()), "mem: " + c.reason) << c.text;
  }
}

TEST_F(MsgCatalog, UnreadableFilesFailWithTheReason) {
  MORMsgCatalog catalog;
  // Nothing readable at all: a binary file is refused.
  std::string binary;
  for (int i = 0; i < 256; ++i)
    binary += static_cast<char>(i);
  std::string dir = Catalog("BIN", binary);
  EXPECT_FALSE(catalog.LoadMsgCatalog("BIN", dir.c_str()));
  EXPECT_EQ(std::string(catalog.GetError()),
            dir + "/BIN.msg: line 1: NUL byte (and 1 more bad lines)");

  // A directory in place of the file.
  std::string parent = tovtest::MakeTempDir();
  mkdir((parent + "/DIR.msg").c_str(), 0700);
  EXPECT_FALSE(catalog.LoadMsgCatalog("DIR", parent.c_str()));
  EXPECT_EQ(std::string(catalog.GetError()), parent + "/DIR.msg: not a regular file");

  // A file in the way of the search is reported when nothing else is found...
  setenv("TOV_MSG_PATH", parent.c_str(), 1);
  EXPECT_FALSE(catalog.LoadMsgCatalog("DIR", nullptr));
  EXPECT_EQ(std::string(catalog.GetError()), parent + "/DIR.msg: not a regular file");
  // ...and skipped when a later directory has the catalog.
  std::string good = Catalog("DIR", "K = v\n");
  setenv("TOV_MSG_PATH", (parent + ":" + good).c_str(), 1);
  EXPECT_TRUE(catalog.LoadMsgCatalog("DIR", nullptr));

  for (const char* name : {"", "../etc/x", ".", ".."}) {
    EXPECT_FALSE(catalog.LoadMsgCatalog(name, dir.c_str())) << name;
    EXPECT_STRNE(catalog.GetError(), "");
  }
  EXPECT_FALSE(catalog.LoadMsgCatalog(nullptr, nullptr));
  EXPECT_STREQ(catalog.GetError(), "no catalog name given");
}

TEST_F(MsgCatalog, ChangedFileIsReadAgain) {
  std::string dir = Catalog("CHG", "K = before\n");
  MORMsgCatalog catalog;
  ASSERT_TRUE(catalog.LoadMsgCatalog("CHG", dir.c_str()));
  EXPECT_EQ(Text(catalog, "K"), "before");
  // Same size, written at once: the file's time may not have changed.
  tovtest::WriteFile(dir + "/CHG.msg", "K = after!\n");
  MORMsgCatalog again;
  ASSERT_TRUE(again.LoadMsgCatalog("CHG", dir.c_str()));
  EXPECT_EQ(Text(again, "K"), "after!");
  // A message taken before stays valid.
  EXPECT_EQ(Text(catalog, "K"), "before");
}

TEST_F(MsgCatalog, ErrorDiagnosticComesFromItsCatalog) {
  std::string dir = Catalog("ERRCAT", "0042 = Disk %1 is full\n");
  setenv("TOV_MSG_PATH", dir.c_str(), 1);
  MORError* error = new MORError(1, "0042", "ERRCAT");
  EXPECT_EQ(Narrow(error->GetNLSDiagnostic()), "Disk %1 is full");
  EXPECT_EQ(Narrow(error->GetNLSMessage()), "Disk %1 is full");
  EXPECT_EQ(Narrow(error->GetNLSAdvice()), "");
  error->SetMsgId("0043");
  EXPECT_EQ(Narrow(error->GetNLSDiagnostic()), "");
  error->Release();
}
