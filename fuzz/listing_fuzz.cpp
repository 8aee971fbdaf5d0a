// The listing over an in-memory cache that the input steers: records larger than every buffer,
// injected answers at any call (code 122 again and again, a written-back size of 0 or of anything,
// any error code, an exception), entries deleted or added between calls, and delivered records
// spoiled as a faulty cache would (a URL pointer anywhere, a written-back size short of the
// record). Beside the listing runs a reference written from the enumeration rules: it checks each
// buffer size the listing passes, that no call comes after the end and that the listing does not
// stop before it, and which calls deliver a record. The rows must be exactly the delivered records
// of the view, in order, and the summary must count and sum them.
#include <fuzzer/FuzzedDataProvider.h>
#include <sanitizer/asan_interface.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <type_traits>
#include <vector>

#include "FuzzCheck.h"
#include "RowReference.h"
#include "cache/Columns.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick {
namespace {

constexpr uint32_t kFirstBuffer = 4096;
// How many answers are injected, how many calls in a row each covers, and the largest size one
// writes back. Code 122 fifteen times in a row, or a first call asking for tens of megabytes,
// takes a buffer to its 64 MiB limit, which costs far more than the rest, so those answers have a
// build of their own; here at most nine calls in a row answer 122 and buffers stay within 2 MiB.
#ifndef TARNWICK_FUZZ_LONG_ANSWERS
constexpr int kMaxAnswers = 3;
constexpr int kMaxRepeat = 3;
constexpr uint32_t kMaxAnsweredSize = 1u << 20;
#else
constexpr int kMaxAnswers = 6;
constexpr int kMaxRepeat = 100;
constexpr uint32_t kMaxAnsweredSize = UINT32_MAX;
#endif

// Every buffer is carved from the end of one block of the largest size a listing may take, kept
// for the whole run: a fresh allocation of megabytes faults in every page, and that cost most of
// an input's time. The rest of the block is poisoned, so that a read or write past either end of
// the buffer, or into it once released, still stops the run as it would on the heap.
class CheckedBuffers : public ListingBuffers {
 public:
  CheckedBuffers() : block_(Block()) {}
  ~CheckedBuffers() override { TARNWICK_CHECK(live_ == 0); }
  void* Take(uint32_t bytes) override {
    TARNWICK_CHECK(live_ == 0 && bytes <= kMaxListingBuffer);
    ++live_;
    taken_ = bytes;
    // Aligned as the heap aligns it; the bytes between its end and the block's stay poisoned.
    char* buffer = block_ + ((kMaxListingBuffer - bytes) & ~uint32_t{15});
    ASAN_UNPOISON_MEMORY_REGION(buffer, bytes);
    // Filled as the sanitizer's heap fills a fresh block, so that what an earlier input left in the
    // block cannot change how this one runs.
    std::memset(buffer, 0xBE, std::min(bytes, kFreshFill));
    return buffer;
  }
  void Release(void* buffer) override {
    --live_;
    ASAN_POISON_MEMORY_REGION(buffer, taken_);
  }

 private:
  // The sanitizer's heap fills this much of each block it hands out.
  static constexpr uint32_t kFreshFill = 4096;

  static char* Block() {
    static char* const block = [] {
      auto* bytes = static_cast<char*>(std::malloc(kMaxListingBuffer));
      if (!bytes) throw std::bad_alloc();
      ASAN_POISON_MEMORY_REGION(bytes, kMaxListingBuffer);
      return bytes;
    }();
    return block;
  }

  char* const block_;
  int live_ = 0;
  uint32_t taken_ = 0;
};

// A record as it was delivered, for the rows it must give.
struct Delivered {
  uint32_t type;
  std::string url;
  int64_t size;
};

// The enumeration as the rules run it. The first buffer is 4096 bytes; after code 122 the first
// call gets twice the size the cache asked for, the next-entry call twice its last buffer, which
// it keeps; no buffer grows past the limit, and a call that would need it to fails for good. A
// written-back size of 0 ends the enumeration before the result counts, except on a retry after
// code 122; any other failure ends it too.
class EnumerationRules {
 public:
  enum class Phase { kFirst, kNext, kRetry, kEnded };

  void BeforeCall(bool first, uint32_t given) {
    TARNWICK_CHECK(phase_ != Phase::kEnded);
    TARNWICK_CHECK(first == (phase_ == Phase::kFirst));
    TARNWICK_CHECK(given == capacity_);
  }

