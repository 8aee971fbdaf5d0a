#pragma once
#include <cstdint>
#include <string>

namespace tarnwick {

// The cache entry type bits that the program names, and that decide the view of an entry.
inline constexpr uint32_t kCookieCacheEntry = 0x0010'0000;
inline constexpr uint32_t kUrlHistoryCacheEntry = 0x0020'0000;

// The names of the entry's known type flags joined by "|", in a fixed order; other bits add
// nothing, so an entry with none of the known flags gives the empty text.
std::string TypeText(uint32_t cacheEntryType);

}  // namespace tarnwick
