#pragma once
// Reading what the cache holds, for the Wine tests to compare the program's work against.
#include <functional>
#include <string>
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

// The keys of the content entries in `cache`, in the order a listing of every entry meets them.
inline std::vector<std::string> ContentKeys(UrlCache& cache) {
  std::vector<std::string> keys;
  ForEachRecord(cache, nullptr, [&](const CacheEntryRecord& record) {
    if ((record.CacheEntryType & (kCookieCacheEntry | kUrlHistoryCacheEntry)) == 0)
      keys.emplace_back(record.lpszSourceUrlName);
  });
  return keys;
}

}  // namespace tarnwick::testing
