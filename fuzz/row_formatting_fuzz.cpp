// One cache record built from the input and laid out the way the platform lays it out: the fixed
// part first, then the NUL-terminated strings, then the header block, which is neither aligned nor
// NUL-terminated and ends the buffer exactly, so that any read past it is caught.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "cache/EntryRow.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick {
namespace {

constexpr uint32_t kMaxHeaderBytes = 1u << 20;

std::optional<std::string> MaybeText(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return std::nullopt;
  return data.ConsumeRandomLengthString(4096);
}

FileTime AnyTime(FuzzedDataProvider& data) {
  return {data.ConsumeIntegral<uint32_t>(), data.ConsumeIntegral<uint32_t>()};
}

// A header block of any size up to 1 MiB: the rest of the input, repeated to fill it.
std::optional<std::string> MaybeHeader(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return std::nullopt;
  const uint32_t size = data.ConsumeIntegralInRange<uint32_t>(0, kMaxHeaderBytes);
  const std::string pattern = data.ConsumeRemainingBytesAsString();
  std::string header(size, '\0');
  for (size_t at = 0; !pattern.empty() && at < header.size(); at += pattern.size())
    std::memcpy(header.data() + at, pattern.data(), std::min(pattern.size(), header.size() - at));
  return header;
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
  using namespace tarnwick;
  FuzzedDataProvider data(bytes, length);
  const auto view = static_cast<TViewMode>(data.ConsumeIntegralInRange<uint8_t>(0, 2));
  FixedLocale locale(data.ConsumeIntegralInRange<int>(-24 * 60, 24 * 60));
  MemoryCacheEntry entry;
  entry.type = data.ConsumeIntegral<uint32_t>();
  entry.useCount = data.ConsumeIntegral<uint32_t>();
  entry.hitRate = data.ConsumeIntegral<uint32_t>();
  entry.size = data.ConsumeIntegral<uint64_t>();
  entry.lastModified = AnyTime(data);
  entry.expire = AnyTime(data);
  entry.lastAccess = AnyTime(data);
  entry.lastSync = AnyTime(data);
  entry.sourceUrl = MaybeText(data);
  entry.localFile = MaybeText(data);
  entry.header = MaybeHeader(data);
  const std::optional<std::string>& header = entry.header;
  const size_t headerBytes = header ? header->size() : 0;

  const uint32_t recordBytes = MemoryUrlCache::RecordSize(entry);
  const auto buffer = std::make_unique<char[]>(recordBytes);
  MemoryUrlCache::WriteRecord(entry, buffer.get());
  const DeliveredRecord laidOut{reinterpret_cast<const CacheEntryRecord*>(buffer.get()),
                                recordBytes};

  Cp1252Text text;
  EntryRowFormatter formatter(locale, text);
  const std::vector<std::string> items = formatter.RowItems(laidOut, view);
  TARNWICK_CHECK(items.size() == (view == vmCookies ? 10u : 11u));
  if (view == vmContent) TARNWICK_CHECK(items[10] == header.value_or(std::string()));
  if (view == vmHistory && headerBytes < 20) TARNWICK_CHECK(items[10].empty());

  // The table keeps the header block whole, NULs included (an empty one as a single blank).
  EntryTable table;
  table.SetRowCount(2);
  formatter.AddEntryRow(table, laidOut, view);
  if (BelongsToView(entry.type, view)) {
    TARNWICK_CHECK(table.RowCount() == 3);
    if (view == vmContent && headerBytes > 0) TARNWICK_CHECK(table.Cell(10, 1) == *header);
  } else {
    TARNWICK_CHECK(table.RowCount() == 2);
  }
  return 0;
}
