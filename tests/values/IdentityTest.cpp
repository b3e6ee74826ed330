#include "TOVFamilyAndNameCmpFamilyCodeValNameVal.h"
#include "TOVFamilyAndNameCmpFamilyNameVal.h"
#include "TOVFamilyAndNameHashFamilyCodeValNameVal.h"
#include "TOVFamilyAndNameHashFamilyNameVal.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVHashTable.h"
#include "TOVIdAndParentId.h"
#include "TOVIdObjConvIdToExtChars.h"
#include "TOVIdObjConvIdToString.h"
#include "TOVIdentifiedObjectCmpIdVal.h"
#include "TOVIdentifiedObjectHashIdVal.h"
#include "TOVIterator.h"
#include "TOVMappedCode.h"
#include "TOVObjWithFamilyCmpFamily.h"
#include "TOVObjWithFamilyHashFamily.h"
#include "TOVSearchOnFamily.h"
#include "TOVSearchOnFamilyAndName.h"
#include "TOVSortedVector.h"
#include "TOVTestSupport.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace idtest {

/// An object of a family with a name, as the tools' own classes are.
class Member : public TOVFamilyAndName {
  TOV_DECLARE_CLASS(Member)
public:
  Member(const TOVMappedCode& family, const char* name) : _pFamily(&family), _Name(name) {}
  const TOVMappedCode& GetFamily() const override { return *_pFamily; }
  const TOVString& GetName() const override { return _Name; }

private:
  const TOVMappedCode* _pFamily;
  TOVString _Name;
};
TOV_IMPLEMENT_CLASS(Member, TOVFamilyAndName)

} // namespace idtest

namespace {

using idtest::Member;

using Found = std::set<const MORBaseUnknown*>;

/// Every object an iterator gives; the iterator is released.
Found Collect(TOVIterator* it) {
  Found found;
  for (MORBaseUnknown* obj = it->Next(); obj != nullptr; obj = it->Next())
    found.insert(obj);
  it->Release();
  return found;
}

/// Every object that container finds equal to pattern.
Found LookupAll(const TOVContainer& container, const MORBaseUnknown* pattern) {
  return Collect(container.LookupAll(pattern));
}

/// The objects for which keep is true, found by a plain search.
template <class Object, class Keep>
Found Select(const std::vector<std::unique_ptr<Object>>& objects, Keep keep) {
  Found found;
  for (auto& obj : objects)
    if (keep(*obj))
      found.insert(obj.get());
  return found;
}

/// Objects of a random population: identified objects whose identifiers repeat, and
/// members of families (two of which share one code) whose names repeat.
class IdentityTest : public ::testing::Test {
protected:
  void SetUp() override {
    std::mt19937 random(20261206);
    for (int i = 0; i < 8; ++i)
      _Families.push_back(std::make_unique<TOVMappedCode>(("F" + std::to_string(i)).c_str()));
    // Another object with the code of family 0: a family of its own for the address pair.
    _Families.push_back(std::make_unique<TOVMappedCode>("F0"));
    for (int i = 0; i < 3000; ++i) {
      std::string id = "id" + std::to_string(random() % 1500);
      _Ids.push_back(std::make_unique<TOVIdAndParentId>(id.c_str(), "parent"));
      const TOVMappedCode& family = *_Families[random() % _Families.size()];
      _Members.push_back(
          std::make_unique<Member>(family, ("n" + std::to_string(random() % 150)).c_str()));
    }
  }

  TOVGlobalObjectCleaner _Cleaner;
  std::vector<std::unique_ptr<TOVMappedCode>> _Families;
  std::vector<std::unique_ptr<TOVIdAndParentId>> _Ids;
  std::vector<std::unique_ptr<Member>> _Members;
};

/// Over random pairs of objects (and each object with itself): the comparator is
/// antisymmetric, and objects it calls equal get equal codes.
template <class Object>
void ExpectAgreement(const std::vector<std::unique_ptr<Object>>& objects, const TOVComparator& cmp,
                     const TOVHashCoder& coder) {
  std::mt19937 random(7);
  int equalPairs = 0;
  for (int i = 0; i < 40000; ++i) {
    const Object* a = objects[random() % objects.size()].get();
    const Object* b = i % 4 == 0 ? a : objects[random() % objects.size()].get();
    int ab = cmp.CompareObjects(a, b), ba = cmp.CompareObjects(b, a);
    ASSERT_EQ(ab > 0, ba < 0) << i;
    ASSERT_EQ(ab == 0, ba == 0) << i;
    if (ab == 0) {
      ++equalPairs;
      ASSERT_EQ(coder.Code(a), coder.Code(b)) << i;
    }
  }
  EXPECT_GT(equalPairs, 10000);
}

} // namespace

