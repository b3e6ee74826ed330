#include "MORSmallObjectPool.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <new>
#include <pthread.h>
#include <sys/mman.h>
#include <time.h>
#include <vector>

namespace {

constexpr size_t kGranule = 8;
constexpr int kClasses = MORSmallObjectPool::kMaxSize / kGranule;
constexpr uint32_t kNoClass = 0xffffffffu;

/// A free block: the link of the free list it is on.
struct FreeBlock {
  FreeBlock* _pNext;
};

/// What the pool knows of one slab; kept apart from the slab, so that giving a slab back
/// to the system loses nothing.
struct Slab {
  uint32_t _Class;      // kNoClass while the slab belongs to no class
  uint32_t _Live;       // blocks handed out (to callers or to thread lists)
  uint32_t _Carved;     // blocks carved so far from the start of the slab
  uint32_t _Onlist;     // 1 while on its class's list of slabs with room
  FreeBlock* _pFree;    // blocks given back
  Slab* _pNextRoom;     // links of its class's list of slabs with room, or of the list
  Slab* _pPreviousRoom; // of emptied slabs
  uint64_t _EmptiedAt;  // when it was emptied, in milliseconds
};

/// A coarse clock in milliseconds (read only when a slab is emptied).
uint64_t NowMs() {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return static_cast<uint64_t>(now.tv_sec) * 1000 + static_cast<uint64_t>(now.tv_nsec) / 1000000;
}

/// The shared part of one size class.
struct SizeClass {
  std::mutex _Mutex;
  Slab* _pRoom = nullptr; // slabs that have free or uncarved blocks
};

/// Free blocks that one thread keeps per class.
struct ThreadCache {
  FreeBlock* _pHead[kClasses]; // free blocks
  uint32_t _Count[kClasses];
  char* _pRun[kClasses]; // blocks never used, one after the other
  uint32_t _RunLeft[kClasses];
};

size_t BlockSize(int c) {
  return (static_cast<size_t>(c) + 1) * kGranule;
}

uint32_t BlocksPerSlab(int c) {
  return static_cast<uint32_t>(MORSmallObjectPool::kSlabSize / BlockSize(c));
}

/// The number of blocks that a thread takes or gives back at once: about 4 KiB.
uint32_t Batch(int c) {
  const size_t n = 4096 / BlockSize(c);
  return static_cast<uint32_t>(n < 8 ? 8 : n > 64 ? 64 : n);
}

/// The pool's shared state, made once and never destroyed (objects are freed until the
/// very end of the process).
class Pool {
public:
  static Pool* Get() {
    static Pool* const pool = new Pool;
    return pool;
  }
  /// The pool if it exists, without making it.
  static Pool* Existing() { return _pExisting.load(std::memory_order_acquire); }

  bool Owns(const void* p) const { return reinterpret_cast<uintptr_t>(p) - _Base < _Size; }

  Slab& SlabOf(const void* p) const {
    return _pSlabs[(reinterpret_cast<uintptr_t>(p) - _Base) / MORSmallObjectPool::kSlabSize];
  }

  bool Usable() const { return _Base != 0; }

  /// Gives blocks of class c: up to n free blocks on list, or else, when the first slab
  /// with room has none, a run of up to n blocks never used that starts at run (not
  /// written to, so that they cost nothing before they are used). Gives the number of
  /// blocks, 0 when the address range is exhausted.
  uint32_t Take(int c, uint32_t n, FreeBlock*& list, char*& run) {
    SizeClass& sc = _Classes[c];
    std::lock_guard<std::mutex> lock(sc._Mutex);
    Slab* slab = sc._pRoom;
    if (slab == nullptr) {
      slab = NewSlab(c);
      if (slab == nullptr)
        return 0;
      PushRoom(sc, *slab);
    }
    uint32_t taken = 0;
    const uint32_t capacity = BlocksPerSlab(c);
    if (slab->_pFree != nullptr) {
      for (; taken < n && slab->_pFree != nullptr; ++taken) {
        FreeBlock* block = slab->_pFree;
        slab->_pFree = block->_pNext;
        block->_pNext = list;
        list = block;
      }
    } else {
      taken = std::min(n, capacity - slab->_Carved);
      run = SlabStart(*slab) + slab->_Carved * BlockSize(c);
      slab->_Carved += taken;
    }
    slab->_Live += taken;
    if (slab->_pFree == nullptr && slab->_Carved == capacity)
      PopRoom(sc, *slab);
    return taken;
  }

