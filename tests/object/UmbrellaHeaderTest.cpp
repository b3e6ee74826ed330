#include "TOVBasic.h"
#include "TOVTestSupport.h"

#include <dirent.h>
#include <set>
#include <string>

namespace {

std::set<std::string> HeadersIn(const std::string& dir) {
  std::set<std::string> names;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      std::string name = e->d_name;
      if (name.size() > 2 && name.compare(name.size() - 2, 2, ".h") == 0)
        names.insert(name);
    }
    closedir(d);
  }
  return names;
}

} // namespace

TEST(UmbrellaHeader, IncludesEveryExportedHeader) {
  const std::string umbrella =
      tovtest::ReadFile(std::string(TOV_SOURCE_DIR) + "/include/TOVBasic.h");
  ASSERT_FALSE(umbrella.empty());
  for (const char* dir : {"/include", "/WV0CORE/include"}) {
    for (const std::string& name : HeadersIn(std::string(TOV_SOURCE_DIR) + dir)) {
      if (name == "TOVBasic.h")
        continue;
      EXPECT_NE(umbrella.find("#include \"" + name + "\""), std::string::npos)
          << name << " is missing from include/TOVBasic.h";
    }
  }
}
