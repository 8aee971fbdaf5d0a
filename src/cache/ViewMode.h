#pragma once
// The three views of the URL cache and, in one table, what each lists and shows.
#include <cstdint>
#include <string_view>

#include "platform/UrlCache.h"

namespace tarnwick {

// Which part of the URL cache is listed.
enum TViewMode : uint8_t {
  vmContent = 0,
  vmCookies = 1,
  vmHistory = 2,
};

// What a view's last column holds; a view without one shows one cell less.
enum class LastColumn : uint8_t { kNone, kHeader, kHistoryTitle };

struct ViewTraits {
  // What the view's radio button says.
  std::string_view caption;
  // The enumeration pattern: null for every entry.
  const char* pattern;
  // The entry type flag whose entries show in this view alone (0: none). An entry with another
  // view's flag does not show here; an entry with no such flag shows in every view whose
  // enumeration delivers it.
  uint32_t ownFlag;
  LastColumn lastColumn;
};

// By TViewMode.
inline constexpr ViewTraits kViews[] = {
    {.caption = "Content", .pattern = nullptr, .ownFlag = 0, .lastColumn = LastColumn::kHeader},
    {.caption = "Cookies",
     .pattern = kCookiePattern,
     .ownFlag = kCookieCacheEntry,
     .lastColumn = LastColumn::kNone},
    {.caption = "History",
     .pattern = kHistoryPattern,
     .ownFlag = kUrlHistoryCacheEntry,
     .lastColumn = LastColumn::kHistoryTitle},
};

inline const ViewTraits& TraitsOf(TViewMode view) { return kViews[view]; }

}  // namespace tarnwick
