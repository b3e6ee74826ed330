#include "CollectionsTestSupport.h"
#include "TOVList.h"
#include "TOVSortedVector.h"

#include <functional>
#include <string>

using namespace coltest;

namespace {

using Make = std::function<TOVContainer*(TOVContainerWhatToDoAtDeleteEnum)>;

const std::pair<const char*, Make> kKinds[] = {
    {"Vector", [](TOVContainerWhatToDoAtDeleteEnum p) { return new TOVVector(p); }},
    {"SortedVector",
     [](TOVContainerWhatToDoAtDeleteEnum p) { return new TOVSortedVector(ValueCmp(), p); }},
    {"List", [](TOVContainerWhatToDoAtDeleteEnum p) { return new TOVList(p); }},
    {"HashTable",
     [](TOVContainerWhatToDoAtDeleteEnum p) {
       return new TOVHashTable(ValueHash(), ValueCmp(), p, 0);
     }},
};

// A container of the kind under test linked with a vector and a hash table.
class LinkedContainers : public ::testing::TestWithParam<int> {
protected:
  void SetUp() override {
    _pA = kKinds[GetParam()].second(TOVContainerNothingAtDelete);
    LinkAll({_pA, &_B, &_C});
    _pLink = const_cast<TOVContainersLink*>(_pA->GetLink());
  }
  void TearDown() override { _pA->Release(); }

  Items _X{4};
  TOVContainer* _pA = nullptr;
  TOVVector _B{TOVContainerNothingAtDelete};
  ValueTable _C{0};
  TOVContainersLink* _pLink = nullptr;
};

} // namespace

TEST_P(LinkedContainers, ModificationsWithTheFlagReachEveryOtherMember) {
  EXPECT_EQ(3, _pLink->GetContainerSet().Size());
  _pA->Add(_X[0], 1);
  _pA->Add(_X[1], 0);
  EXPECT_EQ(2, _pA->Size());
  // Flag 0 in the walk: the others do not call back, so nothing is added twice.
  EXPECT_EQ(Ints{0}, Values(_B));
  EXPECT_EQ(Ints{0}, Values(_C));
  _B.Remove(_X[0], 1);
  EXPECT_EQ(Ints{1}, Values(*_pA));
  EXPECT_EQ(0, _C.Size());
  _pA->Add(_X[2], 1);
  EXPECT_EQ(1u, _pA->Replace(_X[2], _X[3], 1));
  EXPECT_EQ(Ints{3}, Values(_B));
  EXPECT_EQ(Ints{3}, Values(_C)); // once, not twice
  EXPECT_EQ(1u, _pA->Contains(_X[3]));
  // Clearing tells the others only with the flag.
  _pA->Clear(0);
  EXPECT_EQ(1, _B.Size());
  _pA->Add(_X[1], 1);
  _pA->Clear(1);
  EXPECT_EQ(0, _B.Size() + _C.Size());
}

TEST_P(LinkedContainers, ReleasingEmptiesTheOthersAndReleasesEachObjectOnce) {
  Item* a = new Item(10);
  Item* b = new Item(11);
  for (Item* obj : {a, b}) {
    obj->AddRef();
    _pA->Add(obj, 1);
  }
  _pA->ReleaseElementsAndClear();
  EXPECT_EQ(0, _pA->Size() + _B.Size() + _C.Size());
  for (Item* obj : {a, b}) {
    EXPECT_EQ(1, obj->GetRefCount());
    obj->Release();
  }
}

TEST_P(LinkedContainers, RemovalThroughAnIteratorsCursorTellsTheOthers) {
  for (int i = 0; i < 4; ++i)
    _pA->Add(_X[i], 1);
  TOVIterator* it = _pA->MakeIterator(nullptr);
  int visited = 0;
  while (MORBaseUnknown* obj = it->Next()) {
    ++visited;
    if (ValueOf(obj) % 2 != 0)
      continue;
    if (TOVSeqCollection* seq = dynamic_cast<TOVSeqCollection*>(_pA))
      EXPECT_EQ(obj, seq->Remove(it->Position()));
    else
      EXPECT_EQ(obj, static_cast<TOVHashTable*>(_pA)->Remove(it->Position()));
  }
  it->Release();
  EXPECT_EQ(4, visited);
  EXPECT_EQ(2, _pA->Size());
  EXPECT_EQ(0u, _B.Contains(_X[0]) + _C.Contains(_X[2]));
  EXPECT_EQ(4, _B.Size() + _C.Size());
}

