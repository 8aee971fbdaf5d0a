#pragma once
// The entry table's eleven columns: what each holds and its caption in the header row.
#include <array>
#include <string_view>

namespace tarnwick {

enum EntryColumn : int {
  kColSourceUrl = 0,
  kColLocalFile = 1,
  kColType = 2,
  kColUseCount = 3,
  kColHitRate = 4,
  kColFileSize = 5,
  kColModified = 6,
  kColExpires = 7,
  kColLastAccess = 8,
  kColLastSync = 9,
  kColHeader = 10,
};

inline constexpr auto kColumnCaptions = std::to_array<std::string_view>(
    {"Source URL", "Local file", "Type", "Use Count", "Hit Rate", "File Size", "Modified",
     "Expires", "Last access", "Last sync", "Header"});

// Every row has a cell for each caption.
inline constexpr int kColumnCount = static_cast<int>(kColumnCaptions.size());
static_assert(kColHeader == kColumnCount - 1, "a caption for every column");

}  // namespace tarnwick
