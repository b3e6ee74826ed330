#include "TOVChildExtractorRfHndlr.h"
#include "TOVOneWayIterator.h"
#include "TOVTestSupport.h"
#include "TOVTreeAsPathIterator.h"
#include "TOVTreeAsPathIteratorElement.h"
#include "TOVTreeAsPathIteratorElementMakerRfHndlr.h"
#include "TOVTreeAsPathIteratorFilterWithCurrentSetRfHndlr.h"
#include "TOVTreeAsStringPathBuilder.h"
#include "TOVTreeAsStringTreeBuilder.h"
#include "TOVTreeAsTreeIterator.h"
#include "TOVTreeAsTreeIteratorElement.h"
#include "TOVTreeAsTreeIteratorElementMakerRfHndlr.h"
#include "TOVTreeIteratorElementConvToCaseNameRfHndlr.h"
#include "TOVVector.h"

#include <string>
#include <vector>

namespace {

/// A node of the caller's tree: a name and children.
struct Node : MORBaseUnknown {
  explicit Node(const char* name) : _Name(name) {}
  std::string _Name;
  std::vector<Node*> _Children;
};

int gOpenIterators = 0;
int gLiveElements = 0;

/// Iterator over a list of nodes; counts the live ones.
class NodeIterator : public TOVOneWayIterator {
public:
  explicit NodeIterator(std::vector<Node*> nodes) : _Nodes(std::move(nodes)) { ++gOpenIterators; }
  ~NodeIterator() override { --gOpenIterators; }
  MORBaseUnknown* Next() override { return _Next < _Nodes.size() ? _Nodes[_Next++] : nullptr; }

private:
  std::vector<Node*> _Nodes;
  size_t _Next = 0;
};

/// Lists a node's children; the top level is a fixed list (absent: no iterator at all).
struct NodeExtractor : TOVChildExtractor {
  TOVOneWayIterator* MakeChildIterator(const MORBaseUnknown* parent) override {
    if (parent == nullptr)
      return _HasTop ? new NodeIterator(_Top) : nullptr;
    return new NodeIterator(static_cast<const Node*>(parent)->_Children);
  }
  bool _HasTop = false;
  std::vector<Node*> _Top;
};

/// An element of class Base that holds its object and counts the live ones.
template <class Base> struct CountedElement : Base {
  CountedElement(const TOVTreeIterator& it, int index) : Base(it, index) { ++gLiveElements; }
  ~CountedElement() override { --gLiveElements; }
  void SetObject(const MORBaseUnknown* o) override { _pObject = o; }
  const MORBaseUnknown* GetObject() const override { return _pObject; }
  const MORBaseUnknown* _pObject = nullptr;
};
using PathElement = CountedElement<TOVTreeAsPathIteratorElement>;

struct TreeElement : CountedElement<TOVTreeAsTreeIteratorElement> {
  using CountedElement::CountedElement;
  void SetNextObject(const MORBaseUnknown* o) override { _pNext = o; }
  const MORBaseUnknown* GetNextObject() const override { return _pNext; }
  unsigned int HasNextObject() const override { return _pNext != nullptr; }
  const MORBaseUnknown* _pNext = nullptr;
};

/// Makes elements of class Element and counts them; Base is the maker interface it serves.
template <class Base, class Element> struct MakerOf : Base {
  TOVTreeIteratorElement* MakeElement(const TOVTreeIterator& it, int index) override {
    ++_Made;
    return new Element(it, index);
  }
  int _Made = 0;
};
using PathMaker = MakerOf<TOVTreeAsPathIteratorElementMaker, PathElement>;

struct NameConvertor : TOVTreeIteratorElementConvToCaseName {
  void SetElement(const TOVTreeIteratorElement* e) override {
    _Name = static_cast<const Node*>(e->GetObject())->_Name.c_str();
  }
  const MORUnicodeString& GetCaseName() const override { return _Name; }
  MORUnicodeString _Name;
};

/// root with children a and b; a with child c.
struct SmallTree {
  Node root{"root"}, a{"a"}, b{"b"}, c{"c"};
  SmallTree() {
    root._Children = {&a, &b};
    a._Children = {&c};
  }
};

/// Every step of a walk: the name of the element's object, ":" and its depth.
template <class Iterator> std::string Walk(Iterator& it) {
  std::string steps;
  while (const TOVTreeIteratorElement* e = it.Next()) {
    EXPECT_EQ(e, it.GetCurrentElement());
    EXPECT_EQ(e->GetIteratorElementSetIdx(), it.GetCurrentElementIdx());
    steps += static_cast<const Node*>(e->GetObject())->_Name + ":" +
             std::to_string(it.GetCurrentElementIdx()) + " ";
  }
  return steps;
}

TOVChildExtractorRfHndlr Extractor(NodeExtractor** out = nullptr) {
  auto* made = new NodeExtractor;
  if (out != nullptr)
    *out = made;
  return TOVChildExtractorRfHndlr(TOVRfHndlrNoAddRef, made);
}

/// A walk from root (null: the top level) with path elements.
TOVTreeAsPathIterator PathWalk(const MORBaseUnknown* root,
                               const TOVChildExtractorRfHndlr& extractor = Extractor(),
                               const TOVTreeAsPathIteratorFilterRfHndlr& filter = {},
                               TOVTreeAsPathIteratorElementMaker* maker = new PathMaker) {
  return TOVTreeAsPathIterator(
      extractor, TOVTreeAsPathIteratorElementMakerRfHndlr(TOVRfHndlrNoAddRef, maker), filter, root);
}

/// A walk from root (null: the top level) with look-ahead elements.
TOVTreeAsTreeIterator TreeWalk(const MORBaseUnknown* root,
                               const TOVChildExtractorRfHndlr& extractor = Extractor(),
                               TOVTreeAsTreeIteratorElementMaker* maker =
                                   new MakerOf<TOVTreeAsTreeIteratorElementMaker, TreeElement>) {
  return TOVTreeAsTreeIterator(
      extractor, TOVTreeAsTreeIteratorElementMakerRfHndlr(TOVRfHndlrNoAddRef, maker), root);
}

TOVTreeIteratorElementConvToCaseNameRfHndlr Names() {
  return TOVTreeIteratorElementConvToCaseNameRfHndlr(TOVRfHndlrNoAddRef, new NameConvertor);
}

} // namespace

