#include "TOVIterator.h"
#include "TOVMappedCode.h"
#include "TOVObjAndRefObjMngr.h"
#include "TOVObjAndRefObjMngrGroup.h"
#include "TOVObjAndRefObjProcessor.h"
#include "TOVTestSupport.h"
#include "TOVVector.h"

#include <gmock/gmock.h>

#include <map>
#include <set>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

/// An object that refers to others.
struct Item : MORBaseUnknown {
  explicit Item(const char* name) : _Name(name) {}
  std::string _Name;
  std::vector<Item*> _Refs;
};

/// Classifies by a table of names (absent: to treat) and logs its calls.
class Classifier : public TOVObjAndRefObjProcessor {
  TOV_DECLARE_CLASS(Classifier)
public:
  long InitProcessing() override {
    _Log += "init ";
    return _InitCode;
  }
  int ClassifyObj(MORBaseUnknown* o) override {
    const std::string& name = static_cast<Item*>(o)->_Name;
    if (_WaitOnce.erase(name) != 0)
      return 2;
    auto found = _Kinds.find(name);
    return found == _Kinds.end() ? 1 : found->second;
  }
  long PrepareCompletion() override {
    _Log += "prepare ";
    return 0;
  }
  void AttachMngr(TOVObjAndRefObjMngr&) override { _Log += "attach "; }
  void DetachMngr(TOVObjAndRefObjMngr&) override { _Log += "detach "; }
  std::map<std::string, int> _Kinds;
  std::set<std::string> _WaitOnce; // classified 2 the first time they are seen
  std::string _Log;
  long _InitCode = 0;
};

/// Adds every referred object and logs the objects handled; fails on the object named
/// _FailOn.
class ItemMngr : public TOVObjAndRefObjMngr {
  TOV_DECLARE_CLASS(ItemMngr)
public:
  const TOVMappedCode& GetFamily() const override { return _Family; }
  long HandleRefObj(MORBaseUnknown* o, unsigned int&) override {
    Item* item = static_cast<Item*>(o);
    _Calls += "ref " + item->_Name + " ";
    for (Item* ref : item->_Refs)
      if (long code = AddObjAndRefObj(ref))
        return code;
    return _FailOn == item->_Name ? E_FAIL : 0;
  }
  long HandleObj(MORBaseUnknown* o) override {
    _Calls += "obj " + static_cast<Item*>(o)->_Name + " ";
    _Handled += static_cast<Item*>(o)->_Name + " ";
    return 0;
  }
  using TOVObjAndRefObjMngr::GetProcessor;
  TOVMappedCode _Family{"ITEMS"};
  std::string _Handled, _Calls, _FailOn;
};

/// A manager that leaves every object incomplete, even in a completion pass.
class NeverCompleteMngr : public ItemMngr {
  TOV_DECLARE_CLASS(NeverCompleteMngr)
public:
  long HandleRefObj(MORBaseUnknown*, unsigned int& complete) override {
    complete = 0;
    return 0;
  }
};

struct ItemGroup : TOVObjAndRefObjMngrGroup {
  ItemGroup() : _Mngrs(TOVContainerNothingAtDelete) {}
  const TOVContainer& GetMngrs() const override { return _Mngrs; }
  long TreatObjs() override { return 0; }
  TOVVector _Mngrs;
};

TOV_IMPLEMENT_CLASS(Classifier, TOVObjAndRefObjProcessor)
TOV_IMPLEMENT_CLASS(ItemMngr, TOVObjAndRefObjMngr)
TOV_IMPLEMENT_CLASS(NeverCompleteMngr, ItemMngr)

namespace {

/// The names of the objects of set, in the set's order.
std::vector<std::string> Names(const TOVHashTable& set) {
  std::vector<std::string> names;
  TOVIterator* it = set.MakeIterator(nullptr);
  while (MORBaseUnknown* o = it->Next())
    names.push_back(static_cast<Item*>(o)->_Name);
  it->Release();
  return names;
}

/// A manager of class Mngr with its processor, initialized.
template <class Mngr = ItemMngr> struct Managed {
  Classifier processor;
  Mngr mngr;
  Managed() {
    mngr.SetProcessor(&processor);
    EXPECT_EQ(mngr.Initialize(), 0);
  }
};

} // namespace

