#pragma once
// Rebuilding the entry table from the URL cache for one view.
#include <cstdint>
#include <functional>

#include "cache/DeliveredRecord.h"
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

// Appends the row of one delivered record. Returns whether the listing goes on: false ends it
// there, as if the cache had no more records; the table keeps the rows listed so far and the
// summary counts them.
using RowStep = std::function<bool(const DeliveredRecord&)>;

// Resets the table to its header row and starts its listed rows, hands every record that the
// cache delivers for `view` to `addEntryRow` until it asks to stop, ends the listed rows and sums
// the listed sizes. Every way the enumeration can end, including an empty view and
// failing calls, ends this way; the enumeration handle is closed and every buffer released.
// An exception from the cache, a buffer or `addEntryRow` is passed on after the same ending, so
// the table then holds only rows of records delivered before it.
ListingSummary RefreshEntryTable(EntryTable& table, UrlCache& cache, TViewMode view,
                                 const RowStep& addEntryRow);
ListingSummary RefreshEntryTable(EntryTable& table, UrlCache& cache, TViewMode view,
                                 const RowStep& addEntryRow, ListingBuffers& buffers);

// The entry rows and their summed sizes.
ListingSummary SummaryOf(const EntryTable& table);

}  // namespace tarnwick
