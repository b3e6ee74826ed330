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
#include "TOVIterator.h"
#include "TOVSortedVector.h"
#include "TOVTestSupport.h"

#include <climits>
#include <cstring>
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

TEST_F(ExtValueDeathTest, CharsEmptyOrAbsentTextIsNullAndUnreadable) {
  TOVExtAnyChars absent;
  TOVExtAnyChars empty("");
  EXPECT_EQ(1u, absent.IsDbNull());
  EXPECT_EQ(1u, empty.IsDbNull());
  EXPECT_FATAL(empty.GetChars(), kNull);
  EXPECT_FATAL(absent.GetChars(), kNull);
  empty.SetChars(nullptr);
  EXPECT_EQ(1u, empty.IsDbNull());

  // The value refers to the caller's buffer without copying it.
  char buffer[] = "abc";
  TOVExtAnyChars value(buffer);
  buffer[0] = '\0'; // emptied in place: the value is null now
  EXPECT_EQ(1u, value.IsDbNull());

  // A copy, an assignment or a Set from another value refers to the same characters.
  buffer[0] = 'a';
  TOVExtAnyChars copy(value);
  TOVExtAnyChars assigned;
  assigned = static_cast<const TOVExtChars&>(value);
  EXPECT_EQ(buffer, copy.GetChars());
  EXPECT_EQ(buffer, assigned.GetChars());
  // From a null value, the target becomes null.
  assigned = TOVExtAnyChars();
  EXPECT_EQ(1u, assigned.IsDbNull());
  assigned = "lit";
  EXPECT_STREQ("lit", assigned.GetChars());
}

TEST_F(ExtValue, StringKeepsItsOwnCopyOfTheWholeString) {
  char buffer[] = "abc";
  TOVExtAnyString value(buffer);
  buffer[0] = 'x';
  EXPECT_STREQ("abc", value.GetChars());

  // From external characters the text is copied, not the pointer.
  TOVExtAnyString fromChars{TOVExtAnyChars(buffer)};
  buffer[1] = 'y';
  EXPECT_STREQ("xbc", fromChars.GetChars());

  // From a TOVString.
  TOVString s("def");
  TOVExtAnyString fromString(s);
  s = "changed";
  EXPECT_STREQ("def", fromString.GetChars());

  // A string with a byte after an embedded zero: its whole content survives only when
  // the string itself, not its zero-terminated text, is copied.
  TOVString withZero("ab");
  withZero.Resize(4, '\0');
  withZero.Resize(5, 'z');
  TOVExtAnyString source(withZero);
  TOVExtAnyString target;
  target.SetExtChars(source);
  EXPECT_EQ(5, target.GetString().Length());
  EXPECT_TRUE(target.GetString() == withZero);
  // Through the plain external-characters form, only the text before the zero.
  TOVExtAnyString viaChars;
  viaChars.SetExtChars(TOVExtAnyChars(source.GetChars()));
  EXPECT_EQ(2, viaChars.GetString().Length());
}

TEST_F(ExtValueDeathTest, StringNullStateAndAccess) {
  TOVExtAnyString value("abc");
  value.SetToDbNull();
  EXPECT_EQ(1u, value.IsDbNull());
  EXPECT_EQ(0, value.String().Length());
  EXPECT_FATAL(value.GetChars(), kNull);
  EXPECT_FATAL(value.GetString(), kNull);
  // Direct access works on a null value and can make it a value again.
  value.String() = "again";
  EXPECT_STREQ("again", value.GetChars());
  value = "";
  EXPECT_EQ(1u, value.IsDbNull());
  // From a null source the target becomes null.
  TOVExtAnyString target("x");
  target = TOVExtAnyChars("");
  EXPECT_EQ(1u, target.IsDbNull());

  // Set from itself or from its own text, the text is kept.
  value = "self";
  TOVExtAnyString& alias = value;
  value = alias;
  EXPECT_STREQ("self", value.GetChars());
  value.SetExtChars(TOVExtAnyChars(value.GetChars()));
  EXPECT_STREQ("self", value.GetChars());
  value.SetChars(value.GetChars() + 2);
  EXPECT_STREQ("lf", value.GetChars());
}