TEST(ObjAndRefObjMngr, ProcessorIsToldWhenTakenAndLetGo) {
  Classifier first, second;
  ItemMngr mngr;
  mngr.SetProcessor(&first);
  mngr.SetProcessor(&first);
  mngr.SetProcessor(&second);
  EXPECT_EQ(first._Log, "attach detach ");
  EXPECT_EQ(&mngr.GetProcessor(), &second);
  second._InitCode = E_FAIL;
  EXPECT_EQ(mngr.Initialize(), E_FAIL);
  mngr.Terminate();
  EXPECT_EQ(second._Log, "attach init detach ");
}

TEST(ObjAndRefObjMngr, ObjectsAreFiledByClassOnceEachAndWaitForTheCompletionPass) {
  Managed s;
  Item a("a"), skip("skip"), later("later"), dropped("dropped"), c("c");
  later._Refs = {&c};
  s.processor._Kinds = {{"skip", 0}, {"later", 2}, {"dropped", 2}};
  for (Item* item : {&a, &a, &skip, &later, &dropped})
    EXPECT_EQ(s.mngr.AddObjAndRefObj(item), 0);
  // Classified 2: to complete even though HandleRefObj leaves the flag at 1; HandleObj
  // waits for the completion pass, the references are added at once.
  EXPECT_EQ(s.mngr._Handled, "a c ");
  EXPECT_THAT(Names(s.mngr.GetObjToTreatSet()), UnorderedElementsAre("a", "c"));
  EXPECT_THAT(Names(s.mngr.GetObjNotToTreatSet()), ElementsAre("skip"));
  EXPECT_THAT(Names(s.mngr.GetObjToCompleteSet()), UnorderedElementsAre("later", "dropped"));
  // The completion pass classifies the waiting objects again.
  s.processor._Kinds = {{"dropped", 0}};
  EXPECT_EQ(s.mngr.CompleteAndAddRefObj(), 0);
  EXPECT_EQ(s.mngr._Handled, "a c later ");
  EXPECT_THAT(Names(s.mngr.GetObjNotToTreatSet()), UnorderedElementsAre("skip", "dropped"));
  EXPECT_THAT(Names(s.mngr.GetObjToTreatSet()), UnorderedElementsAre("a", "c", "later"));
  EXPECT_THAT(Names(s.mngr.GetObjToCompleteSet()), IsEmpty());
  EXPECT_EQ(0, s.mngr.Initialize()); // empties every set
  EXPECT_THAT(Names(s.mngr.GetObjToTreatSet()), IsEmpty());
  EXPECT_THAT(Names(s.mngr.GetObjNotToTreatSet()), IsEmpty());
}

TEST(ObjAndRefObjMngr, ObjectsReferringToEachOtherAreHandledOnceAndFailuresComeBack) {
  Managed s, f;
  Item a("a"), b("b"), c("c"), x("x"), y("y");
  a._Refs = {&b};
  b._Refs = {&c, &a};
  c._Refs = {&a};
  EXPECT_EQ(s.mngr.AddObjAndRefObj(&a), 0);
  EXPECT_EQ(s.mngr._Handled, "c b a ");
  EXPECT_THAT(Names(s.mngr.GetObjToTreatSet()), UnorderedElementsAre("a", "b", "c"));
  // The code of a handler stops the walk and comes back; nothing is filed.
  x._Refs = {&y};
  f.mngr._FailOn = "y";
  EXPECT_EQ(f.mngr.AddObjAndRefObj(&x), E_FAIL);
  EXPECT_TRUE(f.mngr.GetObjToTreatSet().IsEmpty());
  EXPECT_EQ(f.mngr._Handled, "");
}

