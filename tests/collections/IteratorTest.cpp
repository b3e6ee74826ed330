#include "CollectionsTestSupport.h"
#include "TOVContainerRfHndlr.h"
#include "TOVIteratorWithAllRfHndlr.h"
#include "TOVList.h"
#include "TOVOneWayIteratorOnInterval.h"
#include "TOVOneWayIteratorOnOneObject.h"
#include "TOVVector.h"
#include "TOVVolatileIteratorOnPatternForContainer.h"
#include "TOVVolatileOneWayIteratorForContainer.h"
#include "TOVVolatileOneWayIteratorForIterator.h"
#include "TOVVolatileOneWayIteratorOnOneObject.h"
#include "TOVVolatileOneWayIteratorWithConvertor.h"

using namespace coltest;

namespace {

std::vector<int> VolatileValues(TOVVolatileOneWayIterator& it) {
  std::vector<int> out;
  while (const MORBaseUnknown* obj = it.Next())
    out.push_back(ValueOf(obj));
  return out;
}

} // namespace

TEST(Iterators, ComparatorHandlesAreCountedAndAnEmptyOneMeansByAddress) {
  TOVVector v(TOVContainerNothingAtDelete);
  TOVIterator* it = v.MakeIterator(nullptr);
  ItemCmpValue* cmp = new ItemCmpValue;
  TOVComparatorRfHndlr h(TOVRfHndlrNoAddRef, cmp);
  it->SetHComparator(h);
  EXPECT_EQ(2, cmp->GetRefCount());
  EXPECT_EQ(cmp, &it->GetComparator());
  it->SetHComparator(TOVComparatorRfHndlr());
  EXPECT_EQ(1, cmp->GetRefCount());
  EXPECT_STREQ("MORBaseUnknownCmpAddr", it->GetComparator().IsA());
  EXPECT_EQ(&it->GetComparator(), it->GetHComparator().Get());
  it->SetComparator(*cmp);
  EXPECT_EQ(nullptr, it->GetHComparator().Get());
  it->Release();
}

TEST(Iterators, OnIntervalYieldsCountObjectsFromFirst) {
  Items x(5);
  TOVVector v(TOVContainerNothingAtDelete);
  x.AppendTo(v, 5);
  TOVOneWayIteratorOnInterval it(v, 1, 3);
  EXPECT_EQ((std::vector<int>{1, 2, 3}), NextValues(it));
  it.ToBegin();
  EXPECT_EQ((std::vector<int>{1, 2, 3}), NextValues(it));
  TOVOneWayIteratorOnInterval none(v, 1, 0), negative(v, 2, -4), beyond(v, 3, 10);
  EXPECT_TRUE(NextValues(none).empty() && NextValues(negative).empty());
  EXPECT_EQ((std::vector<int>{3, 4}), NextValues(beyond));
}

TEST(Iterators, OnOneObjectYieldsItOnceUntilArmedAgain) {
  Items x(2);
  TOVOneWayIteratorOnOneObject it(x[0]);
  EXPECT_EQ(x[0], it.Next());
  EXPECT_EQ(nullptr, it.Next());
  it.SetpObject(x[1]);
  EXPECT_EQ(x[1], it.Next());
  TOVVolatileOneWayIteratorOnOneObject v(x[0]);
  const MORBaseUnknown* out = x[1];
  EXPECT_EQ(0, v.Next(out));
  EXPECT_EQ(x[0], out);
  EXPECT_EQ(0, v.Next(out));
  EXPECT_EQ(nullptr, out);
  v.SetpObject(x[1]);
  EXPECT_EQ(x[1], v.Next());
}

TEST(Iterators, VolatileIteratorsConvertAndNeverConvertTheEnd) {
  Items x(3);
  TOVVector v(TOVContainerNothingAtDelete);
  AppendAll(v, {x[1], x[2]});
  ItemTimesTen conv;
  TOVVolatileOneWayIteratorForContainer forContainer(v, &conv);
  EXPECT_EQ((std::vector<int>{10, 20}), VolatileValues(forContainer));
  EXPECT_EQ(2, conv._Calls);
  const MORBaseUnknown* out = x[0];
  EXPECT_EQ(0, forContainer.Next(out)); // exhausted: no restart
  EXPECT_EQ(nullptr, out);

  TOVVolatileOneWayIteratorForContainer plain(v, nullptr);
  EXPECT_EQ((std::vector<int>{1, 2}), VolatileValues(plain));

  TOVIterator* source = v.MakeIterator(nullptr);
  TOVVolatileOneWayIteratorForIterator forIterator(*source, &conv);
  EXPECT_EQ((std::vector<int>{10, 20}), VolatileValues(forIterator));
  source->Release();

  ItemTimesTen again;
  TOVVolatileOneWayIteratorOnOneObject one(x[2]);
  TOVVolatileOneWayIteratorWithConvertor twice(one, again);
  EXPECT_EQ(std::vector<int>{20}, VolatileValues(twice));
  EXPECT_EQ(1, again._Calls);
}

