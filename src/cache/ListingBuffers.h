#pragma once
// Where a listing takes the buffers that the cache writes its records into. Tests count and
// check them through their own implementation; the program uses the heap.
#include <cstdint>
#include <new>

namespace tarnwick {

class ListingBuffers {
 public:
  virtual ~ListingBuffers() = default;
  // A buffer of `bytes` bytes, aligned for a cache record; throws std::bad_alloc on failure.
  virtual void* Take(uint32_t bytes) = 0;
  virtual void Release(void* buffer) = 0;
};

// Buffers from the heap, for the program.
class HeapListingBuffers : public ListingBuffers {
 public:
  void* Take(uint32_t bytes) override { return ::operator new(bytes); }
  void Release(void* buffer) override { ::operator delete(buffer); }
};

}  // namespace tarnwick
