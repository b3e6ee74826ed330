#include "CollectionsTestSupport.h"
#include "TOVSortedVector.h"
#include "TOVVectorCursor.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <thread>

using namespace coltest;

namespace {

// Objects with the given values, owned by the vector (policy 3).
void Fill(TOVSortedVector& v, const Ints& values) {
  for (int value : values)
    v.Add(new Item(value), 0);
}

} // namespace

TEST(SortedVector, AddingUnsortsSortingSortsAndSearchesBisect) {
  ItemCmpValue cmp;
  TOVSortedVector v(cmp, TOVContainerDestroyAtDelete);
  EXPECT_EQ(1u, v.IsSorted());
  Fill(v, {5, 1, 3});
  EXPECT_EQ(0u, v.IsSorted());
  Item three(3);
  cmp._Calls = 0;
  EXPECT_EQ(3, ValueOf(v.LookupOne(&three)));
  EXPECT_EQ(3, cmp._Calls); // linear: 5, 1, 3
  v.Sort();
  EXPECT_EQ(1u, v.IsSorted());
  EXPECT_EQ((Ints{1, 3, 5}), Values(v));
  cmp._Calls = 0;
  EXPECT_EQ(3, ValueOf(v.LookupOne(&three)));
  EXPECT_LE(cmp._Calls, 3);
  EXPECT_EQ(0u, v.Contains(&three));
  v.Destroy();
  EXPECT_EQ(1u, v.IsSorted());
}

TEST(SortedVector, BisectionFindsTheEdgesOfARunOfEqualObjects) {
  TOVSortedVector v(ValueCmp(), TOVContainerDestroyAtDelete);
  Fill(v, {1, 3, 3, 3, 5});
  v.SetIsSorted(1, 1);
  Item three(3), four(4), lone(3);
  EXPECT_EQ(v[1], v.LookupOne(&three));
  EXPECT_EQ((Objects{v[1], v[2], v[3]}), Drain(v.LookupAll(&three)));
  EXPECT_TRUE(Drain(v.LookupAll(&four)).empty());
  // Walking backward from the end stops first on the last of the run.
  TOVIterator* back = v.LookupAll(&three);
  back->ToEnd();
  EXPECT_THAT((Objects{back->Previous(), back->Previous(), back->Previous(), back->Previous()}),
              ElementsAre(v[3], v[2], v[1], nullptr));
  back->Release();
  // From a cursor, the walk never goes back before it.
  TOVVectorCursor atSecond(2);
  EXPECT_EQ(Objects{v[3]}, Drain(v.LookupAll(&atSecond, &three)));
  // Identity search bisects too and finds the very object inside the run.
  EXPECT_EQ(1u, v.Contains(v[3]));
  EXPECT_EQ(0u, v.Contains(&lone));
}

TEST(SortedVectorDeathTest, DeclaringTheOrderIsCheckedOnRequest) {
  TOVSortedVector v(ValueCmp(), TOVContainerDestroyAtDelete),
      one(ValueCmp(), TOVContainerDestroyAtDelete);
  Fill(v, {1, 3, 2});
  EXPECT_FATAL(v.SetIsSorted(1, 1), "The vector isn't sorted");
  v.SetIsSorted(1, 0);
  EXPECT_EQ(1u, v.IsSorted());
  Item two(2);
  EXPECT_EQ(nullptr, v.LookupOne(&two)); // the declared order is trusted
  v.SetIsSorted(0, 1);
  EXPECT_EQ(2, ValueOf(v.LookupOne(&two)));
  Fill(one, {4});
  one.SetIsSorted(0, 0);
  EXPECT_EQ(1u, one.IsSorted());
}

TEST(SortedVector, ChangingTheComparatorKeepsTheOrderOnlyForACompatibleOne) {
  ItemCmpValueFiner finer;
  ItemCmpValueOther other;
  TOVSortedVector v(ValueCmp(), TOVContainerDestroyAtDelete);
  Fill(v, {2, 1});
  v.Sort();
  v.SetComparator(finer);
  EXPECT_EQ(1u, v.IsSorted());
  EXPECT_EQ(1u, v.SearchUsesSort(finer));
  EXPECT_EQ(0u, v.SearchUsesSort(ValueCmp()));
  v.SetComparator(other);
  EXPECT_EQ(0u, v.IsSorted());
  EXPECT_EQ(0u, v.SearchUsesSort());
}

