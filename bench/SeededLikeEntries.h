#pragma once
// Entries laid out as the cache delivers the seeded ones (seed-cache --entries N): a URL, a 1 KiB
// header block, a modified time, no expiry, and the access and synchronisation times of their
// commit.
#include <cstdint>
#include <string>

#include "platform/FileTimeSplit.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick::bench {

inline MemoryCacheEntry SeededLikeEntry(int i) {
  MemoryCacheEntry entry;
  entry.sourceUrl =
      "http://bench.example.com/item/" + std::to_string(i) + "?page=" + std::to_string(i % 97);
  entry.header = std::string(1024, 'h');
  entry.lastModified = FileTimeOfTicks(133'541'212'290'000'000);  // 5 March 2024, 14:07:09
  entry.lastAccess =
      FileTimeOfTicks(134'412'300'000'000'000 + uint64_t(i) * 10'000'000);  // December 2026
  entry.lastSync = entry.lastAccess;
  return entry;
}

}  // namespace tarnwick::bench
