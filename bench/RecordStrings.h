#pragma once
// The least a listing has to do with the records a cache delivers: a bare enumeration that copies
// each record's source URL, local file and header block into a vector of strings.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/UrlCache.h"

namespace tarnwick::bench {

inline void CopyRecordStrings(UrlCache& cache, std::vector<std::string>& strings) {
  strings.clear();
  std::vector<char> buffer(1 << 16);
  uint32_t size = static_cast<uint32_t>(buffer.size());
  if (UrlCache::FindHandle find = cache.FindFirst(nullptr, buffer.data(), size)) {
    do {
      const auto& record = *reinterpret_cast<const CacheEntryRecord*>(buffer.data());
      strings.emplace_back(record.lpszSourceUrlName ? record.lpszSourceUrlName : "");
      strings.emplace_back(record.lpszLocalFileName ? record.lpszLocalFileName : "");
      strings.emplace_back(record.lpHeaderInfo, record.dwHeaderInfoSize);
      size = static_cast<uint32_t>(buffer.size());
    } while (cache.FindNext(find, buffer.data(), size));
    cache.FindClose(find);
  }
}

}  // namespace tarnwick::bench
