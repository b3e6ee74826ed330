#include "TOVMappedCode.h"
#include "TOVObjWithFamily.h"
#include "TOVTestSupport.h"

/// An object whose family is a mapped code shared by many objects.
class Member : public TOVObjWithFamily {
  TOV_DECLARE_CLASS(Member)
public:
  explicit Member(const TOVMappedCode& family) : _Family(family) {}
  const TOVMappedCode& GetFamily() const override { return _Family; }

private:
  const TOVMappedCode& _Family;
};
TOV_IMPLEMENT_CLASS(Member, TOVObjWithFamily)

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
  EXPECT_TRUE(code.IsAKindOf("MORBaseUnknown"));
}

TEST(MappedCode, AFamilyIsOneCodeObject) {
  TOVMappedCode files("FILE"), alsoFiles("FILE");
  Member a(files), b(files), c(alsoFiles);
  EXPECT_EQ(&a.GetFamily(), &b.GetFamily());
  EXPECT_NE(&a.GetFamily(), &c.GetFamily());
  EXPECT_TRUE(a.IsAKindOf("TOVObjWithFamily"));
}