TEST_F(IdentityTest, HashTablesFindWhatAPlainSearchFinds) {
  // By identifier from a text or an external text, by family from the code object or a key,
  // by family object and name, and by family code and name.
  TOVHashTable byId(TOVIdentifiedObjectHashIdVal::GetGlobal(),
                    TOVIdentifiedObjectCmpIdVal::GetGlobal(), TOVContainerNothingAtDelete, 64);
  for (auto& obj : _Ids)
    byId.Add(obj.get(), 0);
  for (int key = 0; key < 1600; key += 7) {
    std::string id = "id" + std::to_string(key);
    Found expected = Select(_Ids, [&](auto& obj) { return obj.GetIdentifier() == id.c_str(); });
    TOVString text(id.c_str());
    ASSERT_EQ(LookupAll(byId, &text), expected) << id;
    TOVExtAnyChars chars(id.c_str());
    ASSERT_EQ(LookupAll(byId, &chars), expected) << id;
  }

  TOVHashTable byFamily(TOVObjWithFamilyHashFamily::GetGlobal(),
                        TOVObjWithFamilyCmpFamily::GetGlobal(), TOVContainerNothingAtDelete, 16);
  TOVHashTable byName(TOVFamilyAndNameHashFamilyNameVal::GetGlobal(),
                      TOVFamilyAndNameCmpFamilyNameVal::GetGlobal(), TOVContainerNothingAtDelete,
                      64);
  TOVHashTable byCode(TOVFamilyAndNameHashFamilyCodeValNameVal::GetGlobal(),
                      TOVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal(),
                      TOVContainerNothingAtDelete, 64);
  for (auto& obj : _Members) {
    byFamily.Add(obj.get(), 0);
    byName.Add(obj.get(), 0);
    byCode.Add(obj.get(), 0);
  }
  for (auto& family : _Families) {
    Found expected = Select(_Members, [&](auto& obj) { return &obj.GetFamily() == family.get(); });
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(LookupAll(byFamily, family.get()), expected) << family->GetCode();
    TOVSearchOnFamily key(*family);
    EXPECT_EQ(LookupAll(byFamily, &key), expected) << family->GetCode();

    for (int name = 0; name < 160; name += 3) {
      TOVSearchOnFamilyAndName search(*family, ("n" + std::to_string(name)).c_str());
      Found sameFamily = Select(_Members, [&](auto& obj) {
        return obj.GetName() == search.GetName() && &obj.GetFamily() == family.get();
      });
      Found sameCode = Select(_Members, [&](auto& obj) {
        return obj.GetName() == search.GetName() && obj.GetFamily().GetCode() == family->GetCode();
      });
      ASSERT_EQ(LookupAll(byName, &search), sameFamily) << family->GetCode() << " " << name;
      ASSERT_EQ(LookupAll(byCode, &search), sameCode) << family->GetCode() << " " << name;
    }
  }
}

TEST_F(IdentityTest, ComparatorsAndHashCodersAgree) {
  ExpectAgreement(_Ids, TOVIdentifiedObjectCmpIdVal::GetGlobal(),
                  TOVIdentifiedObjectHashIdVal::GetGlobal());
  ExpectAgreement(_Members, TOVObjWithFamilyCmpFamily::GetGlobal(),
                  TOVObjWithFamilyHashFamily::GetGlobal());
  ExpectAgreement(_Members, TOVFamilyAndNameCmpFamilyNameVal::GetGlobal(),
                  TOVFamilyAndNameHashFamilyNameVal::GetGlobal());
  ExpectAgreement(_Members, TOVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal(),
                  TOVFamilyAndNameHashFamilyCodeValNameVal::GetGlobal());

  // The code order is that of the code texts, then of the names.
  TOVMappedCode a("A"), b("B");
  Member aZ(a, "z"), bA(b, "a"), aA(a, "a");
  const TOVComparator& byCode = TOVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal();
  EXPECT_LT(byCode.CompareObjects(&aZ, &bA), 0);
  EXPECT_GT(byCode.CompareObjects(&aZ, &aA), 0);
}

