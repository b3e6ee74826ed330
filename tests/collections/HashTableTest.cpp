#include "CollectionsTestSupport.h"
#include "TOVHashCursor.h"

#include <set>

using namespace coltest;

namespace {

// Codes that share their low bits four ways: the table keeps four long chains in which
// the codes differ.
class FourChainsHash : public TOVHashCoder {
public:
  unsigned int Code(const MORBaseUnknown* obj) const override {
    const unsigned int v = static_cast<unsigned int>(ValueOf(obj));
    return (v % 4) | (v << 10);
  }
};

} // namespace

TEST(HashTable, DimensionIsAPowerOfTwoFromSixteenAndDoublesAtTheThirtyThirdEntry) {
  for (auto [size, dimension] : std::vector<std::pair<int, int>>{{0, 16},
                                                                 {-5, 16},
                                                                 {16, 16},
                                                                 {17, 32},
                                                                 {32, 32},
                                                                 {33, 64},
                                                                 {1000, 1024},
                                                                 {1024, 1024},
                                                                 {1025, 2048}})
    EXPECT_EQ(dimension, ValueTable(size).GetDimension()) << size;
  Items x(65);
  ValueTable table(16);
  x.AddTo(table, 32);
  EXPECT_EQ(16, table.GetDimension());
  table.Add(x[32], 0);
  EXPECT_EQ(32, table.GetDimension());
  for (int i = 33; i < 65; ++i)
    table.Add(x[i], 0);
  EXPECT_EQ(64, table.GetDimension());
  for (int i = 0; i < 65; ++i) {
    Item pattern(i);
    ASSERT_EQ(x[i], table.LookupOne(&pattern));
  }
  table.Clear(0);
  EXPECT_EQ(64, table.GetDimension()); // never shrinks
  EXPECT_EQ(1u, table.IsEmpty());
}

TEST(HashTable, DuplicatesAreRemovedAndReplacedTogetherAndALinkIsToldOnce) {
  Items x(2);
  ValueTable table(0), watcher(0);
  LinkAll({&table, &watcher});
  table.Add(x[0], 1);
  table.Add(x[0], 1);
  EXPECT_EQ(2, watcher.Size());
  EXPECT_EQ(1u, table.Remove(x[0], 0));
  EXPECT_EQ(0, table.Size());
  EXPECT_EQ(0u, table.Remove(x[0], 0));
  x.AddTo(table, 1);
  x.AddTo(table, 1);
  EXPECT_EQ(1u, table.Replace(x[0], x[1], 1));
  EXPECT_EQ(0u, table.Replace(x[0], x[1], 1));
  EXPECT_EQ(Ints{1}, Values(table));
  EXPECT_EQ(Ints{1}, Values(watcher));
}

TEST(HashTable, CodesSharingABucketKeepResultsAndOrderOfAdditionAndSpareComparisons) {
  FourChainsHash coder;
  Items x(200), twins(200);
  ValueTable table(0, coder);
  x.AddTo(table, 200);
  twins.AddTo(table, 200);
  ASSERT_EQ(256, table.GetDimension());
  Ints expected; // bucket by bucket, each in the order of addition
  for (int r = 0; r < 4; ++r)
    for (int round = 0; round < 2; ++round)
      for (int v = r; v < 200; v += 4)
        expected.push_back(v);
  EXPECT_EQ(expected, Values(table));
  const ItemCmpValue& cmp = ValueCmp();
  ItemCmpValueOther other;
  for (int v = 0; v < 200; ++v) {
    Item pattern(v);
    const long before = cmp._Calls;
    ASSERT_EQ(x[v], table.LookupOne(&pattern)) << v; // the first of the two equal entries
    EXPECT_EQ(1, cmp._Calls - before) << v;          // entries of other codes are skipped
    ASSERT_EQ(x[v], table.LookupOne(&pattern, cmp));
    ASSERT_EQ(x[v], table.LookupOne(&pattern, other)); // another comparator sees all
    ASSERT_EQ((Objects{x[v], twins[v]}), Drain(table.LookupAll(&pattern)));
  }
  Item absent(1000); // bucket 0, where no entry has its code
  const long before = cmp._Calls;
  EXPECT_EQ(nullptr, table.LookupOne(&absent));
  EXPECT_EQ(0, cmp._Calls - before);
  // Removal inside a long chain takes the very object only.
  Item pattern(100);
  EXPECT_EQ(1u, table.Remove(x[100], 0));
  EXPECT_EQ(0u, table.Contains(x[100]));
  EXPECT_EQ(twins[100], table.LookupOne(&pattern));
  EXPECT_EQ(399, table.Size());
}

TEST(HashTable, LookupsSearchOnlyThePatternsBucket) {
  // Coded by address but compared by value: an equal object in another bucket is missed.
  Items x(40);
  TOVHashTable table(TOVContainerNothingAtDelete, 0);
  x.AddTo(table, 40);
  int found = 0;
  for (int i = 0; i < 40; ++i) {
    Item twin(i);
    found += table.LookupOne(&twin, ValueCmp()) == x[i];
    EXPECT_EQ(x[i], table.LookupOne(x[i], ValueCmp()));
  }
  EXPECT_LT(found, 40);
  Item stranger(3);
  EXPECT_EQ(nullptr, table.LookupOne(&stranger));
}

