// Objects, strategies and helpers shared by the collection tests.
#ifndef COLLECTIONSTESTSUPPORT_H
#define COLLECTIONSTESTSUPPORT_H

#include "TOVComparator.h"
#include "TOVContainer.h"
#include "TOVConvertor.h"
#include "TOVHashCoder.h"
#include "TOVIterator.h"
#include "TOVSeqCollection.h"
#include "TOVTestSupport.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace coltest {

/// A small object keyed by an integer value.
class Item : public MORBaseUnknown {
  TOV_DECLARE_CLASS(Item)
public:
  explicit Item(int value = 0) : _Value(value) {}
  ~Item() override;
  int _Value;
  /// Counts the Items destroyed, to check delete policies.
  static int _Destroyed;
};

/// Orders Items by value.
class ItemCmpValue : public TOVComparator {
  TOV_DECLARE_CLASS(ItemCmpValue)
public:
  int CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const override;
  /// Number of comparisons made so far.
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

/// Gives every object the same code.
class ConstantHash : public TOVHashCoder {
  TOV_DECLARE_CLASS(ConstantHash)
public:
  unsigned int Code(const MORBaseUnknown*) const override { return 7; }
};

/// Converts an Item into an Item of ten times its value (kept by the convertor).
class ItemTimesTen : public TOVConvertor {
  TOV_DECLARE_CLASS(ItemTimesTen)
public:
  void Set(const MORBaseUnknown* obj) override;
  const MORBaseUnknown* GetConverted() const override;
  int _Calls = 0;

private:
  Item _Converted;
  bool _Set = false;
};

/// Value of an Item seen as a MORBaseUnknown; -1 for null.
int ValueOf(const MORBaseUnknown* obj);

/// Everything that it->Next() yields until null; the iterator is released.
std::vector<MORBaseUnknown*> Drain(TOVIterator* it);
/// The values of everything that it->Next() yields until null (not released).
std::vector<int> NextValues(TOVOneWayIterator& it);
/// The values of the objects of a container in iteration order.
std::vector<int> Values(const TOVContainer& c);

/// Appends the objects to c in the order given.
void AppendAll(TOVSeqCollection& c, std::initializer_list<MORBaseUnknown*> objects);

/// A set of Items with values 0..count-1, owned by the fixture.
class Items {
public:
  explicit Items(int count);
  Item* operator[](int i) const { return _Items[i].get(); }
  /// Adds the first count Items to c with flag 0.
  void AddTo(TOVContainer& c, int count) const;
  /// Appends the first count Items to c.
  void AppendTo(TOVSeqCollection& c, int count) const;

private:
  std::vector<std::unique_ptr<Item>> _Items;
};

} // namespace coltest

#endif
