#include "cache/Listing.h"

#include <algorithm>
#include <utility>

#include "cache/Columns.h"
#include "cache/Summary.h"
#include "common/ScopeExit.h"

namespace tarnwick {
namespace {

constexpr uint32_t kStartCapacity = 0x1000;
// Buffers only grow from the start capacity, so every delivered record holds the fixed part that
// DeliveredRecord promises.
static_assert(kStartCapacity >= sizeof(CacheEntryRecord));

// The one buffer a listing holds: taking a new one releases the old one first, and leaving the
// listing by any path, an exception included, releases it.
class RecordBuffer {
 public:
  explicit RecordBuffer(ListingBuffers& buffers) : buffers_(buffers) {}
  RecordBuffer(const RecordBuffer&) = delete;
  RecordBuffer& operator=(const RecordBuffer&) = delete;
  ~RecordBuffer() { Release(); }

  void* Take(uint32_t bytes) {
    Release();
    data_ = buffers_.Take(bytes);
    capacity_ = bytes;
    return data_;
  }
  void Release() {
    if (data_) buffers_.Release(std::exchange(data_, nullptr));
  }
  // The record the cache wrote, `writtenBack` being the size it reported. A cache may report more
  // than it was given, but its record can only lie within the buffer.
  DeliveredRecord Record(uint32_t writtenBack) const {
    return {static_cast<const CacheEntryRecord*>(data_), std::min(writtenBack, capacity_)};
  }

 private:
  ListingBuffers& buffers_;
  void* data_ = nullptr;
  uint32_t capacity_ = 0;
};

// Closes the enumeration however the listing ends.
class FindGuard {
 public:
  FindGuard(UrlCache& cache, UrlCache::FindHandle find) : cache_(cache), find_(find) {}
  FindGuard(const FindGuard&) = delete;
  FindGuard& operator=(const FindGuard&) = delete;
  ~FindGuard() { cache_.FindClose(find_); }

 private:
  UrlCache& cache_;
  UrlCache::FindHandle find_;
};

// What each delivered record becomes: its row, if it is of the view, then the caller's answer
// whether the listing goes on.
struct RowAdder {
  EntryTable& table;
  const EntryRowFormatter& formatter;
  TViewMode view;
  const GoOn& goOn;

  bool operator()(const DeliveredRecord& record) const {
    formatter.AddEntryRow(table, record, view);
    return !goOn || goOn();
  }
};

// The header row and the row left for the first record.
void ResetTable(EntryTable& table) {
  table.StartListedRows();
  for (int col = 0; col < kColumnCount; ++col) table.SetCell(col, 0, kColumns[col].Caption());
  table.SetFixedRows(1);
}

// The two buffers grow by different rules, on purpose: the first-entry buffer becomes twice what
// the cache says the record needs, the next-entry buffer twice its own capacity, whatever size the
// cache wrote back, and stays at that for the rest of the listing.
//
// The capacity for another try after code 122, or 0 when the buffer may not grow any further.
uint32_t GrownCapacity(uint64_t wanted, uint32_t current) {
  if (current >= kMaxListingBuffer) return 0;
  return wanted > kMaxListingBuffer ? kMaxListingBuffer : static_cast<uint32_t>(wanted);
}

// Starts the enumeration with the first record in `buffer` and its written-back size in `size`,
// or returns null when there is nothing to list. A too small buffer is replaced by one twice the
// size the cache asks for.
UrlCache::FindHandle FindFirstRecord(UrlCache& cache, const char* pattern, RecordBuffer& buffer,
                                     uint32_t& size) {
  uint32_t capacity = kStartCapacity;
  for (;;) {
    size = capacity;
    if (UrlCache::FindHandle find = cache.FindFirst(pattern, buffer.Take(capacity), size))
      return find;
    const uint32_t error = cache.LastError();
    buffer.Release();
    if (error != kErrorInsufficientBuffer || size > kMaxListingBuffer) return nullptr;
    // A cache that asks for no more than it was just given gets a doubled buffer instead, so that
    // every retry grows and the size limit ends the retries.
    const uint64_t wanted = 2 * uint64_t{size > capacity ? size : capacity};
    capacity = GrownCapacity(wanted, capacity);
    if (capacity == 0) return nullptr;
  }
}

// Hands every further record to `addRow` until the cache reports the end or fails, or `addRow`
// says stop. The buffer is reused from call to call; when a record does not fit it doubles, and
// stays doubled.
void ListRemaining(UrlCache& cache, UrlCache::FindHandle find, RecordBuffer& buffer,
                   const RowAdder& addRow) {
  uint32_t capacity = kStartCapacity;
  void* data = buffer.Take(capacity);
  for (;;) {
    uint32_t size = capacity;
    bool delivered = cache.FindNext(find, data, size);
    // A written-back size of 0 is the end, whatever the call returned.
    if (size == 0) return;
    while (!delivered && cache.LastError() == kErrorInsufficientBuffer) {
      buffer.Release();
      capacity = GrownCapacity(2 * uint64_t{capacity}, capacity);
      if (capacity == 0) return;
      data = buffer.Take(capacity);
      size = capacity;
      delivered = cache.FindNext(find, data, size);
    }
    // Code 259 is the end. Any other failure leaves no record in the buffer, and going on would
    // only repeat it, so it ends the listing the same way.
    if (!delivered || !addRow(buffer.Record(size))) return;
  }
}

// Hands every record the cache delivers for `pattern` to `addRow`, in order, until it says stop.
void ListAll(UrlCache& cache, const char* pattern, ListingBuffers& buffers,
             const RowAdder& addRow) {
  RecordBuffer buffer(buffers);
  uint32_t size = 0;
  UrlCache::FindHandle find = FindFirstRecord(cache, pattern, buffer, size);
  if (!find) return;
  FindGuard guard(cache, find);
  if (!addRow(buffer.Record(size))) return;
  buffer.Release();
  ListRemaining(cache, find, buffer, addRow);
}

}  // namespace

ListingSummary RefreshEntryTable(EntryTable& table, UrlCache& cache, TViewMode view,
                                 const EntryRowFormatter& formatter, const GoOn& goOn) {
  HeapListingBuffers heap;
  return RefreshEntryTable(table, cache, view, formatter, goOn, heap);
}

ListingSummary RefreshEntryTable(EntryTable& table, UrlCache& cache, TViewMode view,
                                 const EntryRowFormatter& formatter, const GoOn& goOn,
                                 ListingBuffers& buffers) {
  formatter.StartListing();
  {
    // However the listing ends, an exception included, the row left for the next record goes:
    // it may still show, or half show, a row of an earlier listing, which Clear would then delete
    // although this listing never delivered it. An empty view ends the same way, like one whose
    // entries were all filtered out. Writing the header takes memory too, so it is guarded alike.
    const ScopeExit endListedRows([&table] { table.EndListedRows(); });
    ResetTable(table);
    ListAll(cache, TraitsOf(view).pattern, buffers, {table, formatter, view, goOn});
  }
  return SummaryOf(table);
}

ListingSummary SummaryOf(const EntryTable& table) {
  return {EntryRowCount(table), SumFileSizes(table)};
}

}  // namespace tarnwick
