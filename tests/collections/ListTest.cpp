#include "CollectionsTestSupport.h"
#include "TOVList.h"
#include "TOVListCursor.h"
#include "TOVListIterator.h"

using namespace coltest;

TEST(ListDeathTest, AddGoesInFrontAppendAtTheEndInsertByIndex) {
  Items x(6);
  TOVList list(TOVContainerNothingAtDelete), appended(TOVContainerNothingAtDelete);
  x.AddTo(list, 3);
  EXPECT_EQ((Ints{2, 1, 0}), Values(list));
  x.AppendTo(appended, 3);
  appended.Insert(x[3], 0);
  appended.Insert(x[4], -3);
  appended.Insert(x[5], appended.Size());
  appended.Insert(x[5], 2);
  EXPECT_EQ((Ints{4, 3, 5, 0, 1, 2, 5}), Values(appended));
  EXPECT_FATAL(appended.Insert(x[0], appended.Size() + 1),
               "TOVList::Insert(MORBaseUnknown *, int): wrong index");
  EXPECT_EQ(x[4], appended.First());
  EXPECT_EQ(x[5], appended.Last());
}

TEST(ListDeathTest, IndexesOutsideTheListGiveNullOrTheFirstObject) {
  Items x(2);
  TOVList list(TOVContainerNothingAtDelete);
  EXPECT_THAT((Objects{list[-1], list.First(), list.ExtractFirst(), list.ExtractLast()}),
              ElementsAre(nullptr, nullptr, nullptr, nullptr));
  EXPECT_FATAL(list.Set(-1, x[0]), "TOVList::operator [](int index): wrong index");
  x.AppendTo(list, 2);
  EXPECT_THAT((Objects{list[-1], list[1], list[2]}), ElementsAre(x[0], x[1], nullptr));
  list.Set(-5, x[1]);
  EXPECT_EQ((Ints{1, 1}), Values(list));
  EXPECT_FATAL(list.Set(2, x[0]), "TOVList::operator [](int index): wrong index");
}

TEST(List, RemoveAndReplaceWorkOnEveryOccurrence) {
  Items x(2);
  TOVList list(TOVContainerNothingAtDelete);
  AppendAll(list, {x[0], x[1], x[0]});
  EXPECT_EQ(1u, list.Remove(x[0], 1));
  EXPECT_EQ(Ints{1}, Values(list));
  EXPECT_EQ(0u, list.Remove(x[0], 1));
  EXPECT_EQ(1u, list.Replace(x[1], x[0], 0));
  list.Append(x[0]);
  EXPECT_EQ(1u, list.Replace(x[0], x[0], 0));
  EXPECT_EQ((Ints{0, 0}), Values(list));
  EXPECT_EQ(0u, list.Replace(x[1], x[0], 0));
  EXPECT_EQ(nullptr, list.LookupOne(x[1]));
  Item twin(1);
  list.Append(x[1]);
  EXPECT_EQ(x[1], list.LookupOne(&twin, ValueCmp()));
}

TEST(ListDeathTest, CursorOperationsRefuseTheSentinels) {
  Items x(4);
  TOVList list(TOVContainerNothingAtDelete);
  x.AppendTo(list, 2);
  TOVIterator* it = list.MakeIterator(nullptr);
  TOVCursor* head = it->Position();
  EXPECT_EQ(0u, list.InsertBefore(head, x[2]));
  EXPECT_EQ(nullptr, list.Remove(head));
  EXPECT_EQ(nullptr, list.Replace(head, x[2]));
  EXPECT_EQ(nullptr, list[head]);
  EXPECT_EQ(1u, list.InsertAfter(head, x[2])); // after the head: in front
  EXPECT_FATAL(list.Set(head, x[3]),
               "TOVList::operator [](const MORBaseUnknown *) const: wrong object");
  it->ToEnd();
  EXPECT_EQ(0u, list.InsertAfter(it->Position(), x[3]));
  EXPECT_EQ(1u, list.InsertBefore(it->Position(), x[3])); // before the tail: at the end
  EXPECT_EQ(x[3], it->Previous());
  EXPECT_EQ(x[3], list.Replace(it->Position(), x[1]));
  list.Set(it->Position(), x[0]);
  EXPECT_EQ((Ints{2, 0, 1, 0}), Values(list));
  it->Release();
  TOVListCursor nowhere;
  EXPECT_FATAL(list.Remove(nullptr), "cursor is NULL");
  EXPECT_FATAL(list.Remove(&nowhere), "link is NULL");
  EXPECT_FATAL(list.InsertBefore(&nowhere, x[0]), "link is NULL");
  EXPECT_FATAL(list.Replace(&nowhere, x[0]), "link is NULL");
}

