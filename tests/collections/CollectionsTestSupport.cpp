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

// The library's shared strategies and the fatal report belong to the one global object
// cleaner, which lives as long as the test program.
[[maybe_unused]] const bool kCleaner = tovtest::UseGlobalCleaner();

} // namespace coltest