  /// Gives back the first n blocks of list (all of class c); gives what follows them.
  FreeBlock* GiveBack(int c, FreeBlock* list, uint32_t n) {
    SizeClass& sc = _Classes[c];
    std::lock_guard<std::mutex> lock(sc._Mutex);
    for (uint32_t i = 0; i < n && list != nullptr; ++i) {
      FreeBlock* block = list;
      list = list->_pNext;
      Slab& slab = SlabOf(block);
      block->_pNext = slab._pFree;
      slab._pFree = block;
      if (--slab._Live == 0) {
        if (slab._Onlist)
          PopRoom(sc, slab);
        ReleaseSlab(slab);
      } else if (!slab._Onlist) {
        PushRoom(sc, slab);
      }
    }
    return list;
  }

  Pool() {
    // TOV_NO_POOL in the environment leaves every allocation to malloc (for memory
    // checkers that watch malloc, and to compare).
    const char* off = std::getenv("TOV_NO_POOL");
    if (off != nullptr && *off != '\0') {
      _pExisting.store(this, std::memory_order_release);
      return;
    }
    // A large range of addresses, reserved without committing memory: pages are made
    // only when touched. Smaller ranges are tried when the process is limited.
    for (size_t size = size_t(1) << 36; size >= (size_t(1) << 28); size /= 4) {
      const size_t slabs = size / MORSmallObjectPool::kSlabSize;
      void* range = Map(size + MORSmallObjectPool::kSlabSize);
      if (range == nullptr)
        continue;
      void* info = Map(slabs * sizeof(Slab));
      if (info == nullptr) {
        munmap(range, size + MORSmallObjectPool::kSlabSize);
        continue;
      }
      // Slabs start on a multiple of their size.
      const uintptr_t start = reinterpret_cast<uintptr_t>(range);
      _Base = (start + MORSmallObjectPool::kSlabSize - 1) & ~(MORSmallObjectPool::kSlabSize - 1);
      _Size = size;
      _SlabCount = slabs;
      _pSlabs = static_cast<Slab*>(info);
      break;
    }
    _pExisting.store(this, std::memory_order_release);
  }

  static void* Map(size_t size) {
    void* p = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return p == MAP_FAILED ? nullptr : p;
  }

  char* SlabStart(const Slab& slab) const {
    return reinterpret_cast<char*>(_Base) +
           static_cast<size_t>(&slab - _pSlabs) * MORSmallObjectPool::kSlabSize;
  }

  static void PushRoom(SizeClass& sc, Slab& slab) {
    slab._pPreviousRoom = nullptr;
    slab._pNextRoom = sc._pRoom;
    if (sc._pRoom != nullptr)
      sc._pRoom->_pPreviousRoom = &slab;
    sc._pRoom = &slab;
    slab._Onlist = 1;
  }

  static void PopRoom(SizeClass& sc, Slab& slab) {
    if (slab._pPreviousRoom != nullptr)
      slab._pPreviousRoom->_pNextRoom = slab._pNextRoom;
    else
      sc._pRoom = slab._pNextRoom;
    if (slab._pNextRoom != nullptr)
      slab._pNextRoom->_pPreviousRoom = slab._pPreviousRoom;
    slab._pNextRoom = slab._pPreviousRoom = nullptr;
    slab._Onlist = 0;
  }

  /// A slab for class c: an emptied one whose pages are still there (the newest), else
  /// one given back to the system, else one never used; null when the range is exhausted.
  Slab* NewSlab(int c) {
    std::lock_guard<std::mutex> lock(_SlabMutex);
    Slab* slab = nullptr;
    if (_pEmptied != nullptr) {
      slab = _pEmptied;
      _pEmptied = slab->_pNextRoom;
      if (_pEmptied != nullptr)
        _pEmptied->_pPreviousRoom = nullptr;
      else
        _pOldestEmptied = nullptr;
      --_EmptiedCount;
    } else if (_pReleased != nullptr) {
      slab = _pReleased;
      _pReleased = slab->_pNextRoom;
    } else if (_NeverUsed < _SlabCount) {
      slab = &_pSlabs[_NeverUsed++];
    } else {
      return nullptr;
    }
    *slab = Slab{static_cast<uint32_t>(c), 0, 0, 0, nullptr, nullptr, nullptr, 0};
    ++_InUse;
    return slab;
  }

