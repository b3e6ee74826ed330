#include "CollectionsTestSupport.h"
#include "TOVGlobalObjectCleaner.h"

namespace coltest {

TOV_IMPLEMENT_CLASS(Item, MORBaseUnknown)
TOV_IMPLEMENT_CLASS(ItemCmpValue, TOVComparator)
TOV_IMPLEMENT_CLASS(ItemCmpValueFiner, ItemCmpValue)
TOV_IMPLEMENT_CLASS(ItemCmpValueOther, TOVComparator)
TOV_IMPLEMENT_CLASS(ItemHashValue, TOVHashCoder)
TOV_IMPLEMENT_CLASS(ConstantHash, TOVHashCoder)
TOV_IMPLEMENT_CLASS(ItemTimesTen, TOVConvertor)

int Item::_Destroyed = 0;

Item::~Item() {
  ++_Destroyed;
}

static int Compare(const MORBaseUnknown* a, const MORBaseUnknown* b) {
  int x = static_cast<const Item*>(a)->_Value;
  int y = static_cast<const Item*>(b)->_Value;
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
  return static_cast<unsigned int>(static_cast<const Item*>(obj)->_Value) * 2654435761u;
}

void ItemTimesTen::Set(const MORBaseUnknown* obj) {
  ++_Calls;
  _Set = obj != nullptr;
  if (_Set)
    _Converted._Value = static_cast<const Item*>(obj)->_Value * 10;
}

const MORBaseUnknown* ItemTimesTen::GetConverted() const {
  return _Set ? &_Converted : nullptr;
}

int ValueOf(const MORBaseUnknown* obj) {
  return obj != nullptr ? static_cast<const Item*>(obj)->_Value : -1;
}

std::vector<MORBaseUnknown*> Drain(TOVIterator* it) {
  std::vector<MORBaseUnknown*> out;
  while (MORBaseUnknown* obj = it->Next())
    out.push_back(obj);
  it->Release();
  return out;
}

std::vector<int> NextValues(TOVOneWayIterator& it) {
  std::vector<int> out;
  while (MORBaseUnknown* obj = it.Next())
    out.push_back(ValueOf(obj));
  return out;
}

std::vector<int> Values(const TOVContainer& c) {
  std::vector<int> out;
  for (MORBaseUnknown* obj : Drain(c.MakeIterator(nullptr)))
    out.push_back(ValueOf(obj));
  return out;
}

void AppendAll(TOVSeqCollection& c, std::initializer_list<MORBaseUnknown*> objects) {
  for (MORBaseUnknown* obj : objects)
    c.Append(obj);
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