TEST(IteratorsDeathTest, OnPatternForContainerRestartsOnEachGoToFirst) {
  Items x(3);
  Item twin(1);
  TOVList list(TOVContainerNothingAtDelete);
  AppendAll(list, {x[1], x[2], &twin});
  ItemCmpValue byValue;
  TOVVolatileIteratorOnPatternForContainer byAddress(list, nullptr, nullptr);
  EXPECT_FATAL(byAddress.Next(), "GoToFirst() must be called before");
  byAddress.GoToFirst(x[1]);
  EXPECT_EQ(x[1], byAddress.Next());
  EXPECT_EQ(nullptr, byAddress.Next());

  ItemTimesTen conv;
  TOVVolatileIteratorOnPatternForContainer it(list, &byValue, &conv);
  it.GoToFirst(x[1]);
  EXPECT_EQ((std::vector<int>{10, 10}), VolatileValues(it));
  it.GoToFirst(x[2]);
  EXPECT_EQ(std::vector<int>{20}, VolatileValues(it));
}

TEST(IteratorsDeathTest, WithAllHandlersKeepsEverythingAliveAndRefusesChanges) {
  TOVVector* v = new TOVVector(TOVContainerNothingAtDelete);
  Item* pattern = new Item(7);
  ItemCmpValue* cmp = new ItemCmpValue;
  v->Append(pattern);
  TOVContainerRfHndlr hv(TOVRfHndlrNoAddRef, v);
  MORBaseUnknownRfHndlr hp(TOVRfHndlrNoAddRef, pattern);
  TOVComparatorRfHndlr hc(TOVRfHndlrNoAddRef, cmp);
  TOVIteratorWithAllRfHndlr* all =
      new TOVIteratorWithAllRfHndlr(v->LookupAll(pattern, *cmp), hv, hp, hc);
  EXPECT_EQ(2, v->GetRefCount());
  EXPECT_EQ(2, cmp->GetRefCount());
  EXPECT_EQ(pattern, all->Next());
  EXPECT_EQ(nullptr, all->Next());
  EXPECT_EQ(pattern, all->Previous());
  EXPECT_EQ(cmp, &all->GetComparator());
  EXPECT_FATAL(all->SetPattern(nullptr), "SetPattern() is prohibited here");
  EXPECT_FATAL(all->SetComparator(*cmp), "SetComparator() is prohibited here");
  all->Release();
  EXPECT_EQ(1, v->GetRefCount());
  EXPECT_EQ(1, cmp->GetRefCount());
}

TEST(IteratorsDeathTest, WithAllHandlersChecksWhatItIsGiven) {
  Items x(2);
  TOVVector v(TOVContainerNothingAtDelete);
  ItemCmpValue cmp;
  TOVContainerRfHndlr noContainer;
  MORBaseUnknownRfHndlr onX0(TOVRfHndlrAddRef, x[0]), onX1(TOVRfHndlrAddRef, x[1]);
  TOVComparatorRfHndlr other(TOVRfHndlrNoAddRef, new ItemCmpValue);
  EXPECT_FATAL(TOVIteratorWithAllRfHndlr(nullptr, noContainer, onX0, TOVComparatorRfHndlr()),
               "pIterator == NULL");
  TOVIterator* it = v.LookupAll(x[0], cmp);
  EXPECT_FATAL(TOVIteratorWithAllRfHndlr(it, noContainer, onX0, other), "Wrong comparator");
  EXPECT_FATAL(TOVIteratorWithAllRfHndlr(it, noContainer, onX1, TOVComparatorRfHndlr()),
               "Wrong Pattern");
  // An empty comparator handle passes the comparator check.
  TOVIteratorWithAllRfHndlr* all =
      new TOVIteratorWithAllRfHndlr(it, noContainer, onX0, TOVComparatorRfHndlr());
  EXPECT_EQ(&cmp, &all->GetComparator());
  all->SetHComparator(other);
  EXPECT_EQ(other.Get(), &all->GetComparator());
  EXPECT_EQ(3, other->GetRefCount()); // ours, the wrapper's and the wrapped iterator's
  all->Release();
  EXPECT_EQ(1, other->GetRefCount());
}
