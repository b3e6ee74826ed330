// Objects, strategies and helpers shared by the collection tests.
#ifndef COLLECTIONSTESTSUPPORT_H
#define COLLECTIONSTESTSUPPORT_H

#include "TOVComparator.h"
#include "TOVContainer.h"
#include "TOVContainersLink.h"
#include "TOVConvertor.h"
#include "TOVHashCoder.h"
#include "TOVHashTable.h"
#include "TOVIterator.h"
#include "TOVSeqCollection.h"
#include "TOVTestSupport.h"
#include "TOVVector.h"

#include <gmock/gmock.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace coltest {

using ::testing::ElementsAre;
using Ints = std::vector<int>;
using Objects = std::vector<MORBaseUnknown*>;

/// A small object keyed by an integer value; counts the Items destroyed.
class Item : public MORBaseUnknown {
  TOV_DECLARE_CLASS(Item)
public:
  explicit Item(int value = 0) : _Value(value) {}
  ~Item() override { ++_Destroyed; }
  int _Value;
  static int _Destroyed;
};

/// Orders Items by value and counts its comparisons.
class ItemCmpValue : public TOVComparator {
  TOV_DECLARE_CLASS(ItemCmpValue)
public:
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override;
  mutable long _Calls = 0;
};

/// A finer order than ItemCmpValue (a class derived from it).
class ItemCmpValueFiner : public ItemCmpValue {
  TOV_DECLARE_CLASS(ItemCmpValueFiner)
};

/// Orders Items by value, but is no kind of ItemCmpValue.
class ItemCmpValueOther : public TOVComparator {
  TOV_DECLARE_CLASS(ItemCmpValueOther)
public:
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override;
};

/// Codes Items by value.
class ItemHashValue : public TOVHashCoder {
  TOV_DECLARE_CLASS(ItemHashValue)
public:
  unsigned int Code(const MORBaseUnknown* obj) const override;
};

/// Converts an Item into an Item of ten times its value (kept by the convertor).
class ItemTimesTen : public TOVConvertor {
  TOV_DECLARE_CLASS(ItemTimesTen)
public:
  void Set(const MORBaseUnknown* obj) override;
  const MORBaseUnknown* GetConverted() const override { return _Set ? &_Converted : nullptr; }
  int _Calls = 0;

private:
  Item _Converted;
  bool _Set = false;
};

/// The shared value order and value coder.
ItemCmpValue& ValueCmp();
const ItemHashValue& ValueHash();

/// A table of Items keyed by value, of the given size and coder.
class ValueTable : public TOVHashTable {
public:
  explicit ValueTable(int size, const TOVHashCoder& coder = ValueHash())
      : TOVHashTable(coder, ValueCmp(), TOVContainerNothingAtDelete, size) {}
};

/// Value of an Item seen as a MORBaseUnknown; -1 for null.
inline int ValueOf(const MORBaseUnknown* obj) {
  return obj != nullptr ? static_cast<const Item*>(obj)->_Value : -1;
}

/// Everything that it->Next() yields until null; the iterator is released.
inline Objects Drain(TOVIterator* it) {
  Objects out;
  while (MORBaseUnknown* obj = it->Next())
    out.push_back(obj);
  it->Release();
  return out;
}

/// The values of everything that it->Next() yields until null (not released).
inline Ints NextValues(TOVOneWayIterator& it) {
  Ints out;
  while (MORBaseUnknown* obj = it.Next())
    out.push_back(ValueOf(obj));
  return out;
}

/// The values of the objects of a container in iteration order.
inline Ints Values(const TOVContainer& c) {
  TOVIterator* it = c.MakeIterator(nullptr);
  Ints out = NextValues(*it);
  it->Release();
  return out;
}

/// Appends the objects to c in the order given.
inline void AppendAll(TOVSeqCollection& c, std::initializer_list<MORBaseUnknown*> objects) {
  for (MORBaseUnknown* obj : objects)
    c.Append(obj);
}

/// Links the containers by a new link that they alone keep alive.
inline void LinkAll(std::initializer_list<TOVContainer*> containers) {
  TOVContainersLink* link = new TOVContainersLink;
  for (TOVContainer* c : containers)
    link->AddContainer(c);
  link->Release();
}

/// Items with values 0..count-1, added (flag 0) or appended to containers.
class Items {
public:
  explicit Items(int count) {
    for (int i = 0; i < count; ++i)
      _Items.emplace_back(new Item(i));
  }
  Item* operator[](int i) const { return _Items[i].get(); }
  void AddTo(TOVContainer& c, int count) const {
    for (int i = 0; i < count; ++i)
      c.Add(_Items[i].get(), 0);
  }
  void AppendTo(TOVSeqCollection& c, int count) const {
    for (int i = 0; i < count; ++i)
      c.Append(_Items[i].get());
  }

private:
  std::vector<std::unique_ptr<Item>> _Items;
};

} // namespace coltest

#endif
