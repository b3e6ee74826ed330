#include "TOVMappedCode.h"
#include "TOVTestSupport.h"

TEST(MappedCode, KeepsACopyOfItsCode) {
  char text[] = "UNIX";
  TOVMappedCode code(text);
  text[0] = 'X';
  EXPECT_STREQ(code.GetCode(), "UNIX");
  code.SetCode("WINDOWS");
  EXPECT_STREQ(code.GetCode(), "WINDOWS");
  code.SetCode(nullptr);
  EXPECT_EQ(code.GetCode().Length(), 0);
  EXPECT_EQ(TOVMappedCode().GetCode().Length(), 0);
}
