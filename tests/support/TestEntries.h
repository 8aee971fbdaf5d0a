#pragma once
// Cache entries as the tests add them to a cache held in memory.
#include <cstdint>
#include <string>
#include <utility>

#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick::testing {

// An entry with its key, type flags and size, and a local file and a header, so that every
// column of its row has a text.
inline MemoryCacheEntry TestEntry(std::string url, uint32_t type, uint64_t size = 10,
                                  std::string header = "HTTP/1.1 200 OK\r\n") {
  return {.sourceUrl = std::move(url),
          .localFile = "C:\\cache\\file.htm",
          .type = type,
          .size = size,
          .header = std::move(header)};
}

}  // namespace tarnwick::testing