TEST(ListDeathTest, IteratorWalksBothWaysAndStartsAfterItsCursor) {
  Items x(4);
  TOVList list(TOVContainerNothingAtDelete);
  AppendAll(list, {x[0], x[1], x[0], x[3]});
  TOVIterator* it = list.MakeIterator(nullptr);
  it->Next();
  it->Next();
  TOVIterator* fromCursor = list.MakeIterator(it->Position());
  EXPECT_EQ((Ints{0, 3}), NextValues(*fromCursor));
  EXPECT_EQ(x[3], fromCursor->Previous());
  EXPECT_EQ(nullptr, fromCursor->Next());
  fromCursor->Release();
  TOVIterator* zeros = list.LookupAll(it->Position(), x[0]);
  EXPECT_THAT((Objects{zeros->Next(), zeros->Next(), zeros->Previous(), zeros->Previous(),
                       zeros->Previous(), zeros->Previous()}),
              ElementsAre(x[0], nullptr, x[0], x[0], nullptr, nullptr));
  zeros->Release();
  // A pattern walk without a cursor stays at its end until ToBegin.
  TOVIterator* ones = list.LookupAll(x[1]);
  EXPECT_THAT((Objects{ones->Next(), ones->Next(), ones->Next()}),
              ElementsAre(x[1], nullptr, nullptr));
  ones->ToBegin();
  EXPECT_EQ(Objects{x[1]}, Drain(ones));
  it->ToEnd();
  EXPECT_EQ(x[3], it->Previous());
  it->Release();
  TOVListIterator unbound;
  EXPECT_FATAL(unbound.Next(), "link is NULL");
  EXPECT_FATAL(unbound.Previous(), "list_ is NULL");
  EXPECT_FATAL(unbound.ToBegin(), "list_ is NULL");
  EXPECT_FATAL(unbound.ToEnd(), "list_ is NULL");
}

TEST(List, ALinkHeldThroughACursorOutlivesTheRemovalOfItsObject) {
  Items x(3);
  TOVList list(TOVContainerNothingAtDelete);
  x.AppendTo(list, 3);
  TOVIterator* it = list.MakeIterator(nullptr);
  it->Next();
  TOVListLink* held = static_cast<TOVListCursor*>(it->Position())->GetLink();
  held->AddRef();
  it->Release();
  EXPECT_EQ(1u, list.Remove(x[0], 1));
  list.Clear(1);
  EXPECT_EQ(1L, held->GetRefCount());
  EXPECT_EQ(x[0], held->GetData());
  held->Release();
}

TEST(ListDeathTest, CopyTakesObjectsInOrderAndThePolicyButALinkedListRefusesIt) {
  Items x(3);
  TOVList source(TOVContainerNothingAtDelete), assigned(TOVContainerNothingAtDelete);
  x.AppendTo(source, 3);
  source.SetWhatToDoAtDelete(TOVContainerReleaseAtDelete);
  TOVList copy(source);
  EXPECT_EQ(TOVContainerReleaseAtDelete, copy.GetWhatToDoAtDelete());
  assigned.Append(x[2]);
  assigned = source;
  EXPECT_EQ((Ints{0, 1, 2}), Values(assigned));
  EXPECT_EQ(Values(assigned), Values(copy));
  for (TOVList* l : {&source, &copy, &assigned})
    l->SetWhatToDoAtDelete(TOVContainerNothingAtDelete);

  TOVList list(TOVContainerNothingAtDelete), watcher(TOVContainerNothingAtDelete);
  list.Append(x[0]);
  LinkAll({&list, &watcher});
  EXPECT_FATAL(list.Set(0, x[1]), "Not yet implemented with a Link");
  TOVIterator* it = list.MakeIterator(nullptr);
  it->Next();
  EXPECT_FATAL(list.Set(it->Position(), x[1]), "Not yet implemented with a Link");
  EXPECT_FATAL(list = copy, "Not yet implemented with a Link");
  // Positional operations always tell the link.
  list.InsertAfter(it->Position(), x[1]);
  list.Replace(it->Position(), x[1]);
  EXPECT_EQ(Ints{1}, Values(watcher));
  list.ExtractLast();
  EXPECT_EQ(Ints{}, Values(watcher));
  it->Release();
}
