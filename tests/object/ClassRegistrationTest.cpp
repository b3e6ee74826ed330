#include "TOVGlobalObjectCleaner.h"
#include "TOVMacro.h"
#include "TOVTestSupport.h"

// A small hierarchy of registered classes: Animal <- Dog <- Puppy, Animal <- Cat,
// and Stone directly under the root.
class Animal : public MORBaseUnknown {
  TOV_DECLARE_CLASS(Animal)
};
class Dog : public Animal {
  TOV_DECLARE_CLASS(Dog)
public:
  int _Legs = 4;
};
class Puppy : public Dog {
  TOV_DECLARE_CLASS(Puppy)
};
class Cat : public Animal {
  TOV_DECLARE_CLASS(Cat)
};
class Stone : public MORBaseUnknown {
  TOV_DECLARE_CLASS(Stone)
};
TOV_IMPLEMENT_CLASS(Animal, MORBaseUnknown)
TOV_IMPLEMENT_CLASS(Dog, Animal)
TOV_IMPLEMENT_CLASS(Puppy, Dog)
TOV_IMPLEMENT_CLASS(Cat, Animal)
TOV_IMPLEMENT_CLASS(Stone, MORBaseUnknown)

TEST(ClassRegistration, ClassNameRegistersTheWholeChainOfBases) {
  EXPECT_EQ(MORMetaClass::Find("Puppy"), nullptr);
  EXPECT_STREQ(Puppy::ClassName(), "Puppy");
  MORMetaClass* puppy = MORMetaClass::Find("Puppy");
  ASSERT_NE(puppy, nullptr);
  ASSERT_NE(puppy->GetParent(), nullptr);
  EXPECT_STREQ(puppy->GetParent()->GetName(), "Dog");
  EXPECT_STREQ(puppy->GetParent()->GetParent()->GetName(), "Animal");
  EXPECT_EQ(puppy->GetParent()->GetParent()->GetParent(), MORBaseUnknown::MetaObject());
  EXPECT_EQ(puppy->GetClassType(), 1);
  EXPECT_STREQ(puppy->GetFramework(), "TovelBase");
  EXPECT_EQ(puppy->GetInstanceSize(), sizeof(Puppy));
  EXPECT_NE(MORMetaClass::Find("Dog")->GetInstanceSize(),
            MORBaseUnknown::MetaObject()->GetInstanceSize());
  // RegisterAll reaches every defined class, and none creates itself.
  EXPECT_EQ(Puppy::CreateItself(), nullptr);
  EXPECT_GE(TOVRegisterAllClasses(), 5);
  EXPECT_NE(MORMetaClass::Find("Stone"), nullptr);
  EXPECT_NE(MORMetaClass::Find("TOVFatalErrorDisplayToTerm"), nullptr);
}

TEST(ClassRegistration, MetaClassStartsWithANameBasedGuid) {
  MORMetaClass* meta = Dog::MetaObject();
  EXPECT_EQ(static_cast<const void*>(&meta->_Guid), static_cast<const void*>(meta));
  EXPECT_STREQ(meta->_Name, "Dog");
  EXPECT_EQ(&Dog::ClassId(), &meta->_Guid);
  EXPECT_TRUE(Dog::ClassId() == MORMetaClass::GuidFromName("Dog"));
  EXPECT_TRUE(Dog::ClassId() != Cat::ClassId());
  EXPECT_EQ(MORMetaClass::Find(Cat::ClassId()), Cat::MetaObject());
  EXPECT_EQ(Dog::ClassId().Data3 >> 12, 5);        // version 5
  EXPECT_EQ(Dog::ClassId().Data4[0] & 0xC0, 0x80); // variant 1
}

TEST(ClassRegistration, KindOfTestsFollowTheAncestry) {
  Puppy puppy;
  const Animal& asAnimal = puppy;
  EXPECT_STREQ(asAnimal.IsA(), "Puppy");
  EXPECT_EQ(asAnimal.GetMetaObject(), Puppy::MetaObject());
  for (const char* name : {"Puppy", "Dog", "Animal", "MORBaseUnknown"})
    EXPECT_TRUE(asAnimal.IsAKindOf(name)) << name;
  for (const char* name : {"Cat", "Stone", "", "puppy"})
    EXPECT_FALSE(asAnimal.IsAKindOf(name)) << name;
  EXPECT_FALSE(Dog().IsAKindOf("Puppy"));
  EXPECT_TRUE(Puppy::MetaObject()->IsAKindOf(Animal::MetaObject()));
  EXPECT_FALSE(Animal::MetaObject()->IsAKindOf(Puppy::MetaObject()));
  EXPECT_FALSE(Puppy::MetaObject()->IsAKindOf(static_cast<const MORMetaClass*>(nullptr)));
}

TEST(ConversionCheck, NullOrAnObjectOfADerivedClassPassesUnchanged) {
  EXPECT_EQ(TOVConversionCheckVar(nullptr, nullptr), nullptr);
  EXPECT_EQ(TOVConversionCheckConstToVar(nullptr, Dog::MetaObject()), nullptr);
  Puppy puppy;
  MORBaseUnknown* base = &puppy;
  EXPECT_EQ(TOVConversionCheckVar(base, Animal::MetaObject()), base);
  EXPECT_EQ(TOVConversionCheckConst(base, Puppy::MetaObject()), base);
  EXPECT_EQ(TOVConversionCheckConstToVar(base, MORBaseUnknown::MetaObject()), base);
  EXPECT_EQ(TOVCheckedCast<Dog>(base), &puppy);
}

TEST(ConversionCheckDeathTest, WrongClassOrMissingMetaClassStopsTheProcess) {
  TOVGlobalObjectCleaner cleaner;
  Cat cat;
  MORBaseUnknown* base = &cat;
  EXPECT_DEATH(TOVCheckedCast<Dog>(base),
               "on file: TOVBasic.m/src/object/TOVMacro.cpp at line: [0-9]+\n");
  EXPECT_FATAL(TOVConversionCheckVar(base, Dog::MetaObject()),
               "TOVConversionCheck::Check: object is not a \"Dog\" but a \"Cat\"");
  EXPECT_FATAL(TOVConversionCheckConst(base, Stone::MetaObject()),
               "TOVConversionCheck::Check: object is not a \"Stone\" but a \"Cat\"");
  EXPECT_FATAL(TOVConversionCheckConstToVar(base, nullptr), "pMetaClass is NULL");
}
