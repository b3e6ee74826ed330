#include "CollectionsTestSupport.h"
#include "TOVVector.h"
#include "TOVVectorCursor.h"
#include "TOVVectorIterator.h"

using namespace coltest;

TEST(VectorDeathTest, GrowsByDoublingPlusEightAndSetBeyondTheEndFillsWithNull) {
  Items x(2);
  TOVVector v(TOVContainerNothingAtDelete);
  EXPECT_EQ(0, v.GetCapacity());
  Ints capacities;
  for (int i = 0; i < 130; ++i) {
    v.Append(x[0]);
    if (capacities.empty() || capacities.back() != v.GetCapacity())
      capacities.push_back(v.GetCapacity());
  }
  EXPECT_EQ((Ints{8, 24, 56, 120, 248}), capacities);
  EXPECT_FATAL(TOVVector(TOVContainerNothingAtDelete, 0), "Can not create an empty vector");
  EXPECT_EQ(3, TOVVector(TOVContainerNothingAtDelete, 3).GetCapacity());

  TOVVector sparse(TOVContainerNothingAtDelete);
  x.AppendTo(sparse, 1);
  sparse.Set(30, x[1]);
  EXPECT_EQ(31, sparse.Size());
  EXPECT_EQ(31, sparse.GetCapacity()); // 8 * 2 + 8 = 24 is too small
  for (int i = 1; i < 30; ++i)
    EXPECT_EQ(nullptr, sparse[i]) << i;
  EXPECT_EQ(x[1], sparse[30]);
  EXPECT_EQ(nullptr, sparse[-1]);
  EXPECT_EQ(nullptr, sparse[31]);
  EXPECT_FATAL(sparse.Set(-1, x[0]), "TOVVector::Set(int, MORBaseUnknown *): wrong position");
}

TEST(VectorDeathTest, InsertRemoveReplaceAndExtract) {
  Items x(4);
  TOVVector v(TOVContainerNothingAtDelete);
  v.Insert(x[1], 0);
  v.Insert(x[0], 0);
  v.Insert(x[3], v.Size());
  v.Insert(x[2], 2);
  EXPECT_EQ((Ints{0, 1, 2, 3}), Values(v));
  for (int wrong : {v.Size() + 1, -1})
    EXPECT_FATAL(v.Insert(x[0], wrong), "TOVVector::Insert(MORBaseUnknown *, int): wrong position");
  v.Append(x[0]);
  EXPECT_EQ(1u, v.Remove(x[0], 1));
  EXPECT_EQ((Ints{1, 2, 3}), Values(v));
  EXPECT_EQ(0u, v.Remove(x[0], 1));
  EXPECT_EQ(1u, v.Replace(x[3], x[1], 0));
  EXPECT_EQ((Ints{1, 2, 1}), Values(v));
  EXPECT_THAT((Objects{v.ExtractFirst(), v.ExtractLast(), v.Last()}),
              ElementsAre(x[1], x[1], x[2]));
  v.Clear(0);
  EXPECT_EQ(nullptr, v.ExtractFirst());
  EXPECT_EQ(nullptr, v.Last());
}

TEST(VectorDeathTest, CursorOperationsAdjustTheCursorSoAForwardWalkGoesOn) {
  Items x(6);
  TOVVector v(TOVContainerNothingAtDelete);
  x.AppendTo(v, 4);
  // Remove every even object while walking; insert x5 before each odd one.
  TOVIterator* it = v.MakeIterator(nullptr);
  Ints visited;
  while (MORBaseUnknown* obj = it->Next()) {
    visited.push_back(ValueOf(obj));
    if (ValueOf(obj) % 2 == 0)
      EXPECT_EQ(obj, v.Remove(it->Position()));
    else
      EXPECT_EQ(1u, v.InsertBefore(it->Position(), x[5]));
  }
  EXPECT_EQ((Ints{0, 1, 2, 3}), visited);
  EXPECT_EQ((Ints{5, 1, 5, 3}), Values(v));
  it->ToBegin();
  EXPECT_EQ(1u, v.InsertAfter(it->Position(), x[4])); // -1: in front
  EXPECT_EQ(nullptr, v.Remove(it->Position()));
  EXPECT_EQ(nullptr, v.Replace(it->Position(), x[0]));
  EXPECT_EQ(0u, v.InsertBefore(it->Position(), x[0]));
  EXPECT_FATAL(v.Set(it->Position(), x[0]),
               "TOVVector::operator[](const MORBaseUnknown *): wrong position");
  it->ToEnd();
  EXPECT_EQ(0u, v.InsertAfter(it->Position(), x[0]));
  EXPECT_EQ(x[3], it->Previous());
  EXPECT_EQ(x[3], v.Replace(it->Position(), x[2]));
  v.Set(it->Position(), x[0]);
  EXPECT_EQ(x[0], v[it->Position()]);
  it->Release();
  EXPECT_EQ((Ints{4, 5, 1, 5, 0}), Values(v));
  TOVVectorCursor farBefore(-7), farAfter(40);
  EXPECT_EQ(0u, v.InsertAfter(&farBefore, x[0]));
  EXPECT_EQ(0u, v.InsertBefore(&farAfter, x[0]));
  EXPECT_EQ(5, v.Size());
  EXPECT_FATAL(v.Remove(nullptr), "cursor is NULL");
  EXPECT_FATAL(v.InsertBefore(nullptr, x[0]), "cursor is NULL");
}