  /// Keeps an emptied slab, with its pages, for the next allocations of any class. The
  /// pages of slabs that stayed emptied for kUnusedMs go back to the system, beyond the
  /// kKeptEmpty newest ones: a program that frees many objects and makes as many again
  /// soon after reuses them without page faults, one that does not gets its memory back.
  void ReleaseSlab(Slab& slab) {
    std::lock_guard<std::mutex> lock(_SlabMutex);
    const uint64_t now = NowMs();
    slab = Slab{kNoClass, 0, 0, 0, nullptr, _pEmptied, nullptr, now};
    if (_pEmptied != nullptr)
      _pEmptied->_pPreviousRoom = &slab;
    else
      _pOldestEmptied = &slab;
    _pEmptied = &slab;
    ++_EmptiedCount;
    --_InUse;
    std::vector<Slab*> unused;
    while (_EmptiedCount > kKeptEmpty && now - _pOldestEmptied->_EmptiedAt >= kUnusedMs)
      unused.push_back(PopOldestEmptied());
    GiveBackPages(unused);
  }

  /// Gives back the pages of every emptied slab.
  void Trim() {
    std::lock_guard<std::mutex> lock(_SlabMutex);
    std::vector<Slab*> unused;
    while (_pOldestEmptied != nullptr)
      unused.push_back(PopOldestEmptied());
    GiveBackPages(unused);
  }

  size_t SlabsInUse() {
    std::lock_guard<std::mutex> lock(_SlabMutex);
    return _InUse;
  }

private:
  Slab* PopOldestEmptied() {
    Slab* slab = _pOldestEmptied;
    _pOldestEmptied = slab->_pPreviousRoom;
    if (_pOldestEmptied != nullptr)
      _pOldestEmptied->_pNextRoom = nullptr;
    else
      _pEmptied = nullptr;
    --_EmptiedCount;
    return slab;
  }

  /// Gives the pages of the slabs back to the system, in runs of neighbouring slabs (a
  /// call to the system costs about as much as many page faults), and keeps the slabs.
  void GiveBackPages(std::vector<Slab*>& slabs) {
    std::sort(slabs.begin(), slabs.end());
    for (size_t i = 0; i < slabs.size();) {
      size_t j = i + 1;
      while (j < slabs.size() && slabs[j] == slabs[j - 1] + 1)
        ++j;
      madvise(SlabStart(*slabs[i]), (j - i) * MORSmallObjectPool::kSlabSize, MADV_DONTNEED);
      i = j;
    }
    for (Slab* slab : slabs) {
      slab->_pNextRoom = _pReleased;
      _pReleased = slab;
    }
  }

  /// Emptied slabs always kept with their pages (1 MiB), and the time after which the
  /// others go back.
  static constexpr size_t kKeptEmpty = 16;
  static constexpr uint64_t kUnusedMs = 1000;

  static std::atomic<Pool*> _pExisting;
  uintptr_t _Base = 0;
  size_t _Size = 0;
  size_t _SlabCount = 0;
  Slab* _pSlabs = nullptr;
  SizeClass _Classes[kClasses];
  std::mutex _SlabMutex; // guards the slab lists and counts below
  size_t _NeverUsed = 0;
  Slab* _pEmptied = nullptr; // emptied slabs that keep their pages, newest first
  Slab* _pOldestEmptied = nullptr;
  size_t _EmptiedCount = 0;
  Slab* _pReleased = nullptr; // slabs whose pages went back to the system
  size_t _InUse = 0;
};

std::atomic<Pool*> Pool::_pExisting{nullptr};

// Each thread's lists. The pointer alone is thread-local (initial-exec, so that reaching
// it costs no call); a key's destructor gives the lists back when the thread ends, after
// which the thread works on the shared lists directly.
ThreadCache* const kThreadGone = reinterpret_cast<ThreadCache*>(1);
__thread ThreadCache* tCache __attribute__((tls_model("initial-exec"))) = nullptr;
pthread_key_t gCacheKey;

void FlushCache(void* p) {
  ThreadCache* cache = static_cast<ThreadCache*>(p);
  Pool* pool = Pool::Existing();
  for (int c = 0; c < kClasses; ++c) {
    for (; cache->_RunLeft[c] != 0; --cache->_RunLeft[c], cache->_pRun[c] += BlockSize(c)) {
      FreeBlock* block = reinterpret_cast<FreeBlock*>(cache->_pRun[c]);
      block->_pNext = cache->_pHead[c];
      cache->_pHead[c] = block;
      ++cache->_Count[c];
    }
    if (cache->_Count[c] != 0)
      pool->GiveBack(c, cache->_pHead[c], cache->_Count[c]);
  }
  tCache = kThreadGone;
  std::free(cache);
}

ThreadCache* MakeCache() {
  static const bool keyMade = pthread_key_create(&gCacheKey, FlushCache) == 0;
  ThreadCache* cache = static_cast<ThreadCache*>(std::calloc(1, sizeof(ThreadCache)));
  if (cache == nullptr || !keyMade || pthread_setspecific(gCacheKey, cache) != 0) {
    std::free(cache);
    return nullptr;
  }
  tCache = cache;
  return cache;
}

int ClassOf(size_t size) {
  return static_cast<int>((size + kGranule - 1) / kGranule) - 1;
}

} // namespace

