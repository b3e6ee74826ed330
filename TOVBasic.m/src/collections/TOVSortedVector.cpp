#include "TOVSortedVector.h"
#include "MORBaseUnknownCmpAddr.h"
#include "TOVFatalInternalError.h"
#include "TOVVectorIterator.h"

#include <algorithm>
#include <utility>

TOV_IMPLEMENT_CLASS(TOVSortedVector, TOVVector)

namespace {

// Sorting and bisection take the comparator as an argument, so that sorted vectors on
// different threads never share it. The sort stays within the array even when the
// comparator is inconsistent (it then gives some order, never a crash).
class Sorter {
public:
  explicit Sorter(const TOVComparator& cmp) : _Cmp(cmp) {}

  void Sort(MORBaseUnknown** a, int n) {
    int depth = 0;
    for (int m = n; m > 1; m >>= 1)
      depth += 2;
    IntroSort(a, 0, n, depth);
  }

private:
  bool Less(const MORBaseUnknown* x, const MORBaseUnknown* y) const {
    return _Cmp.CompareObjects(x, y) < 0;
  }

  void IntroSort(MORBaseUnknown** a, int lo, int hi, int depth) {
    while (hi - lo > kSmall) {
      if (depth-- == 0) {
        auto less = [this](const MORBaseUnknown* x, const MORBaseUnknown* y) { return Less(x, y); };
        std::make_heap(a + lo, a + hi, less);
        std::sort_heap(a + lo, a + hi, less);
        return;
      }
      int split = Partition(a, lo, hi);
      // Recurse into the smaller side, loop on the larger: the stack stays logarithmic.
      if (split - lo < hi - split) {
        IntroSort(a, lo, split, depth);
        lo = split;
      } else {
        IntroSort(a, split, hi, depth);
        hi = split;
      }
    }
    InsertionSort(a, lo, hi);
  }

  // Hoare partition around the median of the first, middle and last objects; gives
  // split with [lo, split) not after the pivot and [split, hi) not before it.
  int Partition(MORBaseUnknown** a, int lo, int hi) {
    int mid = lo + (hi - 1 - lo) / 2;
    if (Less(a[mid], a[lo]))
      std::swap(a[mid], a[lo]);
    if (Less(a[hi - 1], a[mid])) {
      std::swap(a[hi - 1], a[mid]);
      if (Less(a[mid], a[lo]))
        std::swap(a[mid], a[lo]);
    }
    const MORBaseUnknown* pivot = a[mid];
    int i = lo - 1;
    int j = hi;
    for (;;) {
      do
        ++i;
      while (i < hi - 1 && Less(a[i], pivot));
      do
        --j;
      while (j > lo && Less(pivot, a[j]));
      if (i >= j)
        break;
      std::swap(a[i], a[j]);
    }
    // Only an inconsistent comparator can leave one side empty; any split then ends.
    return j + 1 > lo && j + 1 < hi ? j + 1 : lo + (hi - lo) / 2;
  }

  void InsertionSort(MORBaseUnknown** a, int lo, int hi) {
    for (int i = lo + 1; i < hi; ++i) {
      MORBaseUnknown* value = a[i];
      int k = i;
      for (; k > lo && Less(value, a[k - 1]); --k)
        a[k] = a[k - 1];
      a[k] = value;
    }
  }

