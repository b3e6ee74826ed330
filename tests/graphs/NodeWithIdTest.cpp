#include "TOVExecGraphNodeWithId.h"
#include "TOVExecGraphNodeWithIdCmpIdVal.h"
#include "TOVExecGraphNodeWithIdHashIdVal.h"
#include "TOVExtAnyChars.h"
#include "TOVHashTable.h"
#include "TOVSortedVector.h"
#include "TOVTestSupport.h"

TEST(NodeWithId, NodesAreFoundFromTheTextOfTheirIdentifier) {
  TOVExecGraphNodeWithId b("b"), a("a"), c("c");
  const auto& cmp = TOVExecGraphNodeWithIdCmpIdVal::GetGlobal();
  const auto& hash = TOVExecGraphNodeWithIdHashIdVal::GetGlobal();
  EXPECT_LT(cmp.CompareObjects(&a, &b), 0);
  EXPECT_GT(cmp.CompareObjects(&c, &b), 0);
  TOVString keyB("b"), missing("B");
  TOVExtAnyChars keyC("c");
  EXPECT_EQ(cmp.CompareObjects(&b, &keyB), 0);
  EXPECT_EQ(cmp.CompareObjects(&keyC, &c), 0);
  EXPECT_EQ(hash.Code(&b), hash.Code(&keyB));
  EXPECT_EQ(hash.Code(&c), hash.Code(&keyC));
  EXPECT_EQ(hash.Code(&b), TOVStringExtCharsHash::GetGlobal().Code(&keyB));
  TOVHashTable table(hash, cmp, TOVContainerNothingAtDelete, 4);
  TOVSortedVector sorted(cmp, TOVContainerNothingAtDelete);
  for (TOVExecGraphNodeWithId* node : {&c, &a, &b}) {
    table.Add(node, 1);
    sorted.Add(node, 1);
  }
  EXPECT_EQ(table.LookupOne(&keyB), &b);
  EXPECT_EQ(table.LookupOne(&keyC), &c);
  EXPECT_EQ(table.LookupOne(&missing), nullptr);
  sorted.Sort();
  EXPECT_EQ(sorted[0], &a);
  EXPECT_EQ(sorted.LookupOne(&keyB), &b);
  // The identifier is a copy.
  TOVString id("x");
  TOVExecGraphNodeWithId x(id);
  id = "y";
  EXPECT_STREQ(x.GetIdentifier(), "x");
}

TEST(NodeWithIdDeathTest, NullArgumentsStop) {
  TOVExecGraphNodeWithId a("a");
  const auto& cmp = TOVExecGraphNodeWithIdCmpIdVal::GetGlobal();
  EXPECT_FATAL(cmp.CompareObjects(nullptr, &a), "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(cmp.CompareObjects(&a, nullptr), "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(TOVExecGraphNodeWithIdHashIdVal::GetGlobal().Code(nullptr), "pObject == NULL");
}