TEST_F(ExtValueDeathTest, PointersReadANullPointerButNotItsObject) {
  TOVExtAnyConstPointer value;
  EXPECT_EQ(1u, value.IsDbNull());
  EXPECT_EQ(nullptr, value.GetConstPointer());
  EXPECT_FATAL(value.GetConstRef(), kNull);

  TOVString object("o");
  value = &object;
  EXPECT_EQ(&object, &value.GetConstRef());

  // From either pointer branch, the pointer is taken as it is, null included.
  TOVExtAnyVarPointer var(&object);
  TOVExtAnyConstPointer fromVar(var);
  EXPECT_EQ(&object, fromVar.GetConstPointer());
  fromVar = TOVExtAnyVarPointer();
  EXPECT_EQ(1u, fromVar.IsDbNull());

  // A variable pointer gives the object as modifiable.
  TOVExtAnyVarPointer modifiable(&object);
  static_cast<TOVString&>(modifiable.GetVarRef()) = "changed";
  EXPECT_STREQ("changed", object);
  EXPECT_EQ(&object, modifiable.GetConstPointer());

  TOVExtAnyVarPointer target(&object);
  target.SetExtVarPointer(TOVExtAnyVarPointer());
  EXPECT_EQ(nullptr, target.GetVarPointer());
  EXPECT_FATAL(target.GetVarRef(), kNull);
  EXPECT_FATAL(target.GetConstRef(), kNull);
  target = modifiable;
  EXPECT_EQ(&object, target.GetVarPointer());
  target = static_cast<MORBaseUnknown*>(nullptr);
  EXPECT_EQ(1u, target.IsDbNull());
}

TEST_F(ExtValueDeathTest, IntegerNullFlagKeepsTheValueUnderneath) {
  TOVExtAnyInteger value(5);
  EXPECT_EQ(5, value.GetInteger());
  value.SetToDbNull();
  EXPECT_EQ(1u, value.IsDbNull());
  EXPECT_FATAL(value.GetInteger(), kNull);

  // Copying a null value makes the target null, and setting brings a value back.
  TOVExtAnyInteger target(9);
  target.SetExtInteger(value);
  EXPECT_EQ(1u, target.IsDbNull());
  target = TOVExtAnyInteger(INT_MIN);
  EXPECT_EQ(INT_MIN, target.GetInteger());
  target = TOVExtDbNullInteger();
  EXPECT_EQ(1u, target.IsDbNull());
  target = 0;
  EXPECT_EQ(0, target.GetInteger());
  EXPECT_EQ(1u, TOVExtAnyInteger().IsDbNull());

  // A boolean keeps the value as given, not folded to 0 or 1.
  TOVExtAnyBoolean boolean(7u);
  EXPECT_EQ(7u, boolean.GetBoolean());
  boolean.SetToDbNull();
  EXPECT_FATAL(boolean.GetBoolean(), kNull);
  TOVExtAnyBoolean booleanTarget(1u);
  booleanTarget = boolean;
  EXPECT_EQ(1u, booleanTarget.IsDbNull());
  booleanTarget = TOVExtAnyBoolean(0u);
  EXPECT_EQ(0u, booleanTarget.GetBoolean());
  booleanTarget.SetExtBoolean(TOVExtDbNullBoolean());
  EXPECT_EQ(1u, booleanTarget.IsDbNull());
  EXPECT_EQ(1u, TOVExtAnyBoolean().IsDbNull());
}

TEST_F(ExtValueDeathTest, DateNullFlagAndDirectAccess) {
  TOVExtAnyDate value;
  EXPECT_EQ(1u, value.IsDbNull());
  EXPECT_FATAL(value.GetDate(), kNull);
  // Direct access writes underneath without clearing the flag.
  value.Date().SetDate(2007, 11, 16, 9, 5, 0);
  EXPECT_EQ(1u, value.IsDbNull());
  EXPECT_EQ(2007, value.Date().GetYear());

  TOVDate date(2024, 2, 29, 23, 59, 59);
  value = date;
  EXPECT_EQ(0u, value.IsDbNull());
  EXPECT_TRUE(value.GetDate() == date);
  // The value is a copy: changing the original does not change it.
  date.SetDate(2000, 1, 1, 0, 0, 0);
  EXPECT_EQ(2024, value.GetDate().GetYear());

  TOVExtAnyDate copy(value);
  copy = TOVExtDbNullDate();
  EXPECT_EQ(1u, copy.IsDbNull());
  copy = static_cast<const TOVExtDate&>(value);
  copy.SetToDbNull();
  EXPECT_EQ(2024, copy.Date().GetYear());
}

TEST_F(ExtValueDeathTest, DbNullKindsAreAlwaysNullAndHaveNoValue) {
  TOVExtDbNullInteger integer;
  TOVExtDbNullBoolean boolean;
  TOVExtDbNullDate date;
  EXPECT_EQ(3u, integer.IsDbNull() + boolean.IsDbNull() + date.IsDbNull());
  EXPECT_FATAL(integer.GetInteger(), "No GetInteger() for a TOVExtDbNullInteger");
  EXPECT_FATAL(boolean.GetBoolean(), "No GetBoolean() for a TOVExtDbNullBoolean");
  EXPECT_FATAL(date.GetDate(), "No GetDate() for a TOVExtDbNullDate");
}