TEST_F(IdentityTest, FamilyOrderedSetIsSearchedByFamilyAlone) {
  TOVSortedVector sorted(TOVFamilyAndNameCmpFamilyNameVal::GetGlobal(),
                         TOVContainerNothingAtDelete);
  for (auto& obj : _Members)
    sorted.Add(obj.get(), 0);
  sorted.Sort();
  const TOVComparator& byFamily = TOVObjWithFamilyCmpFamily::GetGlobal();
  EXPECT_TRUE(TOVComparator::FirstCanBeUsedInSetSortedBySecond(
      byFamily, TOVFamilyAndNameCmpFamilyNameVal::GetGlobal()));
  EXPECT_FALSE(TOVComparator::FirstCanBeUsedInSetSortedBySecond(
      byFamily, TOVFamilyAndNameCmpFamilyCodeValNameVal::GetGlobal()));
  ASSERT_TRUE(sorted.SearchUsesSort(byFamily));
  for (auto& family : _Families)
    EXPECT_EQ(Collect(sorted.LookupAll(family.get(), byFamily)),
              Select(_Members, [&](auto& obj) { return &obj.GetFamily() == family.get(); }))
        << family->GetCode();
}

TEST(Identity, IdentifiersConvertDumpAndOrder) {
  TOVGlobalObjectCleaner cleaner;
  TOVIdAndParentId a("a", "root"), b("b", "a");
  const TOVComparator& cmp = TOVIdentifiedObjectCmpIdVal::GetGlobal();
  EXPECT_LT(cmp.CompareObjects(&a, &b), 0);
  TOVString key("b");
  EXPECT_EQ(cmp.CompareObjects(&key, &b), 0);

  TOVIdObjConvIdToExtChars toChars(&a);
  const auto* chars = static_cast<const TOVExtAnyChars*>(toChars.GetConverted());
  EXPECT_EQ(chars->GetChars(), static_cast<const char*>(a.GetIdentifier())); // no copy
  toChars.Set(nullptr);
  EXPECT_TRUE(static_cast<const TOVExtAnyChars*>(toChars.GetConverted())->IsDbNull());
  TOVIdObjConvIdToString toString;
  EXPECT_EQ(toString.GetConverted(), nullptr);
  toString.Set(&b);
  EXPECT_EQ(toString.GetConverted(), &b.GetIdentifier());

  std::string path = tovtest::MakeTempDir() + "/dump.txt";
  {
    TOVOFStream out(path.c_str(), "w");
    out << a << '|';
  }
  char addr[32];
  std::snprintf(addr, sizeof addr, "0x%jx",
                static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(&a)));
  EXPECT_EQ(tovtest::ReadFile(path),
            std::string("Addr: ") + addr + " Class: TOVIdAndParentId Identifier: \"a\"|");
}

TEST(IdentityDeathTest, NullArgumentsAndMissingFamilies) {
  TOVGlobalObjectCleaner cleaner;
  TOVIdAndParentId a("a", "");
  TOVMappedCode code("C");
  TOVSearchOnFamilyAndName member(code, "n");
  TOVString text("x");
  EXPECT_FATAL(TOVIdentifiedObjectCmpIdVal().CompareObjects(&a, nullptr),
               "pObj1 == NULL OR pObj2 == NULL");
  EXPECT_FATAL(TOVIdentifiedObjectHashIdVal().Code(nullptr), "pObject == NULL");
  EXPECT_FATAL(TOVObjWithFamilyCmpFamily().CompareObjects(nullptr, &member),
               "pObj1 == NULL or pObj2 == NULL");
  EXPECT_FATAL(TOVObjWithFamilyHashFamily().Code(nullptr), "pObj1 == NULL");
  EXPECT_FATAL(TOVFamilyAndNameCmpFamilyNameVal().CompareObjects(&member, nullptr),
               "pObj1 or pObj2 is NULL");
  EXPECT_FATAL(TOVFamilyAndNameCmpFamilyCodeValNameVal().CompareObjects(nullptr, &member),
               "pObj1 or pObj2 is NULL");
  EXPECT_FATAL(TOVFamilyAndNameHashFamilyNameVal().Code(nullptr), "pObj1 is NULL");
  EXPECT_FATAL(TOVFamilyAndNameHashFamilyCodeValNameVal().Code(nullptr), "pObj1 is NULL");
  EXPECT_FATAL(TOVSearchOnFamily().GetFamily(), "_pFamily == NULL");
  EXPECT_FATAL(TOVSearchOnFamilyAndName().GetFamily(), "_pFamily == NULL");
  // Objects of the wrong class fail in the checked conversion.
  EXPECT_DEATH(TOVFamilyAndNameHashFamilyCodeValNameVal().Code(&text), "TOVFamilyAndName");
  EXPECT_DEATH(TOVIdObjConvIdToString().Set(&text), "TOVIdentifiedObject");
}
