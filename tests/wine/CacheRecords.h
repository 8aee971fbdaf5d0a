#pragma once
// Reading what the cache holds, for the Wine tests to compare the program's work against.
#include <functional>
#include <vector>

#include "platform/UrlCache.h"

namespace tarnwick::testing {

// Calls `each` with every record the cache delivers for `pattern`, growing the buffer whenever a
// record needs more. The enumeration ends where the cache ends it; the code it ended with is
// the cache's LastError() afterwards.
inline void ForEachRecord(UrlCache& cache, const char* pattern,
                          const std::function<void(const CacheEntryRecord&)>& each) {
  std::vector<char> buffer(4096);
  uint32_t size = static_cast<uint32_t>(buffer.size());
  UrlCache::FindHandle find = cache.FindFirst(pattern, buffer.data(), size);
  if (!find && cache.LastError() == kErrorInsufficientBuffer) {
    buffer.resize(size);
    find = cache.FindFirst(pattern, buffer.data(), size);
  }
  for (bool more = find != nullptr; more;) {
    each(*reinterpret_cast<const CacheEntryRecord*>(buffer.data()));
    size = static_cast<uint32_t>(buffer.size());
    more = cache.FindNext(find, buffer.data(), size);
    if (!more && cache.LastError() == kErrorInsufficientBuffer) {
      buffer.resize(size);
      more = cache.FindNext(find, buffer.data(), size);
    }
  }
  if (find) cache.FindClose(find);
}

}  // namespace tarnwick::testing