TEST_F(ExtValue, ClassesAreRegisteredUnderTheirKinds) {
  const struct {
    const MORMetaClass* meta;
    const char *name, *parent, *kind;
  } kinds[] = {
      {TOVExtAnyChars().GetMetaObject(), "TOVExtAnyChars", "TOVExtChars", "TOVExtDataType"},
      {TOVExtAnyString().GetMetaObject(), "TOVExtAnyString", "TOVExtChars", "TOVExtDataType"},
      {TOVExtAnyConstPointer().GetMetaObject(), "TOVExtAnyConstPointer", "TOVExtConstPointer",
       "TOVExtPointer"},
      {TOVExtAnyVarPointer().GetMetaObject(), "TOVExtAnyVarPointer", "TOVExtVarPointer",
       "TOVExtPointer"},
      {TOVExtAnyInteger().GetMetaObject(), "TOVExtAnyInteger", "TOVExtInteger", "TOVExtDataType"},
      {TOVExtAnyBoolean().GetMetaObject(), "TOVExtAnyBoolean", "TOVExtBoolean", "TOVExtDataType"},
      {TOVExtAnyDate().GetMetaObject(), "TOVExtAnyDate", "TOVExtDate", "TOVExtDataType"},
      {TOVExtDbNullInteger().GetMetaObject(), "TOVExtDbNullInteger", "TOVExtInteger",
       "TOVExtDataType"},
      {TOVExtDbNullBoolean().GetMetaObject(), "TOVExtDbNullBoolean", "TOVExtBoolean",
       "TOVExtDataType"},
      {TOVExtDbNullDate().GetMetaObject(), "TOVExtDbNullDate", "TOVExtDate", "TOVExtDataType"},
      {TOVExtIntegerCmp().GetMetaObject(), "TOVExtIntegerCmp", "TOVComparator", "MORBaseUnknown"},
  };
  for (const auto& k : kinds) {
    EXPECT_STREQ(k.name, k.meta->GetName());
    EXPECT_EQ(k.meta, MORMetaClass::Find(k.name)) << k.name;
    ASSERT_NE(nullptr, k.meta->GetParent()) << k.name;
    EXPECT_STREQ(k.parent, k.meta->GetParent()->GetName()) << k.name;
    EXPECT_TRUE(k.meta->IsAKindOf(k.kind)) << k.name;
  }
  // The two pointer branches are distinct.
  EXPECT_FALSE(TOVExtAnyVarPointer().IsAKindOf("TOVExtConstPointer"));
  EXPECT_FALSE(TOVExtAnyConstPointer().IsAKindOf("TOVExtVarPointer"));
}

TEST_F(ExtValue, IntegerComparatorSortsNullFirstThenByValue) {
  const TOVExtIntegerCmp& cmp = TOVExtIntegerCmp::GetGlobal();
  TOVExtAnyInteger seven(7), minusThree(-3), zero(0), null;
  TOVExtDbNullInteger alwaysNull;
  TOVSortedVector sorted(cmp, TOVContainerNothingAtDelete);
  sorted.Add(&seven, 0);
  sorted.Add(&null, 0);
  sorted.Add(&zero, 0);
  sorted.Add(&minusThree, 0);
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
  TOVExtAnyInteger lowest(INT_MIN), highest(INT_MAX);
  EXPECT_EQ(-1, cmp.CompareObjects(&lowest, &highest));
  EXPECT_EQ(1, cmp.CompareObjects(&highest, &lowest));
}

TEST_F(ExtValueDeathTest, IntegerComparatorRefusesMissingOrForeignObjects) {
  const TOVExtIntegerCmp& cmp = TOVExtIntegerCmp::GetGlobal();
  TOVExtAnyInteger one(1);
  TOVExtAnyBoolean notAnInteger(1u);
  EXPECT_FATAL(cmp.CompareObjects(nullptr, &one), "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(cmp.CompareObjects(&notAnInteger, &one), "pObj1 is not an TOVExtInteger");
  EXPECT_FATAL(cmp.CompareObjects(&one, &notAnInteger), "pObj2 is not an TOVExtInteger");
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
  // The first instance died with its cleaner; the next cleaner gets a fresh one that
  // works.
  TOVGlobalObjectCleaner cleaner;
  TOVExtAnyInteger one(1), two(2);
  EXPECT_EQ(-1, TOVExtIntegerCmp::GetGlobal().CompareObjects(&one, &two));
  EXPECT_EQ(countBefore + 1, cleaner.GetCount());
}