void* MORSmallObjectPool::Allocate(size_t size) {
  if (size == 0 || size > kMaxSize)
    return nullptr;
  Pool* pool = Pool::Existing();
  if (pool == nullptr)
    pool = Pool::Get();
  if (!pool->Usable())
    return nullptr;
  const int c = ClassOf(size);
  ThreadCache* cache = tCache;
  if (cache == nullptr)
    cache = MakeCache();
  if (cache == nullptr || cache == kThreadGone) {
    FreeBlock* block = nullptr;
    char* run = nullptr;
    if (pool->Take(c, 1, block, run) == 0)
      return nullptr;
    return block != nullptr ? static_cast<void*>(block) : run;
  }
  for (;;) {
    if (FreeBlock* block = cache->_pHead[c]) {
      cache->_pHead[c] = block->_pNext;
      --cache->_Count[c];
      return block;
    }
    if (cache->_RunLeft[c] != 0) {
      void* block = cache->_pRun[c];
      cache->_pRun[c] += BlockSize(c);
      --cache->_RunLeft[c];
      return block;
    }
    const uint32_t taken = pool->Take(c, Batch(c), cache->_pHead[c], cache->_pRun[c]);
    if (taken == 0)
      return nullptr;
    if (cache->_pHead[c] != nullptr)
      cache->_Count[c] = taken;
    else
      cache->_RunLeft[c] = taken;
  }
}

void MORSmallObjectPool::Free(void* p) {
  if (p == nullptr)
    return;
  Pool* pool = Pool::Existing();
  const int c = static_cast<int>(pool->SlabOf(p)._Class);
  FreeBlock* block = static_cast<FreeBlock*>(p);
  ThreadCache* cache = tCache;
  if (cache == nullptr)
    cache = MakeCache();
  if (cache == nullptr || cache == kThreadGone) {
    block->_pNext = nullptr;
    pool->GiveBack(c, block, 1);
    return;
  }
  block->_pNext = cache->_pHead[c];
  cache->_pHead[c] = block;
  // A thread keeps at most two batches; beyond, the older batch goes back.
  const uint32_t batch = Batch(c);
  if (++cache->_Count[c] >= 2 * batch) {
    FreeBlock* keep = cache->_pHead[c];
    FreeBlock* last = keep;
    for (uint32_t i = 1; i < batch; ++i)
      last = last->_pNext;
    last->_pNext = pool->GiveBack(c, last->_pNext, batch);
    cache->_Count[c] -= batch;
  }
}

bool MORSmallObjectPool::Owns(const void* p) {
  const Pool* pool = Pool::Existing();
  return pool != nullptr && pool->Owns(p);
}

void MORSmallObjectPool::Trim() {
  if (Pool* pool = Pool::Existing())
    pool->Trim();
}

size_t MORSmallObjectPool::SlabsInUse() {
  Pool* pool = Pool::Existing();
  return pool != nullptr ? pool->SlabsInUse() : 0;
}

void* MORSmallObjectPool::New(size_t size) {
  if (ServesObjects())
    if (void* p = Allocate(size))
      return p;
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr)
    throw std::bad_alloc();
  return p;
}

void MORSmallObjectPool::Delete(void* p) {
  if (ServesObjects() && Owns(p))
    Free(p);
  else
    std::free(p);
}