  // Whether the call delivered a record.
  bool AfterFirst(bool found, uint32_t size, uint32_t error) {
    if (found) {
      phase_ = Phase::kNext;
      capacity_ = kFirstBuffer;
      return true;
    }
    if (error != kErrorInsufficientBuffer || size > kMaxListingBuffer ||
        capacity_ >= kMaxListingBuffer) {
      phase_ = Phase::kEnded;
    } else {
      capacity_ = static_cast<uint32_t>(
          std::min<uint64_t>(2 * uint64_t{std::max(size, capacity_)}, kMaxListingBuffer));
    }
    return false;
  }

  bool AfterNext(bool found, uint32_t size, uint32_t error) {
    if (phase_ == Phase::kNext && size == 0) {
      phase_ = Phase::kEnded;
    } else if (!found && error == kErrorInsufficientBuffer && capacity_ < kMaxListingBuffer) {
      capacity_ = std::min(2 * capacity_, kMaxListingBuffer);
      phase_ = Phase::kRetry;
    } else if (!found) {
      phase_ = Phase::kEnded;
    } else {
      phase_ = Phase::kNext;
      return true;
    }
    return false;
  }

  void Thrown() { phase_ = Phase::kEnded; }
  Phase phase() const { return phase_; }

 private:
  Phase phase_ = Phase::kFirst;
  uint32_t capacity_ = kFirstBuffer;
};

// Forwards to the memory cache, checking each call against the rules. Before each call the input
// may delete or add an entry, as another program using the cache would; after a delivering call it
// may spoil the record.
class ObservedCache : public UrlCache {
 public:
  ObservedCache(MemoryUrlCache& cache, FuzzedDataProvider& data, std::vector<std::string>& urls)
      : cache_(cache), data_(data), urls_(urls) {}

  FindHandle FindFirst(const char* pattern, void* buffer, uint32_t& size) override {
    Change();
    rules_.BeforeCall(true, size);
    const uint32_t given = size;
    FindHandle find = Call([&] { return cache_.FindFirst(pattern, buffer, size); });
    if (find) Spoil(buffer, given, size);
    if (rules_.AfterFirst(find != nullptr, size, cache_.LastError())) Record(buffer, given, size);
    return find;
  }
  bool FindNext(FindHandle find, void* buffer, uint32_t& size) override {
    Change();
    rules_.BeforeCall(false, size);
    const uint32_t given = size;
    const bool found = Call([&] { return cache_.FindNext(find, buffer, size); });
    if (found) Spoil(buffer, given, size);
    if (rules_.AfterNext(found, size, cache_.LastError())) Record(buffer, given, size);
    return found;
  }
  void FindClose(FindHandle find) override { cache_.FindClose(find); }
  bool Delete(const char* url) override { return cache_.Delete(url); }
  uint32_t LastError() const override { return cache_.LastError(); }

  const EnumerationRules& rules() const { return rules_; }
  const std::vector<Delivered>& delivered() const { return delivered_; }

