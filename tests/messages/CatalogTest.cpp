#include "MORMsgCatalog.h"
#include "MessagesTestSupport.h"

#include <map>
#include <set>
#include <string>
#include <vector>

using msgtest::Utf8;

namespace {

struct CatalogUse {
  const char* catalog;
  const char* msgId;
  int nbParameters;
  const char* user;
};

// Every message of the library, from the one table that callers extend.
#define TOV_CATALOG_USE(catalog, msgId, nbParameters, user) {catalog, msgId, nbParameters, user},
const CatalogUse Uses[] = {
#include "CatalogUses.inc"
};
#undef TOV_CATALOG_USE

const char* const LibraryCatalogs[] = {"TOVBC", "TOVCMD", "TOVSYS", "TOVSOCK", "TOVCOM"};

// Parameters that the built text shows recognisably: <1>, <2>, ...
std::vector<MORUnicodeString> Markers(int count) {
  std::vector<MORUnicodeString> markers;
  for (int i = 1; i <= count; ++i)
    markers.emplace_back(("<" + std::to_string(i) + ">").c_str());
  return markers;
}

} // namespace

TEST(Catalog, EveryUsedMessageExistsWithItsParametersInFilesAndLibrary) {
  std::string dir = std::string(TOV_SOURCE_DIR) + "/catalogs";
  // A message used by several callers is listed once per caller: count distinct ids.
  std::map<std::string, std::set<std::string>> idsPerCatalog;
  for (const CatalogUse& use : Uses) {
    SCOPED_TRACE(std::string(use.catalog) + " " + use.msgId + " (" + use.user + ")");
    idsPerCatalog[use.catalog].insert(use.msgId);
    MORMsgCatalog catalog;
    ASSERT_NE(catalog.LoadMsgCatalog(use.catalog, dir.c_str()), 0) << catalog.GetError();
    EXPECT_STREQ(catalog.GetError(), "");
    MORMsg message = catalog.GetCatalogMsg(use.msgId);
    ASSERT_FALSE(message.IsEmpty());
    EXPECT_EQ(message.GetMaxParamIndex(), use.nbParameters);
    // Every parameter up to the highest is shown; none is silently left out.
    std::vector<MORUnicodeString> markers = Markers(use.nbParameters);
    std::string text = Utf8(message.BuildMessage(markers.data(), use.nbParameters));
    for (int i = 1; i <= use.nbParameters; ++i)
      EXPECT_NE(text.find("<" + std::to_string(i) + ">"), std::string::npos) << text;
    EXPECT_NE(text.find_first_not_of(" \n"), std::string::npos);
    // The copy compiled into the library matches the file (TOV_MSG_PATH is empty under ctest).
    MORMsgCatalog anywhere;
    ASSERT_NE(anywhere.LoadMsgCatalog(use.catalog, nullptr), 0) << anywhere.GetError();
    EXPECT_EQ(Utf8(message.GetText()), Utf8(anywhere.GetCatalogMsg(use.msgId).GetText()));
  }
  // No catalog holds a message that nobody uses (a sign of a misspelt id).
  for (const char* name : LibraryCatalogs) {
    MORMsgCatalog catalog;
    ASSERT_NE(catalog.LoadMsgCatalog(name, dir.c_str()), 0) << catalog.GetError();
    EXPECT_EQ(catalog.GetMsgCount(), static_cast<int>(idsPerCatalog[name].size())) << name;
    // Nor does the compiled-in copy hold more.
    MORMsgCatalog builtin;
    ASSERT_NE(builtin.LoadMsgCatalog(name, nullptr), 0) << builtin.GetError();
    EXPECT_EQ(builtin.GetMsgCount(), catalog.GetMsgCount()) << name;
  }
}
