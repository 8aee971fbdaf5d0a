#pragma once
#include <cstdint>
#include <string>

#include "platform/UrlCache.h"

namespace tarnwick {

// The names of the entry's known type flags joined by "|", in a fixed order; other bits add
// nothing, so an entry with none of the known flags gives the empty text.
std::string TypeText(uint32_t cacheEntryType);

}  // namespace tarnwick