TEST(TreeAsPathIterator, WalksEachNodeBeforeItsChildrenWithOneElementPerDepth) {
  SmallTree t;
  gOpenIterators = gLiveElements = 0;
  auto* maker = new PathMaker;
  {
    TOVTreeAsPathIterator it = PathWalk(&t.root, Extractor(), {}, maker);
    EXPECT_EQ(Walk(it), "root:0 a:1 c:2 b:1 ");
    EXPECT_EQ(it.Next(), nullptr); // and stays finished
    EXPECT_EQ(it.GetCurrentElement(), nullptr);
    EXPECT_EQ(maker->_Made, 3);
    EXPECT_EQ(it.GetElementSet().Size(), 3);
    EXPECT_EQ(gOpenIterators, 0); // every child iterator released once exhausted
  }
  // Stopped mid-walk: the element of a depth is reused, and all is deleted with the walk.
  {
    TOVTreeAsPathIterator it = PathWalk(&t.root);
    const TOVTreeIteratorElement* root = it.Next();
    const TOVTreeIteratorElement* a = it.Next();
    const TOVTreeIteratorElement* c = it.Next();
    EXPECT_EQ(gOpenIterators, 2) << "the iterators of depths 1 and 2";
    EXPECT_EQ(gLiveElements, 3);
    EXPECT_EQ(&c->GetTreeIterator(), &it);
    EXPECT_EQ(root, it.GetElementSet()[0]);
    const TOVTreeIteratorElement* b = it.Next();
    EXPECT_EQ(a, b);
    EXPECT_EQ(b->GetObject(), &t.b);
    EXPECT_EQ(c->GetObject(), nullptr); // cleared when the walk climbs
  }
  EXPECT_EQ(gOpenIterators, 0);
  EXPECT_EQ(gLiveElements, 0);
}

TEST(TreeIterators, WithoutRootWalkTheTopLevelAndNothingWhenThereIsNone) {
  SmallTree t;
  Node other("other");
  NodeExtractor* extractor;
  TOVChildExtractorRfHndlr hExtractor = Extractor(&extractor);
  extractor->_HasTop = true;
  extractor->_Top = {&t.a, &other, &t.b};
  TOVTreeAsPathIterator path = PathWalk(nullptr, hExtractor);
  EXPECT_EQ(Walk(path), "a:0 c:1 other:0 b:0 ");
  TOVTreeAsTreeIterator tree = TreeWalk(nullptr, hExtractor);
  EXPECT_EQ(Walk(tree), "a:0 c:1 other:0 b:0 ");
  extractor->_Top.clear(); // an empty top-level iterator
  TOVTreeAsPathIterator empty = PathWalk(nullptr, hExtractor);
  EXPECT_EQ(empty.Next(), nullptr);
  EXPECT_EQ(empty.Next(), nullptr);
  extractor->_HasTop = false; // no top-level iterator at all
  TOVTreeAsPathIterator none = PathWalk(nullptr, hExtractor);
  EXPECT_EQ(none.Next(), nullptr);
  EXPECT_EQ(none.GetElementSet().Size(), 0);
  EXPECT_EQ(TreeWalk(nullptr, hExtractor).Next(), nullptr);
}