TEST(VectorDeathTest, IteratorSearchesBothWaysWithAPattern) {
  Items x(3);
  Item twin(1);
  TOVVector v(TOVContainerNothingAtDelete);
  AppendAll(v, {x[1], x[0], &twin, x[2]});
  EXPECT_EQ(x[1], v.LookupOne(&twin, ValueCmp()));
  TOVIterator* it = v.LookupAll(&twin, ValueCmp());
  EXPECT_THAT(
      (Objects{it->Next(), it->Next(), it->Next(), it->Previous(), it->Previous(), it->Previous()}),
      ElementsAre(x[1], &twin, nullptr, &twin, x[1], nullptr));
  it->SetPattern(x[2]);
  EXPECT_EQ(x[2], it->Next());
  it->SetWithPattern(0);
  it->ToBegin();
  EXPECT_EQ(4u, Drain(it).size());
  TOVVectorIterator unbound(nullptr, nullptr, 0, nullptr);
  EXPECT_FATAL(unbound.Next(), "vector_ is NULL");
  EXPECT_FATAL(unbound.Previous(), "vector_ is NULL");
  EXPECT_FATAL(unbound.ToEnd(), "vector_ is NULL");
}

TEST(VectorDeathTest, LinkedVectorTellsOnPositionalOperationsButNotOnExtract) {
  Items x(3);
  TOVVector v(TOVContainerNothingAtDelete), watcher(TOVContainerNothingAtDelete);
  LinkAll({&v, &watcher});
  v.Append(x[0]);
  v.Insert(x[1], 0);
  EXPECT_EQ((Ints{0, 1}), Values(watcher));
  EXPECT_EQ(0u, v.Remove(x[2], 1)); // absent, but the others are told
  v.Set(0, x[2]);
  EXPECT_EQ((Ints{0, 2}), Values(watcher));
  EXPECT_EQ(x[2], v.ExtractFirst());
  EXPECT_EQ((Ints{0, 2}), Values(watcher));
  watcher.Remove(x[0], 1);
  EXPECT_EQ(0, v.Size());
  TOVVector other(TOVContainerNothingAtDelete);
  EXPECT_FATAL(v = other, "Not yet implemented with a Link");
  // A copy takes the objects and the policy, not the link.
  x.AppendTo(v, 3);
  v.SetWhatToDoAtDelete(TOVContainerClearAtDelete);
  TOVVector copy(v);
  v.SetWhatToDoAtDelete(TOVContainerNothingAtDelete);
  EXPECT_EQ(nullptr, copy.GetLink());
  EXPECT_EQ(3, copy.GetCapacity());
  EXPECT_EQ(TOVContainerClearAtDelete, copy.GetWhatToDoAtDelete());
  TOVVector assigned(TOVContainerNothingAtDelete, 1);
  assigned.Append(x[0]);
  assigned = copy;
  EXPECT_EQ((Ints{0, 1, 2}), Values(assigned));
  EXPECT_EQ(3, assigned.GetCapacity());
  assigned = TOVVector(TOVContainerNothingAtDelete);
  EXPECT_EQ(0, assigned.Size());
  EXPECT_EQ(3, assigned.GetCapacity());
}
