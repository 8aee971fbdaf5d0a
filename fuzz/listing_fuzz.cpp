// The listing over an in-memory cache that the input steers: records larger than every buffer,
// injected answers at any call (code 122 again and again, a written-back size of 0 or of anything,
// any error code), and entries deleted or added between calls. Whatever the cache answers, the
// listing ends, closes the enumeration, releases every buffer, never holds two at once, never takes
// one past the limit, and its summary counts the rows it left.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "cache/Summary.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"
#include "FuzzCheck.h"

namespace tarnwick {
namespace {

class CheckedBuffers : public ListingBuffers {
 public:
  ~CheckedBuffers() override { TARNWICK_CHECK(live_ == 0); }
  void* Take(uint32_t bytes) override {
    TARNWICK_CHECK(live_ == 0 && bytes <= kMaxListingBuffer);
    ++live_;
    void* buffer = std::malloc(bytes);
    if (!buffer) throw std::bad_alloc();
    return buffer;
  }
  void Release(void* buffer) override {
    --live_;
    std::free(buffer);
  }

 private:
  int live_ = 0;
};

// Forwards to the memory cache and, before each find call, lets the input delete or add an entry,
// as another program using the cache would.
class ChangingCache : public UrlCache {
 public:
  ChangingCache(MemoryUrlCache& cache, FuzzedDataProvider& data, std::vector<std::string>& urls)
      : cache_(cache), data_(data), urls_(urls) {}

  FindHandle FindFirst(const char* pattern, void* buffer, uint32_t& size) override {
    Change();
    return cache_.FindFirst(pattern, buffer, size);
  }
  bool FindNext(FindHandle find, void* buffer, uint32_t& size) override {
    Change();
    return cache_.FindNext(find, buffer, size);
  }
  void FindClose(FindHandle find) override { cache_.FindClose(find); }
  bool Delete(const char* url) override { return cache_.Delete(url); }
  uint32_t LastError() const override { return cache_.LastError(); }

 private:
  void Change() {
    // A listing that loops forever shows up here long before libFuzzer's timeout.
    TARNWICK_CHECK(++calls_ < 100'000);
    if (data_.remaining_bytes() == 0 || urls_.empty()) return;
    const uint8_t what = data_.ConsumeIntegral<uint8_t>();
    const std::string& url = urls_[what % urls_.size()];
    if (what >= 0xC0) cache_.Delete(url.c_str());
    if (what >= 0xF0) cache_.Add({.sourceUrl = url + "/again", .header = "h"});
  }

  MemoryUrlCache& cache_;
  FuzzedDataProvider& data_;
  std::vector<std::string>& urls_;
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
  if (shape & 0x20)
    entry.header = std::string(data.ConsumeIntegralInRange<size_t>(0, 20'000), 'h');
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
  if (shape & 0x20) answer.size = data.ConsumeIntegral<uint32_t>();
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
  for (int n = data.ConsumeIntegralInRange(0, 6); n > 0; --n) {
    const int firstCall = data.ConsumeIntegralInRange(1, 40);
    const int count = data.ConsumeIntegralInRange(1, 100);
    memory.InjectAnswer(firstCall, count, AnyAnswer(data));
  }

  FixedLocale locale;
  Cp1252Text text;
  EntryRowFormatter formatter(locale, text);
  EntryTable table;
  ChangingCache cache(memory, data, urls);
  CheckedBuffers buffers;
  const ListingSummary summary = RefreshEntryTable(
      table, cache, view,
      [&](const DeliveredRecord& record) { formatter.AddEntryRow(table, record, view); }, buffers);

  TARNWICK_CHECK(memory.OpenFinds() == 0);
  TARNWICK_CHECK(summary.count == table.RowCount() - 1);
  TARNWICK_CHECK(summary.totalBytes == SumFileSizes(table));
  return 0;
}