TEST(HashTable, IterationVisitsEachObjectOnceBucketZeroFirstBothWays) {
  Items x(50);
  ValueTable table(0), empty(0);
  TOVIterator* none = empty.MakeIterator(nullptr);
  EXPECT_EQ(nullptr, none->Next());
  none->ToEnd();
  EXPECT_EQ(nullptr, none->Previous());
  none->Release();
  x.AddTo(table, 50);
  TOVIterator* it = table.MakeIterator(nullptr);
  Objects forward, backward;
  while (MORBaseUnknown* obj = it->Next())
    forward.push_back(obj);
  EXPECT_EQ(nullptr, it->Next());
  while (MORBaseUnknown* obj = it->Previous())
    backward.insert(backward.begin(), obj);
  it->Release();
  EXPECT_EQ(forward, backward);
  EXPECT_EQ(50u, std::set<MORBaseUnknown*>(forward.begin(), forward.end()).size());
  ASSERT_EQ(50u, forward.size());
  const unsigned int mask = static_cast<unsigned int>(table.GetDimension() - 1);
  for (size_t i = 1; i < forward.size(); ++i)
    ASSERT_LE(table.GetCoder().Code(forward[i - 1]) & mask,
              table.GetCoder().Code(forward[i]) & mask);
}

TEST(HashTable, RemovingThroughTheIteratorsCursorVisitsEveryObjectOnce) {
  Items x(20);
  ValueTable table(0);
  x.AddTo(table, 20);
  x.AddTo(table, 20); // each object twice
  TOVIterator* it = table.MakeIterator(nullptr);
  int visited = 0;
  while (MORBaseUnknown* obj = it->Next()) {
    ++visited;
    EXPECT_EQ(obj, table.Remove(it->Position()));
    EXPECT_EQ(nullptr, table.Remove(it->Position())); // already removed
  }
  EXPECT_EQ(40, visited);
  EXPECT_EQ(0, table.Size());
  x.AddTo(table, 10); // backward the same
  it->ToEnd();
  while (it->Previous() != nullptr)
    table.Remove(it->Position());
  EXPECT_EQ(0, table.Size());
  it->Release();
}

TEST(HashTableDeathTest, RemovingOnASentinelOrAnEmptyCursorChangesNothing) {
  Items x(1);
  ValueTable table(0);
  x.AddTo(table, 1);
  TOVIterator* it = table.MakeIterator(nullptr);
  EXPECT_EQ(nullptr, table.Remove(it->Position())); // the head of bucket 0
  it->ToEnd();
  EXPECT_EQ(nullptr, table.Remove(it->Position()));
  TOVHashCursor nowhere;
  EXPECT_EQ(nullptr, table.Remove(&nowhere));
  EXPECT_EQ(Ints{0}, Values(table));
  EXPECT_FATAL(table.Remove(static_cast<TOVCursor*>(nullptr)), "cursor is NULL");
  // A cursor from somewhere else starts the walk from the beginning.
  EXPECT_EQ(Objects{x[0]}, Drain(table.MakeIterator(&nowhere)));
  it->Release();
}

TEST(HashTable, PatternIterationStaysInThePatternsBucket) {
  Items x(4);
  Item twin(2);
  ValueTable table(0);
  x.AddTo(table, 4);
  table.Add(&twin, 0);
  TOVIterator* it = table.LookupAll(x[2]);
  EXPECT_THAT((Objects{it->Next(), it->Next(), it->Next()}), ElementsAre(x[2], &twin, nullptr));
  EXPECT_THAT((Objects{it->Previous(), it->Previous(), it->Previous()}),
              ElementsAre(&twin, x[2], nullptr));
  it->SetPattern(x[3]); // takes effect at the next ToBegin
  it->ToBegin();
  EXPECT_EQ(Objects{x[3]}, Drain(it));
}

TEST(HashTableDeathTest, CopiesTakeEntriesStrategiesAndPolicyButALinkedTableRefusesThem) {
  Items x(40);
  ValueTable table(0);
  x.AddTo(table, 40);
  table.SetWhatToDoAtDelete(TOVContainerClearAtDelete);
  TOVHashTable copy(table);
  EXPECT_EQ(32, copy.GetDimension());
  EXPECT_EQ(Values(table), Values(copy));
  EXPECT_EQ(&table.GetCoder(), &copy.GetCoder());
  EXPECT_EQ(TOVContainerClearAtDelete, copy.GetWhatToDoAtDelete());
  TOVHashTable assigned(TOVContainerNothingAtDelete, 500);
  assigned.Add(x[0], 0);
  assigned = table;
  EXPECT_EQ(40, assigned.Size());
  Item pattern(7);
  EXPECT_EQ(x[7], assigned.LookupOne(&pattern));
  LinkAll({&assigned});
  EXPECT_FATAL(assigned = table, "Not yet implemented with a Link");
}
