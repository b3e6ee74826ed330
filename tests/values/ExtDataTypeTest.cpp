#include "TOVExtAnyBoolean.h"
#include "TOVExtAnyChars.h"
#include "TOVExtAnyConstPointer.h"
#include "TOVExtAnyDate.h"
#include "TOVExtAnyInteger.h"
#include "TOVExtAnyString.h"
#include "TOVExtAnyVarPointer.h"
#include "TOVExtDbNullBoolean.h"
#include "TOVExtDbNullDate.h"
#include "TOVExtDbNullInteger.h"
#include "TOVExtIntegerCmp.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVSortedVector.h"
#include "TOVTestSupport.h"

#include <climits>
#include <vector>

namespace {

const char* kNull = "The Value is null";

// The fatal report needs the global object cleaner, which the library never makes.
class ExtValue : public ::testing::Test {
protected:
  TOVGlobalObjectCleaner _Cleaner;
};

} // namespace

using ExtValueDeathTest = ExtValue;

TEST_F(ExtValueDeathTest, CharsReferToTheCallersTextAndAnEmptyOneIsNull) {
  TOVExtAnyChars absent, empty("");
  EXPECT_EQ(2u, absent.IsDbNull() + empty.IsDbNull());
  EXPECT_FATAL(empty.GetChars(), kNull);
  EXPECT_FATAL(absent.GetChars(), kNull);
  empty.SetChars(nullptr);
  EXPECT_EQ(1u, empty.IsDbNull());
  char buffer[] = "abc";
  TOVExtAnyChars value(buffer);
  buffer[0] = '\0'; // emptied in place: the value is null now
  EXPECT_EQ(1u, value.IsDbNull());
  // A copy or an assignment refers to the same characters; from a null value, null.
  buffer[0] = 'a';
  TOVExtAnyChars copy(value), assigned;
  assigned = static_cast<const TOVExtChars&>(value);
  EXPECT_EQ(buffer, copy.GetChars());
  EXPECT_EQ(buffer, assigned.GetChars());
  assigned = TOVExtAnyChars();
  EXPECT_EQ(1u, assigned.IsDbNull());
}

TEST_F(ExtValueDeathTest, StringKeepsItsOwnCopyOfTheWholeString) {
  char buffer[] = "abc";
  TOVExtAnyString value(buffer), fromChars{TOVExtAnyChars(buffer)};
  TOVString s("def");
  TOVExtAnyString fromString(s);
  buffer[0] = 'x';
  s = "changed";
  EXPECT_STREQ("abc", value.GetChars());
  EXPECT_STREQ("abc", fromChars.GetChars());
  EXPECT_STREQ("def", fromString.GetChars());
  // A byte after an embedded zero survives only when the string itself is copied.
  TOVString withZero("ab");
  withZero.Resize(4, '\0');
  withZero.Resize(5, 'z');
  TOVExtAnyString source(withZero), target, viaChars;
  target.SetExtChars(source);
  EXPECT_TRUE(target.GetString() == withZero);
  viaChars.SetExtChars(TOVExtAnyChars(source.GetChars()));
  EXPECT_EQ(2, viaChars.GetString().Length());

  value.SetToDbNull();
  EXPECT_EQ(0, value.String().Length());
  EXPECT_FATAL(value.GetChars(), kNull);
  EXPECT_FATAL(value.GetString(), kNull);
  value.String() = "again"; // direct access makes it a value again
  EXPECT_STREQ("again", value.GetChars());
  value = "";
  EXPECT_EQ(1u, value.IsDbNull());
  target = TOVExtAnyChars("");
  EXPECT_EQ(1u, target.IsDbNull());
  // Set from itself or from its own text, the text is kept.
  value = "self";
  TOVExtAnyString& alias = value;
  value = alias;
  value.SetExtChars(TOVExtAnyChars(value.GetChars()));
  EXPECT_STREQ("self", value.GetChars());
  value.SetChars(value.GetChars() + 2);
  EXPECT_STREQ("lf", value.GetChars());
}

TEST_F(ExtValueDeathTest, PointersReadANullPointerButNotItsObject) {
  TOVExtAnyConstPointer value;
  EXPECT_EQ(nullptr, value.GetConstPointer());
  EXPECT_FATAL(value.GetConstRef(), kNull);
  TOVString object("o");
  TOVExtAnyVarPointer var(&object), target(&object);
  TOVExtAnyConstPointer fromVar(var);
  EXPECT_EQ(&object, &fromVar.GetConstRef());
  fromVar = TOVExtAnyVarPointer();
  EXPECT_EQ(1u, fromVar.IsDbNull());
  static_cast<TOVString&>(var.GetVarRef()) = "changed";
  EXPECT_STREQ("changed", object);
  target.SetExtVarPointer(TOVExtAnyVarPointer());
  EXPECT_EQ(nullptr, target.GetVarPointer());
  EXPECT_FATAL(target.GetVarRef(), kNull);
  EXPECT_FATAL(target.GetConstRef(), kNull);
  target = var;
  EXPECT_EQ(&object, target.GetVarPointer());
  target = static_cast<MORBaseUnknown*>(nullptr);
  EXPECT_EQ(1u, target.IsDbNull());
  // The two pointer branches are distinct.
  EXPECT_FALSE(var.IsAKindOf("TOVExtConstPointer") || value.IsAKindOf("TOVExtVarPointer"));
}

