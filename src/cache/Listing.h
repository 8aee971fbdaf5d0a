#pragma once
// Rebuilding the entry table from the URL cache for one view.
#include <cstdint>
#include <functional>

#include "cache/EntryRow.h"
#include "cache/EntryTable.h"
#include "cache/ListingBuffers.h"
#include "cache/ViewMode.h"
#include "platform/UrlCache.h"

namespace tarnwick {

struct ListingSummary {
  int32_t count;
  int64_t totalBytes;
};

// No buffer grows past this, far beyond any real record; a cache that asks for more is treated
// as failing.
inline constexpr uint32_t kMaxListingBuffer = 64u << 20;

// Asked after each delivered record, once its row is added or skipped: whether the listing goes
// on. False ends it there, as if the cache had no more records; the table keeps the rows listed
// so far and the summary counts them. An empty callback always goes on.
using GoOn = std::function<bool()>;

// Resets the table to its header row, starts the formatter's listing and the table's listed
// rows, adds the row of every record that the cache delivers for `view` (an entry of another view
// adds none) until `goOn` says stop, ends the listed rows and sums the listed sizes. Every way the
// enumeration can end, including an empty view and failing calls, ends this way; the enumeration
// handle is closed and every buffer released. An exception from the cache, a buffer, the
// formatter or `goOn` is passed on after the same ending, so the table then holds only rows of
// records delivered before it.
ListingSummary RefreshEntryTable(EntryTable& table, UrlCache& cache, TViewMode view,
                                 const EntryRowFormatter& formatter, const GoOn& goOn = {});
ListingSummary RefreshEntryTable(EntryTable& table, UrlCache& cache, TViewMode view,
                                 const EntryRowFormatter& formatter, const GoOn& goOn,
                                 ListingBuffers& buffers);

// The entry rows and their summed sizes.
ListingSummary SummaryOf(const EntryTable& table);

}  // namespace tarnwick
