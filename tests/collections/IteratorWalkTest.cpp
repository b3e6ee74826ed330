// Forward walks of the vector and list iterators, whose common step reads ahead of the
// object it gives: every object once and in order, also when the container changes
// under the walk within the distance read ahead.
#include "CollectionsTestSupport.h"
#include "TOVList.h"
#include "TOVListCursor.h"
#include "TOVListIterator.h"
#include "TOVListLink.h"
#include "TOVVector.h"

using namespace coltest;

using Ints = std::vector<int>;

namespace {

Ints Range(int from, int to) {
  Ints values;
  for (int i = from; i < to; ++i)
    values.push_back(i);
  return values;
}

// Walks a container of 40 Items. After the tenth object it removes the twenty that follow
// it (the objects that the step has just read ahead) and appends two more; later it cuts
// the container right after the object it stands on.
void WalkWhileChanging(TOVSeqCollection& c) {
  Items x(42);
  x.AppendTo(c, 40);
  TOVIterator* it = c.MakeIterator(nullptr);
  Ints seen;
  for (int i = 0; i < 10; ++i)
    seen.push_back(ValueOf(it->Next()));
  for (int i = 10; i < 30; ++i)
    EXPECT_EQ(1u, c.Remove(x[i], 1));
  c.Append(x[40]);
  c.Append(x[41]);
  for (int i = 0; i < 5; ++i)
    seen.push_back(ValueOf(it->Next()));
  Ints expected = Range(0, 10);
  for (int v : Range(30, 35))
    expected.push_back(v);
  EXPECT_EQ(expected, seen);
  // The walk stands on 34, the fifteenth of 22 objects: cut what follows it.
  while (c.Size() > 15)
    c.ExtractLast();
  EXPECT_EQ(nullptr, it->Next());
  EXPECT_EQ(nullptr, it->Next());
  it->Release();
}

// Sizes around the distance read ahead, a back-and-forth, and a walk that starts at a
// cursor.
void WalkEverySize(TOVSeqCollection& c) {
  Items x(40);
  for (int size : {0, 1, 15, 16, 17, 33, 40}) {
    c.Clear(0);
    x.AppendTo(c, size);
    EXPECT_EQ(Range(0, size), Values(c)) << size;
  }
  TOVIterator* it = c.MakeIterator(nullptr);
  it->Next();
  it->Next();
  EXPECT_EQ(0, ValueOf(it->Previous()));
  EXPECT_EQ(1, ValueOf(it->Next()));
  TOVIterator* from = c.MakeIterator(it->Position());
  Ints rest;
  while (MORBaseUnknown* obj = from->Next())
    rest.push_back(ValueOf(obj));
  EXPECT_EQ(Range(2, 40), rest);
  from->Release();
  it->Release();
}

} // namespace

TEST(IteratorWalk, VectorGivesEveryObjectOnceInOrder) {
  TOVVector v(TOVContainerNothingAtDelete);
  WalkEverySize(v);
  TOVVector changed(TOVContainerNothingAtDelete);
  WalkWhileChanging(changed);
}

TEST(IteratorWalk, ListGivesEveryObjectOnceInOrder) {
  TOVList list(TOVContainerNothingAtDelete);
  WalkEverySize(list);
  TOVList changed(TOVContainerNothingAtDelete);
  WalkWhileChanging(changed);
}

TEST(IteratorWalkDeathTest, ListStepOutsideAChainIsFatal) {
  TOVListIterator none;
  EXPECT_FATAL(none.Next(), "link is NULL");
  TOVList list(TOVContainerNothingAtDelete);
  TOVListLink lone;
  TOVListCursor at(&lone);
  TOVListIterator detached(&list, &at, nullptr, 0, nullptr);
  EXPECT_FATAL(detached.Next(), "link is NULL");
}
