// Size-class pool for the small objects of the runtime and the library.
#ifndef MORSMALLOBJECTPOOL_H
#define MORSMALLOBJECTPOOL_H

#include "MORTypes.h"

#include <cstddef>

/// Blocks of up to kMaxSize bytes, carved from 64 KiB slabs of one size class (sizes
/// rounded up to 8 bytes) in one reserved address range. Every thread keeps a short list
/// of free blocks per class and exchanges them in batches with the shared lists, which a
/// mutex per class guards. A slab whose blocks have all come back is kept for any class;
/// when such slabs stay unused for a second (beyond the newest 1 MiB of them), their pages
/// go back to the system, so that freeing many objects together returns their memory
/// without costing page faults to a program that makes as many again at once.
///
/// A block holds an object whose size is the block's requested size: a size that is not
/// a multiple of 16 gets 8-byte alignment (no type of that size needs more), the others
/// 16-byte alignment.
class WV0CORE_API MORSmallObjectPool {
public:
  /// The largest size served.
  static constexpr size_t kMaxSize = 256;
  /// The size of a slab.
  static constexpr size_t kSlabSize = 65536;

  /// A block of at least size bytes (1 to kMaxSize), or null when the pool cannot serve
  /// it (size out of range, address range exhausted or not available, or the variable
  /// TOV_NO_POOL set to a non-empty value in the environment of the process).
  static void* Allocate(size_t size);
  /// Gives back a block that Allocate returned; any thread may free any block.
  static void Free(void* block);
  /// Whether p points into the pool's address range (a block of Allocate or not at all).
  static bool Owns(const void* p);
  /// Class-level allocation through the pool, for classes whose objects are small and
  /// many:
  ///   static void* operator new(size_t size) { return MORSmallObjectPool::New(size); }
  ///   static void operator delete(void* p) { MORSmallObjectPool::Delete(p); }
  /// Falls back on malloc for what the pool does not serve (always, when it does not
  /// serve objects); throws std::bad_alloc when no memory is left.
  static void* New(size_t size);
  /// Frees what New gave.
  static void Delete(void* p);
  /// Gives the pages of every slab without blocks back to the system now.
  static void Trim();
  /// The number of slabs that hold blocks now (for diagnostics and tests).
  static size_t SlabsInUse();
  /// Whether operator new of the runtime's objects uses the pool: not in builds with an
  /// address or thread sanitizer, which must see every object's own allocation.
  static constexpr bool ServesObjects() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || defined(TOV_NO_POOL)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
  }
};

#endif
