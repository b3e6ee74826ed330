#include "CollectionsTestSupport.h"

namespace coltest {

TOV_IMPLEMENT_CLASS(Item, MORBaseUnknown)
TOV_IMPLEMENT_CLASS(ItemCmpValue, TOVComparator)
TOV_IMPLEMENT_CLASS(ItemCmpValueFiner, ItemCmpValue)
TOV_IMPLEMENT_CLASS(ItemCmpValueOther, TOVComparator)
TOV_IMPLEMENT_CLASS(ItemHashValue, TOVHashCoder)
TOV_IMPLEMENT_CLASS(ItemTimesTen, TOVConvertor)

int Item::_Destroyed = 0;

static int Compare(const MORBaseUnknown* a, const MORBaseUnknown* b) {
  const int x = ValueOf(a), y = ValueOf(b);
  return x < y ? -1 : (x > y ? 1 : 0);
}

int ItemCmpValue::CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const {
  ++_Calls;
  return Compare(a, b);
}

int ItemCmpValueOther::CompareObjects(const MORBaseUnknown* a, const MORBaseUnknown* b) const {
  return Compare(a, b);
}

unsigned int ItemHashValue::Code(const MORBaseUnknown* obj) const {
  return static_cast<unsigned int>(ValueOf(obj)) * 2654435761u;
}

void ItemTimesTen::Set(const MORBaseUnknown* obj) {
  ++_Calls;
  _Set = obj != nullptr;
  if (_Set)
    _Converted._Value = ValueOf(obj) * 10;
}

ItemCmpValue& ValueCmp() {
  static ItemCmpValue cmp;
  return cmp;
}

const ItemHashValue& ValueHash() {
  static ItemHashValue hash;
  return hash;
}

Objects Drain(TOVIterator* it) {
  Objects out;
  while (MORBaseUnknown* obj = it->Next())
    out.push_back(obj);
  it->Release();
  return out;
}

Ints NextValues(TOVOneWayIterator& it) {
  Ints out;
  while (MORBaseUnknown* obj = it.Next())
    out.push_back(ValueOf(obj));
  return out;
}

Ints Values(const TOVContainer& c) {
  Ints out;
  for (MORBaseUnknown* obj : Drain(c.MakeIterator(nullptr)))
    out.push_back(ValueOf(obj));
  return out;
}

void AppendAll(TOVSeqCollection& c, std::initializer_list<MORBaseUnknown*> objects) {
  for (MORBaseUnknown* obj : objects)
    c.Append(obj);
}

void LinkAll(std::initializer_list<TOVContainer*> containers) {
  TOVContainersLink* link = new TOVContainersLink;
  for (TOVContainer* c : containers)
    link->AddContainer(c);
  link->Release();
}

Items::Items(int count) {
  for (int i = 0; i < count; ++i)
    _Items.emplace_back(new Item(i));
}

void Items::AddTo(TOVContainer& c, int count) const {
  for (int i = 0; i < count; ++i)
    c.Add(_Items[i].get(), 0);
}

void Items::AppendTo(TOVSeqCollection& c, int count) const {
  for (int i = 0; i < count; ++i)
    c.Append(_Items[i].get());
}

// The library's shared strategies and the fatal report belong to the one global object
// cleaner, which lives as long as the test program.
[[maybe_unused]] const bool kCleaner = tovtest::UseGlobalCleaner();

} // namespace coltest