  static const int kSmall = 16;
  const TOVComparator& _Cmp;
};

// First index in [lo, hi) whose object does not sort before pattern.
int LowerBound(MORBaseUnknown* const* a, int lo, int hi, const MORBaseUnknown* pattern,
               const TOVComparator& cmp) {
  while (lo < hi) {
    int mid = lo + (hi - lo) / 2;
    if (cmp.CompareObjects(pattern, a[mid]) > 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

// First index in [lo, hi) whose object sorts after pattern.
int UpperBound(MORBaseUnknown* const* a, int lo, int hi, const MORBaseUnknown* pattern,
               const TOVComparator& cmp) {
  while (lo < hi) {
    int mid = lo + (hi - lo) / 2;
    if (cmp.CompareObjects(pattern, a[mid]) >= 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

} // namespace

TOVSortedVector::TOVSortedVector(TOVContainerWhatToDoAtDeleteEnum whatToDo)
    : TOVVector(whatToDo), _Sorted(1), _pComparator(&MORBaseUnknownCmpAddr::GetGlobal()) {}

TOVSortedVector::TOVSortedVector(TOVContainerWhatToDoAtDeleteEnum whatToDo, int capacity)
    : TOVVector(whatToDo, capacity), _Sorted(1), _pComparator(&MORBaseUnknownCmpAddr::GetGlobal()) {
}

TOVSortedVector::TOVSortedVector(const TOVComparator& cmp,
                                 TOVContainerWhatToDoAtDeleteEnum whatToDo)
    : TOVVector(whatToDo), _Sorted(1), _pComparator(&cmp) {}

TOVSortedVector::TOVSortedVector(const TOVComparator& cmp,
                                 TOVContainerWhatToDoAtDeleteEnum whatToDo, int capacity)
    : TOVVector(whatToDo, capacity), _Sorted(1), _pComparator(&cmp) {}

TOVSortedVector::TOVSortedVector(const TOVSortedVector& other)
    : TOVVector(other), _Sorted(other._Sorted), _pComparator(other._pComparator) {}

TOVSortedVector::~TOVSortedVector() = default;

TOVSortedVector& TOVSortedVector::operator=(const TOVSortedVector& other) {
  TOVVector::operator=(other);
  _Sorted = other._Sorted;
  _pComparator = other._pComparator;
  return *this;
}

TOVVector& TOVSortedVector::operator=(const TOVVector& other) {
  if (other.IsAKindOf(TOVSortedVector::ClassName()))
    return *this = static_cast<const TOVSortedVector&>(other);
  // A plain vector's order is unknown: the copy is searched linearly until sorted.
  TOVVector::operator=(other);
  _Sorted = 0;
  return *this;
}

MORBaseUnknown* TOVSortedVector::LookupOne(const MORBaseUnknown* pattern) const {
  return TOVVector::LookupOne(pattern, *_pComparator);
}

TOVIterator* TOVSortedVector::LookupAll(const TOVCursor* from,
                                        const MORBaseUnknown* pattern) const {
  return TOVVector::LookupAll(from, pattern, *_pComparator);
}

TOVIterator* TOVSortedVector::LookupAll(const MORBaseUnknown* pattern) const {
  return TOVVector::LookupAll(nullptr, pattern, *_pComparator);
}

void TOVSortedVector::Add(MORBaseUnknown* obj, unsigned int flag) {
  TOVVector::Add(obj, flag);
  _Sorted = 0;
}

unsigned int TOVSortedVector::Replace(const MORBaseUnknown* old, MORBaseUnknown* newObj,
                                      unsigned int flag) {
  unsigned int found = TOVVector::Replace(old, newObj, flag);
  if (found)
    _Sorted = 0;
  return found;
}

void TOVSortedVector::Clear(unsigned int flag) {
  TOVVector::Clear(flag);
  _Sorted = 1;
}

void TOVSortedVector::ReleaseElementsAndClear() {
  TOVVector::ReleaseElementsAndClear();
  _Sorted = 1;
}

void TOVSortedVector::Destroy() {
  TOVVector::Destroy();
  _Sorted = 1;
}

MORBaseUnknown* TOVSortedVector::Replace(const TOVCursor* c, MORBaseUnknown* obj) {
  MORBaseUnknown* old = TOVVector::Replace(c, obj);
  if (old != nullptr)
    _Sorted = 0;
  return old;
}

void TOVSortedVector::Set(const TOVCursor* c, MORBaseUnknown* obj) {
  TOVVector::Set(c, obj);
  _Sorted = 0;
}

void TOVSortedVector::Set(int index, MORBaseUnknown* obj) {
  TOVVector::Set(index, obj);
  _Sorted = 0;
}

void TOVSortedVector::Insert(MORBaseUnknown* obj, int index) {
  TOVVector::Insert(obj, index);
  _Sorted = 0;
}

void TOVSortedVector::Append(MORBaseUnknown* obj) {
  TOVVector::Append(obj);
  _Sorted = 0;
}

unsigned int TOVSortedVector::InsertAfter(TOVCursor* c, MORBaseUnknown* obj) {
  unsigned int done = TOVVector::InsertAfter(c, obj);
  if (done)
    _Sorted = 0;
  return done;
}

unsigned int TOVSortedVector::InsertBefore(TOVCursor* c, MORBaseUnknown* obj) {
  unsigned int done = TOVVector::InsertBefore(c, obj);
  if (done)
    _Sorted = 0;
  return done;
}

unsigned int TOVSortedVector::IsSorted() const {
  return _Sorted || Size() <= 1 ? 1 : 0;
}

void TOVSortedVector::SetComparator(const TOVComparator& cmp) {
  if (IsSorted())
    _Sorted = TOVComparator::FirstCanBeUsedInSetSortedBySecond(cmp, *_pComparator);
  _pComparator = &cmp;
}

const TOVComparator& TOVSortedVector::GetComparator() const {
  return *_pComparator;
}

unsigned int TOVSortedVector::SearchUsesSort(const TOVComparator& cmp) const {
  if (!IsSorted())
    return 0;
  return TOVComparator::FirstCanBeUsedInSetSortedBySecond(cmp, *_pComparator);
}

unsigned int TOVSortedVector::SearchUsesSort() const {
  return _pComparator != nullptr ? SearchUsesSort(*_pComparator) : 0;
}

void TOVSortedVector::Sort() {
  Sorter(*_pComparator).Sort(Contents(), Size());
  _Sorted = 1;
}

void TOVSortedVector::SetIsSorted(unsigned int sorted, unsigned int check) {
  if (sorted && check && Size() > 1) {
    MORBaseUnknown** a = Contents();
    for (int i = 1; i < Size(); ++i)
      if (_pComparator->CompareObjects(a[i], a[i - 1]) < 0)
        TOVFatalInternalError("The vector isn't sorted");
  }
  _Sorted = sorted;
}

int TOVSortedVector::Search(int start, unsigned int forward, unsigned int restart,
                            const MORBaseUnknown* pattern, const TOVComparator& cmp) const {
  if (!SearchUsesSort(cmp))
    return TOVVector::Search(start, forward, restart, pattern, cmp);
  const int size = Size();
  if (start < 0)
    return start;
  if (start >= size)
    return size;
  MORBaseUnknown* const* a = Contents();
  int slot = start;
  if (restart) {
    // The edge of the run of objects equal to pattern, within the searched slots: its
    // first slot walking forward, its last slot walking backward.
    slot = forward ? LowerBound(a, start, size, pattern, cmp)
                   : UpperBound(a, 0, start + 1, pattern, cmp) - 1;
    if (slot < 0 || slot >= size)
      return forward ? size : -1;
  }
  if (cmp.CompareObjects(pattern, a[slot]) == 0)
    return slot;
  return forward ? size : -1;
}

int TOVSortedVector::SearchObject(int start, unsigned int restart,
                                  const MORBaseUnknown* obj) const {
  const int size = Size();
  if (size == 0)
    return 0;
  if (!IsSorted())
    return TOVVector::SearchObject(start, restart, obj);
  MORBaseUnknown* const* a = Contents();
  int slot = start < 0 ? 0 : start;
  if (restart) {
    slot = LowerBound(a, 0, size, obj, *_pComparator);
    if (slot >= size || _pComparator->CompareObjects(obj, a[slot]) != 0)
      return size;
  }
  for (; slot < size; ++slot) {
    if (a[slot] == obj)
      return slot;
    if (_pComparator->CompareObjects(obj, a[slot]) != 0)
      return size;
  }
  return size;
}
