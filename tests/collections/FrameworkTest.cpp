#include "CollectionsTestSupport.h"
#include "MORBaseUnknownCmpAddr.h"
#include "MORBaseUnknownHashAddr.h"
#include "TOVCoupledConvertor.h"
#include "TOVList.h"

#include <cstdint>

using namespace coltest;

namespace {

const MORBaseUnknown* Address(uintptr_t a) {
  return reinterpret_cast<const MORBaseUnknown*>(a);
}

// A comparator that declares itself usable on any set sorted by ItemCmpValue.
class ItemCmpAnyOrder : public ItemCmpValueOther {
public:
  unsigned int SortsSetAsSecondCanBeUsed(const TOVComparator&) const override { return 1; }
};

} // namespace

TEST(ContainerFrameworkDeathTest, DeletePolicyOutsideItsRangeStopsTheProcess) {
  EXPECT_FATAL(TOVVector v(static_cast<TOVContainerWhatToDoAtDeleteEnum>(4)),
               "Invalid value 4 for the enum WhatToDoAtDelete");
  TOVList list(TOVContainerNothingAtDelete);
  EXPECT_FATAL(list.SetWhatToDoAtDelete(static_cast<TOVContainerWhatToDoAtDeleteEnum>(-1)),
               "Invalid value -1 for the enum WhatToDoAtDelete");
}

TEST(ContainerFramework, DeletePoliciesReleaseOrDestroyTheObjectsAndSkipNulls) {
  Item* kept = new Item(1);
  kept->AddRef();
  {
    TOVVector v(TOVContainerReleaseAtDelete);
    AppendAll(v, {kept, nullptr});
  }
  EXPECT_EQ(1, kept->GetRefCount());
  // Destroying: deleted whatever their count; the list releases instead.
  const int destroyedBefore = Item::_Destroyed;
  kept->AddRef();
  {
    TOVVector v(TOVContainerDestroyAtDelete);
    AppendAll(v, {new Item(2), nullptr});
    TOVHashTable h(TOVContainerDestroyAtDelete, 0);
    h.Add(new Item(3), 0);
    TOVList l(TOVContainerDestroyAtDelete);
    AppendAll(l, {kept, nullptr});
  }
  EXPECT_EQ(destroyedBefore + 2, Item::_Destroyed);
  EXPECT_EQ(1, kept->GetRefCount());
  TOVList live(TOVContainerNothingAtDelete);
  kept->AddRef();
  AppendAll(live, {kept, nullptr});
  live.Destroy();
  EXPECT_EQ(0, live.Size());
  EXPECT_EQ(1, kept->GetRefCount());
  kept->Release();
}

TEST(ContainerFramework, AddressComparatorAndHashUseTheWholeAddress) {
  const MORBaseUnknownCmpAddr& cmp = MORBaseUnknownCmpAddr::GetGlobal();
  // Unsigned, and addresses above 4 GiB are not truncated.
  const struct {
    uintptr_t a, b;
    int result;
  } cases[] = {{0x10, 0x20, -1},
               {0x20, 0x10, 1},
               {0x20, 0x20, 0},
               {0x80000000u, 0x7FFFFFFFu, 1},
               {0x100000000ull, 0xFFFFFFFFu, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(c.result, cmp.CompareObjects(Address(c.a), Address(c.b))) << c.a;
  // The hash folds the two halves, then mixes the four bytes: for 0x01020304,
  // ((4 * p ^ 3) * p ^ 2) * p ^ 1 modulo 2^32, p = 16777619.
  const MORBaseUnknownHashAddr& hash = MORBaseUnknownHashAddr::GetGlobal();
  const uint32_t p = 16777619u;
  EXPECT_EQ((((((4 * p) ^ 3u) * p) ^ 2u) * p) ^ 1u, hash.Code(Address(0x01020304u)));
  EXPECT_EQ(0u, hash.Code(Address(0)));
  EXPECT_EQ(1055306571u, hash.Code(Address(1)));
  EXPECT_EQ(hash.Code(Address(3)), hash.Code(Address(0x200000001ull)));
  EXPECT_EQ(0u, hash.Code(Address(0x700000007ull)));
}

TEST(ContainerFramework, ComparatorCompatibilityFollowsTheClassTree) {
  ItemCmpValue base;
  ItemCmpValueFiner finer;
  ItemCmpValueOther other;
  ItemCmpAnyOrder any;
  const auto usable = &TOVComparator::FirstCanBeUsedInSetSortedBySecond;
  EXPECT_EQ(1u, usable(base, base));
  EXPECT_EQ(1u, usable(finer, base));
  EXPECT_EQ(0u, usable(base, finer));
  EXPECT_EQ(0u, usable(other, base));
  EXPECT_EQ(1u, usable(base, any)); // the second may accept a first of another class
}

TEST(ContainerFramework, CoupledConvertorChainsTheTwoAndPassesNullOn) {
  ItemTimesTen first, second;
  TOVCoupledConvertor both(first, second);
  Item five(5);
  both.Set(&five);
  EXPECT_EQ(500, ValueOf(both.GetConverted()));
  both.Set(nullptr);
  EXPECT_EQ(nullptr, both.GetConverted());
  EXPECT_EQ(2, second._Calls); // the second one was given the null too
}

TEST(ContainerFramework, SetsContainSameObjectsComparesCountAndMembership) {
  Items x(2);
  TOVVector a(TOVContainerNothingAtDelete), b(TOVContainerNothingAtDelete),
      withNull(TOVContainerNothingAtDelete);
  TOVList list(TOVContainerNothingAtDelete);
  const auto same = &TOVContainer::SetsContainSameObjects;
  EXPECT_EQ(1u, same(a, list));
  AppendAll(a, {x[0], x[0]});
  AppendAll(b, {x[0], x[1]});
  EXPECT_EQ(1u, same(a, b));
  list.Append(x[0]);
  EXPECT_EQ(0u, same(list, b));
  list.Append(x[1]);
  EXPECT_EQ(1u, same(list, b));
  // A null entry is compared like any object, not taken for the end.
  AppendAll(withNull, {nullptr, x[0]});
  EXPECT_EQ(0u, same(withNull, b));
  EXPECT_EQ(0u, same(b, withNull));
}