TEST(ObjAndRefObjMngr, OnlyObjectsBeingAddedCountAsKnownDuringACompletionPass) {
  // An object that refers to itself: the nested AddObjAndRefObj finds it in progress.
  Managed s;
  Item p("p");
  p._Refs = {&p};
  s.processor._WaitOnce = {"p"};
  EXPECT_EQ(s.mngr.AddObjAndRefObj(&p), 0);
  EXPECT_EQ(s.mngr._Calls, "ref p ");
  EXPECT_THAT(Names(s.mngr.GetObjToCompleteSet()), ElementsAre("p"));
  // Completing p adds p again: waiting in the pass does not make it known, so it is
  // handled then and there (its own nested addition stops as in progress), then
  // completed by the pass, and filed once.
  s.mngr._Calls.clear();
  EXPECT_EQ(s.mngr.CompleteAndAddRefObj(), 0);
  EXPECT_EQ(s.mngr._Calls, "ref p ref p obj p obj p ");
  EXPECT_THAT(Names(s.mngr.GetObjToTreatSet()), ElementsAre("p"));
  EXPECT_THAT(Names(s.mngr.GetObjToCompleteSet()), IsEmpty());
}

TEST(ObjAndRefObjMngrGroup, RoundsRunUntilNoManagerHasObjectsToComplete) {
  Classifier processor;
  ItemMngr first, second;
  ItemGroup group;
  for (ItemMngr* m : {&first, &second}) {
    group._Mngrs.Append(m);
    m->SetProcessor(&processor);
  }
  EXPECT_EQ(group.Initialize(), 0);
  EXPECT_EQ(group.Analyze(), 0); // nothing to complete: one round, no pass
  EXPECT_EQ(processor._Log, "attach attach init init ");
  // x waits; completing it adds y, which waits in turn and is completed in the next
  // round; a third round finds nothing.
  Item x("x"), y("y");
  processor._WaitOnce = {"x", "y"};
  EXPECT_EQ(0, first.AddObjAndRefObj(&x));
  x._Refs = {&y};
  processor._Log.clear();
  EXPECT_EQ(group.Analyze(), 0);
  EXPECT_EQ(processor._Log, "prepare prepare ");
  EXPECT_EQ(first._Handled, "x y ");
  EXPECT_THAT(Names(first.GetObjToTreatSet()), UnorderedElementsAre("x", "y"));
  EXPECT_THAT(Names(first.GetObjToCompleteSet()), IsEmpty());
  EXPECT_THAT(Names(second.GetObjToTreatSet()), IsEmpty());
  // A failing completion pass stops the analysis.
  Item a("a");
  processor._WaitOnce = {"a"};
  EXPECT_EQ(0, second.AddObjAndRefObj(&a));
  second._FailOn = "a";
  EXPECT_EQ(group.Analyze(), E_FAIL);
  group.Terminate();
  EXPECT_EQ(processor._Log, "prepare prepare prepare detach detach ");
}

TEST(ObjAndRefObjMngrDeathTest, MisusesStop) {
  ItemMngr mngr;
  Item a("a");
  EXPECT_FATAL(mngr.GetProcessor(), "_pProcessor == NULL");
  EXPECT_FATAL(mngr.AddObjAndRefObj(&a), "Initialize() must be called before");
  EXPECT_FATAL(mngr.CompleteAndAddRefObj(), "Initialize() must be called before");
  // A processor or a manager that leaves a waiting object incomplete.
  Managed s;
  s.processor._Kinds = {{"a", 2}};
  EXPECT_EQ(0, s.mngr.AddObjAndRefObj(&a));
  EXPECT_FATAL(s.mngr.CompleteAndAddRefObj(),
               "The processor Classifier tells the object is not completed");
  Managed<NeverCompleteMngr> never;
  never.processor._Kinds = {{"a", 2}};
  EXPECT_EQ(0, never.mngr.AddObjAndRefObj(&a));
  never.processor._Kinds = {};
  EXPECT_FATAL(never.mngr.CompleteAndAddRefObj(),
               "The manager NeverCompleteMngr tells the object is not completed");
  // A group member that is no manager: Initialize has no status to give, it stops.
  ItemGroup group;
  group._Mngrs.Append(&a);
  EXPECT_DEATH((void)group.Initialize(), "TOVObjAndRefObjMngr");
}
