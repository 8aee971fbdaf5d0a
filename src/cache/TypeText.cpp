#include "cache/TypeText.h"

#include <string_view>

namespace tarnwick {
namespace {

struct NamedFlag {
  std::string_view name;
  uint32_t bit;
};

constexpr NamedFlag kNamedFlags[] = {
    {"COOKIE_CACHE_ENTRY", kCookieCacheEntry},
    {"NORMAL_CACHE_ENTRY", kNormalCacheEntry},
    {"URLHISTORY_CACHE_ENTRY", kUrlHistoryCacheEntry},
    {"STABLE_CACHE_ENTRY", kStableCacheEntry},
    {"SPARSE_CACHE_ENTRY", kSparseCacheEntry},
    {"STICKY_CACHE_ENTRY", kStickyCacheEntry},
    {"TRACK_OFFLINE_CACHE_ENTRY", kTrackOfflineCacheEntry},
    {"TRACK_ONLINE_CACHE_ENTRY", kTrackOnlineCacheEntry},
    {"OCX_CACHE_ENTRY", kOcxCacheEntry},
};

}  // namespace

std::string TypeText(uint32_t cacheEntryType) {
  std::string text;
  for (const NamedFlag& flag : kNamedFlags) {
    if (!(cacheEntryType & flag.bit)) continue;
    if (!text.empty()) text += '|';
    text += flag.name;
  }
  return text;
}

}  // namespace tarnwick