TEST(TreeAsPathIterator, AFilterReturnsOnlyTheNodesOfItsSetButVisitsTheOthersChildren) {
  SmallTree t;
  TOVVector* set = new TOVVector(TOVContainerNothingAtDelete);
  set->Append(&t.c);
  TOVContainerRfHndlr hSet(TOVRfHndlrNoAddRef, set);
  TOVTreeAsPathIteratorFilterRfHndlr hFilter(TOVRfHndlrNoAddRef,
                                             new TOVTreeAsPathIteratorFilterWithCurrentSet(hSet));
  TOVTreeAsPathIterator it = PathWalk(&t.root, Extractor(), hFilter);
  EXPECT_EQ(Walk(it), "c:2 ");
  EXPECT_EQ(it.Next(), nullptr);
  set->Clear(0);
  EXPECT_EQ(PathWalk(&t.root, Extractor(), hFilter).Next(), nullptr);
}

TEST(TreeAsPathIterator, ADeepChainNeedsNoRecursion) {
  std::vector<Node> chain;
  chain.reserve(100000);
  for (int i = 0; i < 100000; ++i)
    chain.emplace_back("n");
  for (int i = 0; i + 1 < 100000; ++i)
    chain[i]._Children = {&chain[i + 1]};
  TOVTreeAsPathIterator it = PathWalk(&chain[0]);
  int count = 0;
  while (it.Next() != nullptr)
    ++count;
  EXPECT_EQ(count, 100000);
}

TEST(TreeAsStringBuilders, PathJoinsTheNamesFromTheTop) {
  SmallTree t;
  TOVTreeAsPathIterator it = PathWalk(&t.root);
  TOVTreeAsStringPathBuilder builder(Names(), "/");
  MORUnicodeString path("left over");
  builder.GetRelativePath(*it.Next(), path);
  EXPECT_STREQ(path, "root");
  it.Next();
  builder.GetRelativePath(*it.Next(), path);
  EXPECT_STREQ(path, "root/a/c");
}

TEST(TreeAsTreeIterator, ElementsKnowWhetherASiblingFollowsForTheTreeLines) {
  Node root("root"), a("a"), b("b"), c("c"), d("d"), e("e");
  root._Children = {&a, &b};
  a._Children = {&c, &d};
  d._Children = {&e};
  gOpenIterators = 0;
  TOVTreeAsTreeIterator it = TreeWalk(&root);
  TOVTreeAsStringTreeBuilder builder(Names());
  TOVTreeAsStringTreeBuilder chosen(Names(), ".", "|", "__", "`", "-> ");
  std::string siblings, drawing, prefixes, chosenLine, chosenNext;
  MORUnicodeString next, line;
  while (const TOVTreeIteratorElement* el = it.Next()) {
    const auto& element = *static_cast<const TOVTreeAsTreeIteratorElement*>(el);
    siblings += std::to_string(element.HasNextObject());
    builder.GetStringsForTree(element, next, line);
    drawing += std::string(line) + "\n";
    prefixes += "[" + std::string(next) + "]";
    if (element.GetObject() == &c) {
      chosen.GetStringsForTree(element, next, line);
      chosenLine = std::string(line);
      chosenNext = std::string(next);
    }
  }
  EXPECT_EQ(it.Next(), nullptr);
  EXPECT_EQ(gOpenIterators, 0);
  EXPECT_EQ(siblings, "011000");
  EXPECT_EQ(drawing, "- root\n"
                     "   +- a\n"
                     "   !   +- c\n"
                     "   !   +- d\n"
                     "   !       +- e\n"
                     "   +- b\n");
  EXPECT_EQ(prefixes, "[][   !][   !   !][   !   !][   !       !][   !]");
  EXPECT_EQ(chosenLine, "__|__`-> c");
  EXPECT_EQ(chosenNext, "__|__|");
}

TEST(TreeIteratorDeathTest, AMakerGivingAnotherElementClassStops) {
  // The maker breaks its contract: it gives path elements to a look-ahead iterator.
  SmallTree t;
  TOVTreeAsTreeIterator it =
      TreeWalk(&t.root, Extractor(), new MakerOf<TOVTreeAsTreeIteratorElementMaker, PathElement>);
  EXPECT_DEATH(it.Next(), "TOVTreeAsTreeIteratorElement");
}
