#include "CollectionsTestSupport.h"
#include "TOVContainerRfHndlr.h"
#include "TOVIteratorWithAllRfHndlr.h"
#include "TOVList.h"
#include "TOVOneWayIteratorOnInterval.h"
#include "TOVOneWayIteratorOnOneObject.h"
#include "TOVVolatileIteratorOnPatternForContainer.h"
#include "TOVVolatileOneWayIteratorForContainer.h"
#include "TOVVolatileOneWayIteratorForIterator.h"
#include "TOVVolatileOneWayIteratorOnOneObject.h"
#include "TOVVolatileOneWayIteratorWithConvertor.h"

using namespace coltest;

namespace {

Ints VolatileValues(TOVVolatileOneWayIterator& it) {
  Ints out;
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

TEST(Iterators, OnIntervalAndOnOneObjectYieldTheirObjectsUntilArmedAgain) {
  Items x(5);
  TOVVector v(TOVContainerNothingAtDelete);
  x.AppendTo(v, 5);
  TOVOneWayIteratorOnInterval it(v, 1, 3);
  EXPECT_EQ((Ints{1, 2, 3}), NextValues(it));
  it.ToBegin();
  EXPECT_EQ((Ints{1, 2, 3}), NextValues(it));
  TOVOneWayIteratorOnInterval none(v, 1, 0), negative(v, 2, -4), beyond(v, 3, 10);
  EXPECT_TRUE(NextValues(none).empty() && NextValues(negative).empty());
  EXPECT_EQ((Ints{3, 4}), NextValues(beyond));

  TOVOneWayIteratorOnOneObject one(x[0]);
  EXPECT_EQ(Ints{0}, NextValues(one));
  one.SetpObject(x[1]);
  EXPECT_EQ(x[1], one.Next());
  TOVVolatileOneWayIteratorOnOneObject volatileOne(x[0]);
  const MORBaseUnknown* out = x[1];
  EXPECT_EQ(0, volatileOne.Next(out));
  EXPECT_EQ(x[0], out);
  EXPECT_EQ(0, volatileOne.Next(out));
  EXPECT_EQ(nullptr, out);
  volatileOne.SetpObject(x[1]);
  EXPECT_EQ(x[1], volatileOne.Next());
}

TEST(Iterators, VolatileIteratorsConvertAndNeverConvertTheEnd) {
  Items x(3);
  TOVVector v(TOVContainerNothingAtDelete);
  AppendAll(v, {x[1], x[2]});
  ItemTimesTen conv;
  TOVVolatileOneWayIteratorForContainer forContainer(v, &conv);
  EXPECT_EQ((Ints{10, 20}), VolatileValues(forContainer));
  EXPECT_EQ(2, conv._Calls);
  const MORBaseUnknown* out = x[0];
  EXPECT_EQ(0, forContainer.Next(out)); // exhausted: no restart
  EXPECT_EQ(nullptr, out);
  TOVVolatileOneWayIteratorForContainer plain(v, nullptr);
  EXPECT_EQ((Ints{1, 2}), VolatileValues(plain));
  TOVIterator* source = v.MakeIterator(nullptr);
  TOVVolatileOneWayIteratorForIterator forIterator(*source, &conv);
  EXPECT_EQ((Ints{10, 20}), VolatileValues(forIterator));
  source->Release();
  ItemTimesTen again;
  TOVVolatileOneWayIteratorOnOneObject one(x[2]);
  TOVVolatileOneWayIteratorWithConvertor twice(one, again);
  EXPECT_EQ(Ints{20}, VolatileValues(twice));
  EXPECT_EQ(1, again._Calls);
}

TEST(IteratorsDeathTest, OnPatternForContainerRestartsOnEachGoToFirst) {
  Items x(3);
  Item twin(1);
  TOVList list(TOVContainerNothingAtDelete);
  AppendAll(list, {x[1], x[2], &twin});
  TOVVolatileIteratorOnPatternForContainer byAddress(list, nullptr, nullptr);
  EXPECT_FATAL(byAddress.Next(), "GoToFirst() must be called before");
  byAddress.GoToFirst(x[1]);
  EXPECT_EQ(Ints{1}, VolatileValues(byAddress));
  ItemTimesTen conv;
  TOVVolatileIteratorOnPatternForContainer it(list, &ValueCmp(), &conv);
  it.GoToFirst(x[1]);
  EXPECT_EQ((Ints{10, 10}), VolatileValues(it));
  it.GoToFirst(x[2]);
  EXPECT_EQ(Ints{20}, VolatileValues(it));
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
  EXPECT_THAT((Objects{all->Next(), all->Next(), all->Previous()}),
              ElementsAre(pattern, nullptr, pattern));
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
  TOVComparatorRfHndlr other(TOVRfHndlrNoAddRef, new ItemCmpValue), none;
  EXPECT_FATAL(TOVIteratorWithAllRfHndlr(nullptr, noContainer, onX0, none), "pIterator == NULL");
  TOVIterator* it = v.LookupAll(x[0], cmp);
  EXPECT_FATAL(TOVIteratorWithAllRfHndlr(it, noContainer, onX0, other), "Wrong comparator");
  EXPECT_FATAL(TOVIteratorWithAllRfHndlr(it, noContainer, onX1, none), "Wrong Pattern");
  // An empty comparator handle passes the comparator check.
  TOVIteratorWithAllRfHndlr* all = new TOVIteratorWithAllRfHndlr(it, noContainer, onX0, none);
  EXPECT_EQ(&cmp, &all->GetComparator());
  all->SetHComparator(other);
  EXPECT_EQ(other.Get(), &all->GetComparator());
  EXPECT_EQ(3, other->GetRefCount()); // ours, the wrapper's and the wrapped iterator's
  all->Release();
  EXPECT_EQ(1, other->GetRefCount());
}
