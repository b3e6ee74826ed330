// The containers side by side with their standard-library peers, on one million small
// objects keyed by an integer through a comparator and a hash coder of the library's
// kind (virtual calls on the objects themselves).
#include "TOVComparator.h"
#include "TOVGlobalObjectCleaner.h"
#include "TOVHashCoder.h"
#include "TOVHashTable.h"
#include "TOVIterator.h"
#include "TOVList.h"
#include "TOVSortedVector.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <list>
#include <random>
#include <unordered_map>
#include <vector>

namespace {

const int kCount = 1000000;

class Keyed : public MORBaseUnknown {
public:
  explicit Keyed(int key) : _Key(key) {}
  int _Key;
};

int KeyOf(const MORBaseUnknown* obj) {
  return static_cast<const Keyed*>(obj)->_Key;
}

// The strategies are called out of line, as a library's container calls them; a peer
// reaches them through Opaque so that the compiler cannot see which one it calls.
template <class T> T& Opaque(T& x) {
  T* p = &x;
  asm volatile("" : "+r"(p));
  return *p;
}

class KeyedCmp : public TOVComparator {
public:
  __attribute__((noinline)) int CompareObjects(const MORBaseUnknown* a,
                                               const MORBaseUnknown* b) const override {
    int x = KeyOf(a), y = KeyOf(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  }
};

// The address coder's mixing of four bytes, applied to the key.
inline unsigned int MixKey(int key) {
  uint32_t k = static_cast<uint32_t>(key), prime = 16777619u;
  uint32_t h = k & 0xFFu;
  h = (h * prime) ^ ((k >> 8) & 0xFFu);
  h = (h * prime) ^ ((k >> 16) & 0xFFu);
  h = (h * prime) ^ ((k >> 24) & 0xFFu);
  return h;
}

class KeyedHash : public TOVHashCoder {
public:
  __attribute__((noinline)) unsigned int Code(const MORBaseUnknown* obj) const override {
    return MixKey(KeyOf(obj));
  }
};

// The peer's hash function: the same mixing, called directly on the key.
struct PeerHash {
  size_t operator()(int key) const { return MixKey(key); }
};

// Large blocks (the vectors' arrays, the tables' buckets) stay in the heap once freed,
// instead of going back to the system and being faulted in again by the next iteration,
// whichever benchmarks ran before: a figure then does not depend on the order of the
// run or on a filter, and both sides allocate from the same warm heap.
[[maybe_unused]] const bool kWarmHeap =
    mallopt(M_MMAP_THRESHOLD, 256 << 20) && mallopt(M_TRIM_THRESHOLD, 1 << 30);

struct Data {
  TOVGlobalObjectCleaner cleaner;
  KeyedCmp cmp;
  KeyedHash hash;
  std::vector<Keyed*> inOrder; // keys 0..kCount-1 in the order of allocation
  std::vector<Keyed*> objects; // the same in a random order
  Data() {
    for (int i = 0; i < kCount; ++i)
      inOrder.push_back(new Keyed(i));
    objects = inOrder;
    std::shuffle(objects.begin(), objects.end(), std::mt19937(42));
  }
};

Data& TheData() {
  static Data data;
  return data;
}

// The walking benchmarks take their objects in the order of allocation (argument 0) or
// in a random order (argument 1), where every object reached is a cache miss.
const std::vector<Keyed*>& Walked(const benchmark::State& state) {
  return state.range(0) == 0 ? TheData().inOrder : TheData().objects;
}

void HashTableAddAndLookup(benchmark::State& state) {
  Data& d = TheData();
  for (auto _ : state) {
    TOVHashTable table(d.hash, d.cmp, TOVContainerNothingAtDelete, 0);
    for (Keyed* obj : d.objects)
      table.Add(obj, 0);
    long found = 0;
    for (Keyed* obj : d.objects)
      found += table.LookupOne(obj) == obj;
    benchmark::DoNotOptimize(found);
  }
}

void PeerUnorderedMapInsertAndFind(benchmark::State& state) {
  Data& d = TheData();
  for (auto _ : state) {
    std::unordered_map<int, Keyed*, PeerHash> map;
    for (Keyed* obj : d.objects)
      map.emplace(obj->_Key, obj);
    long found = 0;
    for (Keyed* obj : d.objects)
      found += map.find(obj->_Key)->second == obj;
    benchmark::DoNotOptimize(found);
  }
}

void SortedVectorSortAndLookup(benchmark::State& state) {
  Data& d = TheData();
  for (auto _ : state) {
    state.PauseTiming();
    TOVSortedVector* v = new TOVSortedVector(d.cmp, TOVContainerNothingAtDelete, kCount);
    for (Keyed* obj : d.objects)
      v->Add(obj, 0);
    state.ResumeTiming();
    v->Sort();
    long found = 0;
    for (Keyed* obj : d.objects)
      found += v->LookupOne(obj) == obj;
    benchmark::DoNotOptimize(found);
    state.PauseTiming();
    v->Release();
    state.ResumeTiming();
  }
}

void PeerSortAndLowerBound(benchmark::State& state) {
  Data& d = TheData();
  const TOVComparator& cmp = Opaque<const TOVComparator>(d.cmp);
  auto less = [&cmp](const MORBaseUnknown* a, const MORBaseUnknown* b) {
    return cmp.CompareObjects(a, b) < 0;
  };
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<MORBaseUnknown*> v(d.objects.begin(), d.objects.end());
    state.ResumeTiming();
    std::sort(v.begin(), v.end(), less);
    long found = 0;
    for (Keyed* obj : d.objects) {
      auto at = std::lower_bound(v.begin(), v.end(), obj, less);
      found += at != v.end() && cmp.CompareObjects(obj, *at) == 0 && *at == obj;
    }
    benchmark::DoNotOptimize(found);
  }
}

template <class Container> long WalkWithIterator(const Container& c) {
  long sum = 0;
  TOVIterator* it = c.MakeIterator(nullptr);
  while (MORBaseUnknown* obj = it->Next())
    sum += KeyOf(obj);
  it->Release();
  return sum;
}

void VectorAppendAndWalk(benchmark::State& state) {
  for (auto _ : state) {
    TOVVector v(TOVContainerNothingAtDelete);
    for (Keyed* obj : Walked(state))
      v.Append(obj);
    benchmark::DoNotOptimize(WalkWithIterator(v));
  }
}

void PeerVectorPushBackAndLoop(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<MORBaseUnknown*> v;
    for (Keyed* obj : Walked(state))
      v.push_back(obj);
    long sum = 0;
    for (MORBaseUnknown* obj : v)
      sum += KeyOf(obj);
    benchmark::DoNotOptimize(sum);
  }
}

