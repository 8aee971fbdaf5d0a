// Each view listed from Wine's real URL cache: exactly the entries the cache delivers for it,
// each row holding what its record held.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CacheRecords.h"
#include "SeedSuites.h"
#include "Win32AnsiText.h"
#include "Win32Locale.h"
#include "WinInetCache.h"
#include "cache/Columns.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"

namespace tarnwick {
namespace {

constexpr uint32_t kCookieBit = 0x0010'0000;
constexpr uint32_t kHistoryBit = 0x0020'0000;

// What a record held, copied out of the enumeration buffer.
struct Record {
  std::string url;
  std::string localFile;
  uint32_t type;
  uint32_t useCount;
  uint64_t size;
  std::string header;
};

bool Shown(uint32_t type, TViewMode view) {
  if ((type & kCookieBit) && view != vmCookies) return false;
  if ((type & kHistoryBit) && view != vmHistory) return false;
  return true;
}

const char* PatternOf(TViewMode view) {
  return view == vmCookies ? "cookie:" : view == vmHistory ? "visited:" : nullptr;
}

// The records of the view, copied out of a bare enumeration.
std::vector<Record> Delivered(UrlCache& cache, TViewMode view) {
  std::vector<Record> records;
  testing::ForEachRecord(cache, PatternOf(view), [&](const CacheEntryRecord& r) {
    if (!Shown(r.CacheEntryType, view)) return;
    records.push_back({r.lpszSourceUrlName, r.lpszLocalFileName ? r.lpszLocalFileName : "",
                       r.CacheEntryType, r.dwUseCount, (uint64_t{r.dwSizeHigh} << 32) | r.dwSizeLow,
                       r.lpHeaderInfo ? std::string(r.lpHeaderInfo, r.dwHeaderInfoSize) : ""});
  });
  return records;
}

std::string Stored(const std::string& text) { return text.empty() ? " " : text; }

class WineListingTest : public testing::RealisticSeedSuite<::testing::TestWithParam<TViewMode>> {
 protected:
  WinInetCache cache_;
  Win32Locale locale_;
  Win32AnsiText text_;
};

TEST_P(WineListingTest, RowsAreExactlyTheDeliveredEntriesOfTheView) {
  const TViewMode view = GetParam();
  const std::vector<Record> expected = Delivered(cache_, view);
  ASSERT_FALSE(expected.empty());

  EntryTable table;
  EntryRowFormatter formatter(locale_, text_);
  const ListingSummary summary = RefreshEntryTable(table, cache_, view, formatter);

  ASSERT_EQ(table.RowCount(), static_cast<int>(expected.size()) + 1);
  EXPECT_EQ(summary.count, static_cast<int32_t>(expected.size()));
  int64_t total = 0;
  for (size_t i = 0; i < expected.size(); ++i) {
    const Record& record = expected[i];
    const int row = static_cast<int>(i) + 1;
    SCOPED_TRACE(record.url);
    EXPECT_EQ(table.Cell(kColSourceUrl, row), record.url);
    EXPECT_EQ(table.Cell(kColLocalFile, row), Stored(record.localFile));
    EXPECT_EQ(table.Cell(kColUseCount, row), std::to_string(record.useCount));
    EXPECT_EQ(table.Cell(kColFileSize, row), std::to_string(record.size));
    if (view == vmContent) {
      EXPECT_EQ(table.Cell(kColHeader, row), Stored(record.header));
    }
    if (view == vmCookies) {
      EXPECT_EQ(table.Cell(kColHeader, row), "");
    }
    EXPECT_EQ(table.Cell(kColType, row)
                  .find(record.type & kCookieBit    ? "COOKIE_CACHE_ENTRY"
                        : record.type & kHistoryBit ? "URLHISTORY_CACHE_ENTRY"
                                                    : "NORMAL_CACHE_ENTRY"),
              0u);
    total += static_cast<int64_t>(record.size);
  }
  EXPECT_EQ(summary.totalBytes, total);
}

INSTANTIATE_TEST_SUITE_P(EveryView, WineListingTest,
                         ::testing::Values(vmContent, vmCookies, vmHistory));

}  // namespace
}  // namespace tarnwick