 private:
  template <typename CallCache>
  std::invoke_result_t<CallCache> Call(CallCache call) {
    // A listing that loops forever shows up here long before libFuzzer's timeout.
    TARNWICK_CHECK(++calls_ < 100'000);
    try {
      return call();
    } catch (...) {
      rules_.Thrown();
      throw;
    }
  }

  void Change() {
    if (data_.remaining_bytes() == 0 || urls_.empty()) return;
    const uint8_t what = data_.ConsumeIntegral<uint8_t>();
    const std::string& url = urls_[what % urls_.size()];
    if (what >= 0xC0) cache_.Delete(url.c_str());
    if (what >= 0xF0) cache_.Add({.sourceUrl = url + "/again", .header = "h"});
  }

  void Spoil(void* buffer, uint32_t given, uint32_t& size) {
    if (data_.remaining_bytes() == 0) return;
    const uint8_t what = data_.ConsumeIntegral<uint8_t>();
    if (what & 0x01) {
      const int64_t offset = data_.ConsumeIntegralInRange<int64_t>(-16, int64_t{given} + 16);
      static_cast<CacheEntryRecord*>(buffer)->lpszSourceUrlName = reinterpret_cast<char*>(
          reinterpret_cast<uintptr_t>(buffer) + static_cast<uintptr_t>(offset));
    }
    if (what & 0x02) size = data_.ConsumeIntegralInRange<uint32_t>(0, given + 16);
  }

  void Record(const void* buffer, uint32_t given, uint32_t size) {
    const auto& record = *static_cast<const CacheEntryRecord*>(buffer);
    const auto* bytes = static_cast<const char*>(buffer);
    const uint64_t entrySize = uint64_t{record.dwSizeHigh} << 32 | record.dwSizeLow;
    delivered_.push_back({record.CacheEntryType,
                          reference::Text(bytes, std::min(size, given),
                                          reference::OffsetIn(bytes, record.lpszSourceUrlName)),
                          static_cast<int64_t>(entrySize)});
  }

  MemoryUrlCache& cache_;
  FuzzedDataProvider& data_;
  std::vector<std::string>& urls_;
  EnumerationRules rules_;
  std::vector<Delivered> delivered_;
  int calls_ = 0;
};

MemoryCacheEntry AnyEntry(FuzzedDataProvider& data, std::vector<std::string>& urls) {
  static constexpr const char* kPrefixes[] = {"Cookie:u@", "Visited:u@", "http://", ""};
  MemoryCacheEntry entry;
  const uint8_t shape = data.ConsumeIntegral<uint8_t>();
  if (shape & 0x80) {
    urls.push_back(kPrefixes[shape & 3] + data.ConsumeRandomLengthString(64));
    entry.sourceUrl = urls.back();
  }
  if (shape & 0x40) entry.localFile = data.ConsumeRandomLengthString(64);
  entry.type = data.ConsumeIntegral<uint32_t>();
  entry.size = data.ConsumeIntegral<uint64_t>();
  entry.lastModified = {data.ConsumeIntegral<uint32_t>(), data.ConsumeIntegral<uint32_t>()};
  // Up to five times the first buffer, so that a record can outgrow every buffer tried so far.
  if (shape & 0x20) entry.header = std::string(data.ConsumeIntegralInRange<size_t>(0, 20'000), 'h');
  return entry;
}

InjectedAnswer AnyAnswer(FuzzedDataProvider& data) {
  static constexpr uint32_t kCodes[] = {kErrorInsufficientBuffer, kErrorNoMoreItems,
                                        kErrorFileNotFound, kErrorAccessDenied};
  InjectedAnswer answer;
  const uint8_t shape = data.ConsumeIntegral<uint8_t>();
  answer.result = shape & 1;
  answer.error = shape & 2 ? data.ConsumeIntegral<uint32_t>() : kCodes[(shape >> 2) & 3];
  if (shape & 0x10) answer.size = 0;
  if (shape & 0x20) answer.size = data.ConsumeIntegralInRange<uint32_t>(0, kMaxAnsweredSize);
  answer.throws = (shape & 0xC0) == 0xC0;
  return answer;
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
  using namespace tarnwick;
  FuzzedDataProvider data(bytes, length);
  const auto view = static_cast<TViewMode>(data.ConsumeIntegralInRange<uint8_t>(0, 2));
  MemoryUrlCache memory;
  std::vector<std::string> urls;
  for (int n = data.ConsumeIntegralInRange(0, 24); n > 0; --n) memory.Add(AnyEntry(data, urls));
  for (int n = data.ConsumeIntegralInRange(0, kMaxAnswers); n > 0; --n) {
    const int firstCall = data.ConsumeIntegralInRange(1, 40);
    const int count = data.ConsumeIntegralInRange(1, kMaxRepeat);
    memory.InjectAnswer(firstCall, count, AnyAnswer(data));
  }

  FixedLocale locale;
  Cp1252Text text;
  EntryRowFormatter formatter(locale, text);
  EntryTable table;
  ObservedCache cache(memory, data, urls);
  bool thrown = false;
  ListingSummary summary{};
  {
    CheckedBuffers buffers;
    try {
      summary = RefreshEntryTable(table, cache, view, formatter, {}, buffers);
    } catch (const std::runtime_error&) {
      thrown = true;
    }
  }
  TARNWICK_CHECK(memory.OpenFinds() == 0);
  TARNWICK_CHECK(cache.rules().phase() == EnumerationRules::Phase::kEnded);

  std::vector<Delivered> rows;
  for (const Delivered& record : cache.delivered())
    if (reference::Shown(record.type, view)) rows.push_back(record);
  TARNWICK_CHECK(table.RowCount() == static_cast<int>(rows.size()) + 1);
  uint64_t total = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    TARNWICK_CHECK(table.Cell(kColSourceUrl, row) == (rows[i].url.empty() ? " " : rows[i].url));
    TARNWICK_CHECK(table.Cell(kColFileSize, row) == std::to_string(rows[i].size));
    total += static_cast<uint64_t>(rows[i].size);
  }
  if (!thrown) {
    TARNWICK_CHECK(summary.count == static_cast<int32_t>(rows.size()));
    TARNWICK_CHECK(summary.totalBytes == static_cast<int64_t>(total));
  }
  return 0;
}