// The least that an interface of virtual calls costs: the standard containers behind one
// out-of-line call per append and one virtual Next per object, as the library's are.
class PeerSink {
public:
  virtual ~PeerSink() = default;
  virtual void Append(MORBaseUnknown* obj) = 0;
  virtual MORBaseUnknown* Next() = 0;
};

template <class Std> class PeerBehindCalls : public PeerSink {
public:
  __attribute__((noinline)) void Append(MORBaseUnknown* obj) override { _Items.push_back(obj); }
  __attribute__((noinline)) MORBaseUnknown* Next() override {
    if (!_Started) {
      _At = _Items.begin();
      _Started = true;
    }
    return _At != _Items.end() ? *_At++ : nullptr;
  }

private:
  Std _Items;
  typename Std::iterator _At;
  bool _Started = false;
};

template <class Std> void PeerThroughVirtualCalls(benchmark::State& state) {
  for (auto _ : state) {
    PeerBehindCalls<Std> concrete;
    PeerSink& sink = Opaque<PeerSink>(concrete);
    for (Keyed* obj : Walked(state))
      sink.Append(obj);
    long sum = 0;
    while (MORBaseUnknown* obj = sink.Next())
      sum += KeyOf(obj);
    benchmark::DoNotOptimize(sum);
  }
}

void ListAppendAndWalk(benchmark::State& state) {
  for (auto _ : state) {
    TOVList list(TOVContainerNothingAtDelete);
    for (Keyed* obj : Walked(state))
      list.Append(obj);
    benchmark::DoNotOptimize(WalkWithIterator(list));
  }
}

void PeerListPushBackAndLoop(benchmark::State& state) {
  for (auto _ : state) {
    std::list<MORBaseUnknown*> list;
    for (Keyed* obj : Walked(state))
      list.push_back(obj);
    long sum = 0;
    for (MORBaseUnknown* obj : list)
      sum += KeyOf(obj);
    benchmark::DoNotOptimize(sum);
  }
}

} // namespace

BENCHMARK(HashTableAddAndLookup)->Unit(benchmark::kMillisecond);
BENCHMARK(PeerUnorderedMapInsertAndFind)->Unit(benchmark::kMillisecond);
BENCHMARK(SortedVectorSortAndLookup)->Unit(benchmark::kMillisecond);
BENCHMARK(PeerSortAndLowerBound)->Unit(benchmark::kMillisecond);
BENCHMARK(VectorAppendAndWalk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(PeerVectorPushBackAndLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(PeerThroughVirtualCalls, std::vector<MORBaseUnknown*>)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ListAppendAndWalk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(PeerListPushBackAndLoop)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(PeerThroughVirtualCalls, std::list<MORBaseUnknown*>)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
