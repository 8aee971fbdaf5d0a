#pragma once
// The least a listing has to do with the records a cache delivers: a bare enumeration that copies
// each record's source URL, local file and header block into a vector of strings.
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/UrlCache.h"

namespace tarnwick::bench {

// Each string replaces the one the run before left in its place, which is freed only once the
// new one is made, as a listing frees a row of the one before for each row it adds
// (EntryTable::AddListedRow). Emptying the vector first freed every string at once: where they
// ended the heap, Wine's heap and glibc's gave that memory back to the system and the copy took
// it again page by page, a cost the table never pays, which came and went with the heap's layout.
inline void CopyRecordStrings(UrlCache& cache, std::vector<std::string>& strings) {
  size_t copied = 0;
  const auto copy = [&](const char* text, size_t length) {
    std::string fresh(text ? text : "", text ? length : 0);
    if (copied < strings.size())
      strings[copied] = std::move(fresh);
    else
      strings.push_back(std::move(fresh));
    ++copied;
  };
  std::vector<char> buffer(1 << 16);
  uint32_t size = static_cast<uint32_t>(buffer.size());
  if (UrlCache::FindHandle find = cache.FindFirst(nullptr, buffer.data(), size)) {
    do {
      const auto& record = *reinterpret_cast<const CacheEntryRecord*>(buffer.data());
      const char* url = record.lpszSourceUrlName;
      const char* file = record.lpszLocalFileName;
      copy(url, url ? std::strlen(url) : 0);
      copy(file, file ? std::strlen(file) : 0);
      copy(record.lpHeaderInfo, record.dwHeaderInfoSize);
      size = static_cast<uint32_t>(buffer.size());
    } while (cache.FindNext(find, buffer.data(), size));
    cache.FindClose(find);
  }
  strings.resize(copied);
}

}  // namespace tarnwick::bench
