#include "TOVBasic.h"
#include "TOVTestSupport.h"

#include <filesystem>
#include <string>

TEST(UmbrellaHeader, IncludesEveryExportedHeader) {
  const std::string umbrella =
      tovtest::ReadFile(std::string(TOV_SOURCE_DIR) + "/include/TOVBasic.h");
  ASSERT_FALSE(umbrella.empty());
  for (const char* dir : {"/include", "/WV0CORE/include"})
    for (const auto& file :
         std::filesystem::directory_iterator(std::string(TOV_SOURCE_DIR) + dir)) {
      const std::string name = file.path().filename().string();
      if (file.path().extension() != ".h" || name == "TOVBasic.h")
        continue;
      EXPECT_NE(umbrella.find("#include \"" + name + "\""), std::string::npos)
          << name << " is missing from include/TOVBasic.h";
    }
}