TEST_P(LinkedContainers, AMemberThatDiesLeavesTheLinkAndTheLinkLivesOn) {
  TOVContainer* d = kKinds[GetParam()].second(TOVContainerClearAtDelete);
  _pLink->AddContainer(d);
  d->Add(_X[0], 1);
  EXPECT_EQ(1, _pA->Size());
  d->Release(); // policy 1 clears the others, then d leaves the link
  EXPECT_EQ(0, _pA->Size());
  EXPECT_EQ(3, _pLink->GetContainerSet().Size());
  EXPECT_EQ(0u, _pLink->GetContainerSet().Contains(d));
  _pA->Add(_X[1], 1);
  EXPECT_EQ(1, _B.Size());
}

TEST_P(LinkedContainers, FillAndAddContainerCopiesTheFirstMemberInIterationOrder) {
  _pA->Add(_X[0], 1);
  _pA->Add(_X[1], 1);
  Ints order = Values(*_pA);
  TOVVector vector(TOVContainerNothingAtDelete);
  TOVList list(TOVContainerNothingAtDelete);
  _pLink->FillAndAddContainer(&vector);
  _pLink->FillAndAddContainer(&list);
  EXPECT_EQ(order, Values(vector));
  EXPECT_EQ(Ints(order.rbegin(), order.rend()), Values(list)); // a list adds in front
  EXPECT_EQ(5, _pLink->GetContainerSet().Size());
  _pLink->RemoveContainer(&vector);
  _pLink->RemoveContainer(&list);
  EXPECT_EQ(nullptr, list.GetLink());
}

INSTANTIATE_TEST_SUITE_P(EveryKind, LinkedContainers, ::testing::Range(0, 4),
                         [](const auto& info) { return std::string(kKinds[info.param].first); });

TEST(ContainersLink, MembershipBelongsToOneLinkAndEndsWithIt) {
  // Filling on a link without members only links.
  TOVContainersLink* first = new TOVContainersLink;
  TOVContainersLink* second = new TOVContainersLink;
  TOVVector v(TOVContainerNothingAtDelete);
  first->FillAndAddContainer(&v);
  EXPECT_EQ(first, v.GetLink());
  EXPECT_EQ(2, first->GetRefCount());
  // Removing a container of another link leaves its link alone.
  second->RemoveContainer(&v);
  EXPECT_EQ(first, v.GetLink());
  first->RemoveContainer(&v);
  EXPECT_EQ(nullptr, v.GetLink());
  EXPECT_EQ(1, first->GetRefCount());
  first->Release();
  second->Release();
  // A link that dies detaches its members.
  TOVList b(TOVContainerNothingAtDelete);
  {
    TOVContainersLink link;
    link.AddContainer(&v);
    link.AddContainer(&b);
    EXPECT_EQ(3, link.GetRefCount());
  }
  EXPECT_EQ(nullptr, v.GetLink());
  EXPECT_EQ(nullptr, b.GetLink());
  Items x(1);
  v.Add(x[0], 1); // nobody to tell
  EXPECT_EQ(0, b.Size());
}

TEST(ContainersLinkDeathTest, MisuseStopsTheProcess) {
  TOVContainersLink* link = new TOVContainersLink;
  TOVContainersLink* other = new TOVContainersLink;
  TOVVector v(TOVContainerNothingAtDelete), full(TOVContainerNothingAtDelete),
      empty(TOVContainerNothingAtDelete);
  Items x(1);
  x.AppendTo(full, 1);
  link->AddContainer(&v);
  EXPECT_FATAL(link->AddContainer(&v), "The container already has a Link");
  EXPECT_FATAL(other->AddContainer(&v), "The container already has a Link");
  EXPECT_FATAL(link->AddContainer(nullptr), "TOVContainersLink::AddContainer(NULL)");
  EXPECT_FATAL(link->FillAndAddContainer(nullptr), "TOVContainersLink::FillAndAddContainer(NULL)");
  EXPECT_FATAL(other->FillAndAddContainer(&full), "The container must be empty");
  EXPECT_FATAL(link->RemoveContainer(nullptr), "pContainer is NULL");
  auto nullMember = [link] { const_cast<TOVVector&>(link->GetContainerSet()).Set(0, nullptr); };
  EXPECT_FATAL((nullMember(), link->AddObject(x[0], nullptr)), "pContainer is NULL");
  EXPECT_FATAL((nullMember(), link->Clear(nullptr)), "pContainer is NULL");
  EXPECT_FATAL((nullMember(), link->FillAndAddContainer(&empty)), "pContainerRef is NULL");
  link->RemoveContainer(&v);
  link->Release();
  other->Release();
}
