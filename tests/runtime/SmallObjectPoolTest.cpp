#include "MORBaseUnknown.h"
#include "MORSmallObjectPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Block {
  unsigned char* p;
  size_t size;
  unsigned char mark;
};

void Fill(const Block& b) {
  std::memset(b.p, b.mark, b.size);
}

bool Intact(const Block& b) {
  for (size_t i = 0; i < b.size; ++i)
    if (b.p[i] != b.mark)
      return false;
  return true;
}

/// The resident memory of the process.
long ResidentKiB() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
      resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

TEST(SmallObjectPool, BlocksOfEverySizeAreAlignedDisjointAndServedOnlyInRange) {
  EXPECT_EQ(nullptr, MORSmallObjectPool::Allocate(0));
  EXPECT_EQ(nullptr, MORSmallObjectPool::Allocate(MORSmallObjectPool::kMaxSize + 1));
  int local = 0;
  EXPECT_FALSE(MORSmallObjectPool::Owns(&local));
  EXPECT_FALSE(MORSmallObjectPool::Owns(nullptr));
  std::vector<Block> blocks;
  for (size_t size = 1; size <= MORSmallObjectPool::kMaxSize; ++size)
    for (int copy = 0; copy < 3; ++copy) {
      void* p = MORSmallObjectPool::Allocate(size);
      ASSERT_NE(nullptr, p) << size;
      EXPECT_TRUE(MORSmallObjectPool::Owns(p));
      // Sizes that are multiples of 16 may hold types aligned on 16 bytes.
      EXPECT_EQ(0u, reinterpret_cast<uintptr_t>(p) % (size % 16 == 0 ? 16 : 8)) << size;
      blocks.push_back({static_cast<unsigned char*>(p), size,
                        static_cast<unsigned char>(blocks.size() % 251 + 1)});
      Fill(blocks.back());
    }
  for (const Block& b : blocks) {
    EXPECT_TRUE(Intact(b)) << b.size; // no block overlaps another
    MORSmallObjectPool::Free(b.p);
  }
  // A freed block is served again to the same thread.
  void* again = MORSmallObjectPool::Allocate(MORSmallObjectPool::kMaxSize);
  EXPECT_EQ(static_cast<void*>(blocks.back().p), again);
  MORSmallObjectPool::Free(again);
}

TEST(SmallObjectPool, ObjectsOfTheRuntimeComeFromThePoolExceptUnderSanitizers) {
  MORBaseUnknown* object = new MORBaseUnknown;
  EXPECT_EQ(MORSmallObjectPool::ServesObjects(), MORSmallObjectPool::Owns(object));
  object->Release();
}

TEST(SmallObjectPool, FreeingManyBlocksGivesTheirSlabsAndUnusedMemoryBack) {
  const size_t before = MORSmallObjectPool::SlabsInUse();
  constexpr int kBlocks = 1200000; // about 55 MiB of 48-byte blocks
  std::vector<void*> blocks(kBlocks);
  for (void*& p : blocks) {
    p = MORSmallObjectPool::Allocate(48);
    std::memset(p, 1, 48); // the pages are now resident
  }
  const size_t slabs = size_t(kBlocks) * 48 / MORSmallObjectPool::kSlabSize;
  EXPECT_GE(MORSmallObjectPool::SlabsInUse(), before + slabs);
  const long full = ResidentKiB();
  // The slabs of the first half, unused for a second, go back while the second half is
  // freed; then the rest go back on demand.
  for (int i = 0; i < kBlocks / 2; ++i)
    MORSmallObjectPool::Free(blocks[i]);
  EXPECT_LE(MORSmallObjectPool::SlabsInUse(), before + slabs / 2 + 3);
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  for (int i = kBlocks / 2; i < kBlocks; ++i)
    MORSmallObjectPool::Free(blocks[i]);
  // What the thread keeps for its next allocations holds at most two slabs.
  EXPECT_LE(MORSmallObjectPool::SlabsInUse(), before + 2);
  // Under a sanitizer, its shadow memory of the pages blurs the resident size.
  const bool plain = MORSmallObjectPool::ServesObjects();
  if (plain) {
    EXPECT_GE(full - ResidentKiB(), 27 * 1024 - 2048);
  }
  MORSmallObjectPool::Trim();
  if (plain) {
    EXPECT_GE(full - ResidentKiB(), 55 * 1024 - 2048);
  }
}

TEST(SmallObjectPool, ThreadsFreeBlocksThatOtherThreadsAllocated) {
  const size_t before = MORSmallObjectPool::SlabsInUse();
  constexpr int kThreads = 4;
  // Each thread hands every other block to its right neighbour, which checks and frees it.
  std::mutex mutex;
  std::vector<std::vector<Block>> inbox(kThreads);
  std::atomic<int> damaged{0};
  auto work = [&](int id) {
    for (int round = 0; round < 20; ++round) {
      std::vector<Block> mine, received;
      for (int i = 0; i < 500; ++i) {
        const size_t size = 8 + static_cast<size_t>((i * 7 + id) % 31) * 8;
        Block b{static_cast<unsigned char*>(MORSmallObjectPool::Allocate(size)), size,
                static_cast<unsigned char>(id * 50 + i % 50 + 1)};
        Fill(b);
        if (i % 2 == 1) {
          mine.push_back(b);
        } else {
          std::lock_guard<std::mutex> lock(mutex);
          inbox[(id + 1) % kThreads].push_back(b);
        }
      }
      {
        std::lock_guard<std::mutex> lock(mutex);
        received.swap(inbox[id]);
      }
      for (const std::vector<Block>* blocks : {&received, &mine})
        for (const Block& b : *blocks) {
          damaged += !Intact(b);
          MORSmallObjectPool::Free(b.p);
        }
    }
  };
  std::vector<std::thread> threads;
  for (int id = 0; id < kThreads; ++id)
    threads.emplace_back(work, id);
  for (std::thread& t : threads)
    t.join();
  for (const std::vector<Block>& left : inbox)
    for (const Block& b : left) {
      damaged += !Intact(b);
      MORSmallObjectPool::Free(b.p);
    }
  EXPECT_EQ(0, damaged);
  // The ended threads gave back what they kept (more than 4 x 31 slabs were in use); this
  // thread keeps at most two batches, on at most two slabs, of each of the 31 sizes that
  // it freed last.
  EXPECT_LE(MORSmallObjectPool::SlabsInUse(), before + 2 * 31);
}
