// Dense numbering of objects by address: an open-addressing table from pointers to the
// indexes 0, 1, 2 ... in order of first sight. Used by the graph walks, which visit up to
// millions of objects and need per-object data in arrays.
#ifndef TOVPOINTERINDEX_H
#define TOVPOINTERINDEX_H

#include <cstddef>
#include <cstdint>
#include <vector>

template <class T> class TOVPointerIndex {
public:
  explicit TOVPointerIndex(size_t expected = 16) { Rehash(Capacity(expected)); }

  /// The index of p, numbering it when it is new.
  int IndexOf(T* p) {
    if ((_Items.size() + 1) * 2 > _Slots.size())
      Rehash(_Slots.size() * 2);
    size_t slot = Slot(p);
    while (_Slots[slot] >= 0) {
      if (_Items[_Slots[slot]] == p)
        return _Slots[slot];
      slot = (slot + 1) & (_Slots.size() - 1);
    }
    _Slots[slot] = static_cast<int>(_Items.size());
    _Items.push_back(p);
    return _Slots[slot];
  }
  /// The index of p, or -1 when it has none.
  int Find(const T* p) const {
    for (size_t slot = Slot(p); _Slots[slot] >= 0; slot = (slot + 1) & (_Slots.size() - 1))
      if (_Items[_Slots[slot]] == p)
        return _Slots[slot];
    return -1;
  }
  /// The numbered objects, by index.
  const std::vector<T*>& Items() const { return _Items; }
  size_t Size() const { return _Items.size(); }

private:
  static size_t Capacity(size_t expected) {
    size_t c = 16;
    while (c < expected * 2)
      c *= 2;
    return c;
  }
  size_t Slot(const T* p) const {
    const uint64_t h = (reinterpret_cast<uintptr_t>(p) >> 3) * 0x9E3779B97F4A7C15ULL;
    return static_cast<size_t>(h >> _Shift);
  }
  void Rehash(size_t capacity) {
    _Slots.assign(capacity, -1);
    _Shift = 64;
    for (size_t c = capacity; c > 1; c >>= 1)
      --_Shift;
    for (size_t i = 0; i < _Items.size(); ++i) {
      size_t slot = Slot(_Items[i]);
      while (_Slots[slot] >= 0)
        slot = (slot + 1) & (capacity - 1);
      _Slots[slot] = static_cast<int>(i);
    }
  }

  std::vector<int> _Slots;
  std::vector<T*> _Items;
  int _Shift = 60;
};

#endif
