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
    {"NORMAL_CACHE_ENTRY", 0x0000'0001},
    {"URLHISTORY_CACHE_ENTRY", kUrlHistoryCacheEntry},
    {"STABLE_CACHE_ENTRY", 0x0000'0002},
    {"SPARSE_CACHE_ENTRY", 0x0001'0000},
    {"STICKY_CACHE_ENTRY", 0x0000'0004},
    {"TRACK_OFFLINE_CACHE_ENTRY", 0x0000'0010},
    {"TRACK_ONLINE_CACHE_ENTRY", 0x0000'0020},
    {"OCX_CACHE_ENTRY", 0x0002'0000},
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
