#pragma once
// Content entries shaped like real ones, for the listing benchmarks: a URL with a query, a path in
// the cache folder, a response header of a few hundred bytes and four time stamps.
#include <cstdint>
#include <string>

#include "platform/FileTimeSplit.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick::bench {

inline MemoryCacheEntry ContentEntry(int n) {
  const std::string id = std::to_string(n);
  const uint64_t time = 133'541'212'290'000'000 + static_cast<uint64_t>(n) * 10'000'000;
  const FileTime stamp = FileTimeOfTicks(time);
  return {.sourceUrl = "https://static.example-cdn.test/assets/img/" + id + "/photo.jpg?v=3",
          .localFile =
              "C:\\users\\user\\Temp\\Temporary Internet Files\\Content.IE5\\AB12CD34\\"
              "photo[" +
              id + "].jpg",
          .type = 0x0000'0001,
          .useCount = 1,
          .hitRate = 3,
          .size = 20'000 + static_cast<uint64_t>(n),
          .lastModified = stamp,
          .expire = {0xFFFF'FFFF, 0x7FFF'FFFF},
          .lastAccess = stamp,
          .lastSync = stamp,
          .header = "HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: " + id +
                    "\r\nETag: \"5f2a" + id +
                    "\"\r\nCache-Control: max-age=31536000\r\n"
                    "Last-Modified: Tue, 05 Mar 2024 14:07:09 GMT\r\n\r\n"};
}

inline void FillCache(MemoryUrlCache& cache, int entries) {
  for (int n = 0; n < entries; ++n) cache.Add(ContentEntry(n));
}

}  // namespace tarnwick::bench
