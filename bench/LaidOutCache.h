#pragma once
// A stand-in URL cache for the benchmarks that list records made in memory: entry i of `count`,
// made by `entryOf(i)`, is laid out in the caller's buffer when it is asked for, with the
// platform's buffer protocol (code 122 and the size needed for a buffer too small, 259 after the
// last). It keeps no record and calls nothing of the platform, so a listing of it costs only
// what is done with the records.
#include <cstdint>
#include <utility>

#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick::bench {

template <typename EntryOf>
class LaidOutCache final : public UrlCache {
 public:
  LaidOutCache(int count, EntryOf entryOf) : count_(count), entryOf_(std::move(entryOf)) {}

  FindHandle FindFirst(const char*, void* buffer, uint32_t& size) override {
    next_ = 0;
    return Deliver(buffer, size) ? &next_ : nullptr;
  }
  bool FindNext(FindHandle, void* buffer, uint32_t& size) override { return Deliver(buffer, size); }
  void FindClose(FindHandle) override {}
  bool Delete(const char*) override { return false; }
  uint32_t LastError() const override { return lastError_; }

 private:
  bool Deliver(void* buffer, uint32_t& size) {
    if (next_ == count_) return Fail(kErrorNoMoreItems);
    const MemoryCacheEntry& entry = entryOf_(next_);
    const uint32_t needed = MemoryUrlCache::RecordSize(entry);
    if (needed > size) {
      size = needed;
      return Fail(kErrorInsufficientBuffer);
    }
    MemoryUrlCache::WriteRecord(entry, buffer);
    size = needed;
    ++next_;
    return true;
  }
  bool Fail(uint32_t error) {
    lastError_ = error;
    return false;
  }

  int count_;
  EntryOf entryOf_;
  int next_ = 0;
  uint32_t lastError_ = 0;
};

}  // namespace tarnwick::bench