TEST(SortedVector, EveryChangeOfContentsUnsortsAndClearingSorts) {
  Items x(3);
  TOVSortedVector v(ValueCmp(), TOVContainerNothingAtDelete);
  auto unsorts = [&](auto change) {
    v.Clear(0);
    AppendAll(v, {x[1], x[2]});
    v.SetIsSorted(1, 1);
    change();
    return v.IsSorted() == 0;
  };
  TOVVectorCursor first(0), before(-1);
  EXPECT_TRUE(unsorts([&] { v.Add(x[0], 0); }));
  EXPECT_TRUE(unsorts([&] { v.Insert(x[0], 0); }));
  EXPECT_TRUE(unsorts([&] { v.Set(0, x[0]); }));
  EXPECT_TRUE(unsorts([&] { v.Set(&first, x[0]); }));
  EXPECT_TRUE(unsorts([&] { v.Replace(&first, x[0]); }));
  EXPECT_TRUE(unsorts([&] { v.Replace(x[1], x[0], 0); }));
  EXPECT_TRUE(unsorts([&] { v.InsertAfter(&before, x[0]); }));
  EXPECT_FALSE(unsorts([&] { v.Replace(x[0], x[2], 0); })); // nothing replaced
  EXPECT_FALSE(unsorts([&] { v.Remove(x[1], 0); }));
  EXPECT_FALSE(unsorts([&] { v.ExtractFirst(); }));
  EXPECT_FALSE(unsorts([&] { v.Replace(&before, x[0]); }));
  v.Append(x[0]);
  v.Clear(0);
  EXPECT_EQ(1u, v.IsSorted());
}

TEST(SortedVector, CopiesTakeTheFlagAndTheComparator) {
  ItemCmpValue cmp;
  Items x(3);
  TOVSortedVector v(cmp, TOVContainerNothingAtDelete);
  AppendAll(v, {x[2], x[0]});
  TOVSortedVector copy(v);
  EXPECT_EQ(0u, copy.IsSorted());
  EXPECT_EQ(&cmp, &copy.GetComparator());
  v.Sort();
  copy = v;
  EXPECT_EQ(1u, copy.IsSorted());
  EXPECT_EQ((Ints{0, 2}), Values(copy));
  TOVVector plain(TOVContainerNothingAtDelete);
  AppendAll(plain, {x[1], x[0]});
  TOVVector& asVector = copy;
  asVector = plain;
  EXPECT_EQ(0u, copy.IsSorted()); // a plain vector's order is unknown
  asVector = v;
  EXPECT_EQ(1u, copy.IsSorted());
}

TEST(SortedVector, SortingOnTwoThreadsAtOnceKeepsEachOrder) {
  // Each thread sorts and searches its own vector with its own comparator, many times;
  // any comparator shared between them would mix the two orders.
  auto work = [](bool descending, bool* ok) {
    ItemCmpValue cmp;
    TOVSortedVector v(cmp, TOVContainerDestroyAtDelete);
    std::mt19937 random(descending ? 1 : 2);
    for (int i = 0; i < 2000; ++i)
      v.Add(new Item(descending ? -static_cast<int>(random() % 1000) : random() % 1000), 0);
    *ok = true;
    for (int round = 0; round < 30 && *ok; ++round) {
      Objects shuffled;
      for (int i = 0; i < v.Size(); ++i)
        shuffled.push_back(v[i]);
      std::shuffle(shuffled.begin(), shuffled.end(), random);
      for (int i = 0; i < v.Size(); ++i)
        v.Set(i, shuffled[i]);
      v.Sort();
      for (int i = 1; i < v.Size(); ++i)
        *ok = *ok && ValueOf(v[i - 1]) <= ValueOf(v[i]);
      for (int i = 0; i < v.Size(); i += 97)
        *ok = *ok && v.LookupOne(v[i]) != nullptr && ValueOf(v.LookupOne(v[i])) == ValueOf(v[i]);
    }
  };
  bool first = false, second = false;
  std::thread a(work, false, &first), b(work, true, &second);
  a.join();
  b.join();
  EXPECT_TRUE(first && second);
}

TEST(SortedVector, SortingSurvivesAnInconsistentComparator) {
  // A comparator that contradicts itself gives some order, never a crash.
  class Contrary : public TOVComparator {
  public:
    int CompareObjects(const MORBaseUnknown*, const MORBaseUnknown*) const override {
      return (++_Calls % 3) - 1;
    }
    mutable unsigned _Calls = 0;
  } contrary;
  TOVSortedVector v(contrary, TOVContainerDestroyAtDelete);
  for (int i = 0; i < 3000; ++i)
    v.Add(new Item(i), 0);
  v.Sort();
  Ints seen = Values(v), expected(3000);
  std::sort(seen.begin(), seen.end());
  std::iota(expected.begin(), expected.end(), 0);
  EXPECT_EQ(expected, seen);
}
