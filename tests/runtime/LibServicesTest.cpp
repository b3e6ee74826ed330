#include "MORCreateClassInstance.h"
#include "MORLibServices.h"
#include "MORMetaClass.h"

#include <ctime>
#include <gtest/gtest.h>

namespace {

// A class of the test program that can be created through the runtime.
class Creatable : public MORBaseUnknown {
public:
  static MORMetaClass* MetaObject() {
    static MORMetaClass* meta =
        fct_RetrieveMetaObject("RuntimeTestCreatable", 1, MORBaseUnknown::MetaObject(), "MORNull",
                               "Test", sizeof(Creatable));
    return meta;
  }
  MORMetaClass* GetMetaObject() const override { return MetaObject(); }
  static MORBaseUnknown* Create() { return new Creatable; }
  static MORBaseUnknown* CreateNothing() { return nullptr; }
};

void BurnProcessor(long milliseconds) {
  const std::clock_t end = std::clock() + milliseconds * CLOCKS_PER_SEC / 1000;
  for (volatile unsigned long sink = 0; std::clock() < end;)
    sink = sink + 1;
}

} // namespace

TEST(ClassInstance, UnknownClassesAndClassesWithoutCreator) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(
      MORCreateClassInstance("NoSuchClassAnywhere", nullptr, 0, MORBaseUnknown::ClassId(), &out),
      CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  MORGUID unknown = MORMetaClass::GuidFromName("NoSuchClassAnywhere");
  EXPECT_EQ(MORCreateClassInstance(unknown, nullptr, 0, MORBaseUnknown::ClassId(), &out),
            CLASS_E_CLASSNOTAVAILABLE);
  // The root is registered but cannot be created by name.
  out = reinterpret_cast<void*>(1);
  long rc = MORCreateClassInstance("MORBaseUnknown", nullptr, 0, MORBaseUnknown::ClassId(), &out);
  EXPECT_LT(rc, 0);
  EXPECT_NE(rc, CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(
      MORCreateClassInstance("MORBaseUnknown", nullptr, 0, MORBaseUnknown::ClassId(), nullptr),
      E_POINTER);
}

TEST(ClassInstance, RegisteredCreatorMakesObjects) {
  Creatable::MetaObject();
  EXPECT_EQ(MORRegisterClassCreator("NoSuchClassAnywhere", &Creatable::Create),
            CLASS_E_CLASSNOTAVAILABLE);
  ASSERT_EQ(MORRegisterClassCreator("RuntimeTestCreatable", &Creatable::Create), 0);

  void* out = nullptr;
  ASSERT_EQ(MORCreateClassInstance(Creatable::MetaObject()->GetGuid(), nullptr, 0,
                                   MORBaseUnknown::ClassId(), &out),
            0);
  MORBaseUnknown* object = static_cast<MORBaseUnknown*>(out);
  EXPECT_EQ(object->GetMetaObject(), Creatable::MetaObject());
  EXPECT_EQ(object->GetRefCount(), 1);
  object->Release();

  // An interface the object lacks, and aggregation, fail without leaking an object.
  MORGUID other = MORMetaClass::GuidFromName("SomeInterface");
  EXPECT_EQ(MORCreateClassInstance("RuntimeTestCreatable", nullptr, 0, other, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  MORBaseUnknown outer;
  EXPECT_EQ(
      MORCreateClassInstance("RuntimeTestCreatable", &outer, 0, MORBaseUnknown::ClassId(), &out),
      CLASS_E_NOAGGREGATION);

  ASSERT_EQ(MORRegisterClassCreator("RuntimeTestCreatable", &Creatable::CreateNothing), 0);
  EXPECT_EQ(
      MORCreateClassInstance("RuntimeTestCreatable", nullptr, 0, MORBaseUnknown::ClassId(), &out),
      E_FAIL);
  ASSERT_EQ(MORRegisterClassCreator("RuntimeTestCreatable", nullptr), 0);
  EXPECT_EQ(
      MORCreateClassInstance("RuntimeTestCreatable", nullptr, 0, MORBaseUnknown::ClassId(), &out),
      E_NOTIMPL);
}

TEST(LibServices, MeasuresStartResetAndReportMilliseconds) {
  EXPECT_EQ(MORStartLibServices(), 0);
  EXPECT_EQ(MORStartLibServices(), 0);
  long a = MORResetTimes(-1);
  long b = MORResetTimes(-1);
  EXPECT_GE(a, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(MORResetTimes(a), a);

  BurnProcessor(30);
  unsigned long cpu = 0, elapsed = 0;
  ASSERT_EQ(MORGetTimes(a, cpu, elapsed), 0);
  EXPECT_GE(cpu, 25u);
  EXPECT_LT(cpu, 60000u);
  EXPECT_GE(elapsed, cpu > 5 ? cpu - 5 : 0);

  // A reset measure starts again from zero; the process-wide one does not.
  EXPECT_EQ(MORResetTimes(a), a);
  unsigned long cpu2 = 99999, elapsed2 = 99999;
  ASSERT_EQ(MORGetTimes(a, cpu2, elapsed2), 0);
  EXPECT_LT(cpu2, cpu);
  unsigned long total = 0, totalElapsed = 0;
  ASSERT_EQ(MORGetTimes(-1, total, totalElapsed), 0);
  EXPECT_GE(total, cpu);

  unsigned long x = 5, y = 5;
  EXPECT_EQ(MORGetTimes(1000000, x, y), E_INVALIDARG);
  EXPECT_EQ(x, 0u);
  EXPECT_EQ(y, 0u);
  EXPECT_EQ(MORGetTimes(-7, x, y), E_INVALIDARG);
}
