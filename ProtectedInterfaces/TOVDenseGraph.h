// Dense view of a graph of objects: every object gets an index (TOVPointerIndex), and the
// links of each parent are one slice of an array, in the order in which they were given.
// The graph walks of the library and of its tools use it to find the links of a parent
// once, in linear time overall, and to keep per-object data in arrays.
#ifndef TOVDENSEGRAPH_H
#define TOVDENSEGRAPH_H

#include "TOVPointerIndex.h"

#include <cstddef>
#include <utility>
#include <vector>

/// Groups items by key, keeping their order within each key (a counting sort). keyOf
/// gives each item's key in [0, keys). Returns the offsets: the items of key k are
/// grouped[first[k]] .. grouped[first[k + 1] - 1]; first has keys + 1 entries.
template <class Item, class KeyOf>
std::vector<int> TOVGroupByKey(size_t keys, const std::vector<Item>& items, KeyOf keyOf,
                               std::vector<Item>& grouped) {
  std::vector<int> first(keys + 1, 0);
  for (const Item& item : items)
    ++first[keyOf(item) + 1];
  for (size_t k = 0; k < keys; ++k)
    first[k + 1] += first[k];
  std::vector<int> next(first.begin(), first.end() - 1);
  grouped.resize(items.size());
  for (const Item& item : items)
    grouped[next[keyOf(item)]++] = item;
  return first;
}

/// Objects of type T numbered in order of first sight, and links between them grouped by
/// parent: the children of i are Child(e) for e in [Begin(i), End(i)).
template <class T> class TOVDenseGraph {
public:
  explicit TOVDenseGraph(size_t expected) : _Index(expected) {}

  /// The index of object, numbering it when it is new.
  int IndexOf(T* object) { return _Index.IndexOf(object); }
  /// The index of object, or -1 when it has none.
  int Find(const T* object) const { return _Index.Find(object); }
  T& At(int i) const { return *_Index.Items()[i]; }
  size_t Size() const { return _Index.Size(); }

  /// Sets the links, (parent index, child index) pairs, grouped by parent in their given
  /// order. Objects numbered later have no links until the next call.
  void SetLinks(const std::vector<std::pair<int, int>>& links) {
    std::vector<std::pair<int, int>> grouped;
    _First = TOVGroupByKey(
        Size(), links, [](const auto& l) { return l.first; }, grouped);
    _Child.resize(grouped.size());
    for (size_t e = 0; e < grouped.size(); ++e)
      _Child[e] = grouped[e].second;
  }
  int Begin(int i) const { return i + 1 < static_cast<int>(_First.size()) ? _First[i] : 0; }
  int End(int i) const { return i + 1 < static_cast<int>(_First.size()) ? _First[i + 1] : 0; }
  int Child(int e) const { return _Child[e]; }
  /// The number of links.
  size_t LinkCount() const { return _Child.size(); }

private:
  TOVPointerIndex<T> _Index;
  std::vector<int> _First; // links of i: _Child[_First[i]] .. _Child[_First[i + 1] - 1]
  std::vector<int> _Child;
};

#endif