TEST_F(ExtValueDeathTest, NullFlagKeepsTheValueUnderneathAndTheNullKindsHaveNone) {
  TOVExtAnyInteger value(5), target(9);
  value.SetToDbNull();
  EXPECT_FATAL(value.GetInteger(), kNull);
  target.SetExtInteger(value);
  EXPECT_EQ(1u, target.IsDbNull());
  target = TOVExtAnyInteger(INT_MIN);
  EXPECT_EQ(INT_MIN, target.GetInteger());
  target = TOVExtDbNullInteger();
  EXPECT_EQ(1u, target.IsDbNull());
  target = 0;
  EXPECT_EQ(0, target.GetInteger());

  TOVExtAnyBoolean boolean(7u), booleanTarget(1u); // kept as given, not folded to 0 or 1
  EXPECT_EQ(7u, boolean.GetBoolean());
  boolean.SetToDbNull();
  EXPECT_FATAL(boolean.GetBoolean(), kNull);
  booleanTarget = boolean;
  EXPECT_EQ(1u, booleanTarget.IsDbNull());
  booleanTarget = TOVExtAnyBoolean(0u);
  EXPECT_EQ(0u, booleanTarget.GetBoolean());
  booleanTarget.SetExtBoolean(TOVExtDbNullBoolean());
  EXPECT_EQ(1u, booleanTarget.IsDbNull() * TOVExtAnyBoolean().IsDbNull());

  TOVExtAnyDate date;
  EXPECT_FATAL(date.GetDate(), kNull);
  date.Date().SetDate(2007, 11, 16, 9, 5, 0); // direct access leaves the flag
  EXPECT_EQ(1u, date.IsDbNull());
  TOVDate source(2024, 2, 29, 23, 59, 59);
  date = source;
  source.SetDate(2000, 1, 1, 0, 0, 0); // the value is a copy
  EXPECT_EQ(2024, date.GetDate().GetYear());
  TOVExtAnyDate copy(date);
  copy = TOVExtDbNullDate();
  EXPECT_EQ(1u, copy.IsDbNull());
  copy = static_cast<const TOVExtDate&>(date);
  copy.SetToDbNull();
  EXPECT_EQ(2024, copy.Date().GetYear());

  EXPECT_FATAL(TOVExtDbNullInteger().GetInteger(), "No GetInteger() for a TOVExtDbNullInteger");
  EXPECT_FATAL(TOVExtDbNullBoolean().GetBoolean(), "No GetBoolean() for a TOVExtDbNullBoolean");
  EXPECT_FATAL(TOVExtDbNullDate().GetDate(), "No GetDate() for a TOVExtDbNullDate");
}

TEST_F(ExtValueDeathTest, IntegerComparatorSortsNullFirstThenByValueAndRefusesOtherObjects) {
  const TOVExtIntegerCmp& cmp = TOVExtIntegerCmp::GetGlobal();
  TOVExtAnyInteger seven(7), minusThree(-3), zero(0), null, lowest(INT_MIN), highest(INT_MAX);
  TOVExtDbNullInteger alwaysNull;
  TOVSortedVector sorted(cmp, TOVContainerNothingAtDelete);
  for (MORBaseUnknown* obj : std::vector<MORBaseUnknown*>{&seven, &null, &zero, &minusThree})
    sorted.Add(obj, 0);
  sorted.Sort();
  std::vector<const MORBaseUnknown*> order;
  for (int i = 0; i < sorted.Size(); ++i)
    order.push_back(sorted[i]);
  EXPECT_EQ((std::vector<const MORBaseUnknown*>{&null, &minusThree, &zero, &seven}), order);
  TOVExtAnyInteger key(7);
  EXPECT_EQ(&seven, sorted.LookupOne(&key));
  EXPECT_EQ(0, cmp.CompareObjects(&null, &alwaysNull));
  EXPECT_EQ(-1, cmp.CompareObjects(&alwaysNull, &minusThree));
  // The extremes are ordered without overflowing a difference.
  EXPECT_EQ(-1, cmp.CompareObjects(&lowest, &highest));
  EXPECT_EQ(1, cmp.CompareObjects(&highest, &lowest));

  TOVExtAnyBoolean notAnInteger(1u);
  EXPECT_FATAL(cmp.CompareObjects(nullptr, &seven), "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(cmp.CompareObjects(&notAnInteger, &seven), "pObj1 is not an TOVExtInteger");
  EXPECT_FATAL(cmp.CompareObjects(&seven, &notAnInteger), "pObj2 is not an TOVExtInteger");
}

TEST(ExtValueShared, IntegerComparatorBelongsToTheCleanerAndIsRemadeAfterIt) {
  int countBefore;
  {
    TOVGlobalObjectCleaner cleaner;
    countBefore = cleaner.GetCount();
    TOVExtIntegerCmp::GetGlobal();
    TOVExtIntegerCmp::GetGlobal();
    EXPECT_EQ(countBefore + 1, cleaner.GetCount());
  }
  TOVGlobalObjectCleaner cleaner;
  TOVExtAnyInteger one(1), two(2);
  EXPECT_EQ(-1, TOVExtIntegerCmp::GetGlobal().CompareObjects(&one, &two));
  EXPECT_EQ(countBefore + 1, cleaner.GetCount());
}
