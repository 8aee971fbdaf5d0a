// One cache record built from the input and laid out the way the platform lays it out: the fixed
// part first, then the NUL-terminated strings, then the header block, which is neither aligned nor
// NUL-terminated and ends the buffer exactly, so that any read past it is caught. The input may
// then spoil the record as a faulty cache would: a string or header pointer anywhere from before
// the buffer to past its end, a header size that overruns it, a written-back size short of the
// record. Every cell of the row must be what the rules give (fuzz/RowReference.h).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "FuzzCheck.h"
#include "RowReference.h"
#include "cache/EntryRow.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"

namespace tarnwick {
namespace {

// Headers of up to 1 MiB cost far more than the rest, so they have a build of their own.
#ifndef TARNWICK_FUZZ_MAX_HEADER
#define TARNWICK_FUZZ_MAX_HEADER 4096
#endif
constexpr uint32_t kMaxHeaderBytes = TARNWICK_FUZZ_MAX_HEADER;

std::optional<std::string> MaybeText(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return std::nullopt;
  return data.ConsumeRandomLengthString(512);
}

FileTime AnyTime(FuzzedDataProvider& data) {
  return {data.ConsumeIntegral<uint32_t>(), data.ConsumeIntegral<uint32_t>()};
}

// A header block of any size: a pattern from the input, repeated to fill it.
std::optional<std::string> MaybeHeader(FuzzedDataProvider& data) {
  if (data.ConsumeBool()) return std::nullopt;
  const uint32_t size = data.ConsumeIntegralInRange<uint32_t>(0, kMaxHeaderBytes);
  const std::string pattern = data.ConsumeRandomLengthString(256);
  std::string header(size, '\0');
  for (size_t at = 0; !pattern.empty() && at < header.size(); at += pattern.size())
    std::memcpy(header.data() + at, pattern.data(), std::min(pattern.size(), header.size() - at));
  return header;
}

char* PointerAt(char* buffer, int64_t offset) {
  return reinterpret_cast<char*>(reinterpret_cast<uintptr_t>(buffer) +
                                 static_cast<uintptr_t>(offset));
}

// Spoils the laid-out record as the input says and returns the size the cache reports.
uint32_t Spoil(FuzzedDataProvider& data, char* buffer, uint32_t recordBytes) {
  auto& record = *reinterpret_cast<CacheEntryRecord*>(buffer);
  const uint8_t what = data.ConsumeIntegral<uint8_t>();
  const auto anywhere = [&] {
    return PointerAt(buffer, data.ConsumeIntegralInRange<int64_t>(-64, int64_t{recordBytes} + 64));
  };
  if (what & 0x01) record.lpszSourceUrlName = anywhere();
  if (what & 0x02) record.lpszLocalFileName = anywhere();
  if (what & 0x04) record.lpHeaderInfo = anywhere();
  if (what & 0x08) record.dwHeaderInfoSize = data.ConsumeIntegral<uint32_t>();
  if (what & 0x10) {
    // Just fitting, or a byte or two short or over.
    const std::optional<int64_t> at = reference::OffsetIn(buffer, record.lpHeaderInfo);
    const int64_t room = int64_t{recordBytes} - at.value_or(0);
    record.dwHeaderInfoSize = static_cast<uint32_t>(room + data.ConsumeIntegralInRange(-2, 2));
  }
  if (what & 0x20) return data.ConsumeIntegralInRange<uint32_t>(0, recordBytes);
  return recordBytes;
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
  using namespace tarnwick;
  FuzzedDataProvider data(bytes, length);
  const auto view = static_cast<TViewMode>(data.ConsumeIntegralInRange<uint8_t>(0, 2));
  const int utcOffset = data.ConsumeIntegralInRange<int>(-24 * 60, 24 * 60);
  FixedLocale locale(utcOffset);
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

  const uint32_t recordBytes = MemoryUrlCache::RecordSize(entry);
  const auto buffer = std::make_unique<char[]>(recordBytes);
  MemoryUrlCache::WriteRecord(entry, buffer.get());
  const uint32_t reported = Spoil(data, buffer.get(), recordBytes);
  const auto* record = reinterpret_cast<const CacheEntryRecord*>(buffer.get());

  Cp1252Text text;
  const char* start = buffer.get();
  const std::vector<std::string> expected = reference::Cells(
      *record,
      reference::Text(start, reported, reference::OffsetIn(start, record->lpszSourceUrlName)),
      reference::Text(start, reported, reference::OffsetIn(start, record->lpszLocalFileName)),
      reference::Block(start, reported, reference::OffsetIn(start, record->lpHeaderInfo),
                       record->dwHeaderInfoSize),
      view, utcOffset, text);

  EntryRowFormatter formatter(locale, text);
  EntryTable table;
  table.SetRowCount(2);
  formatter.AddEntryRow(table, {record, reported}, view);
  if (!reference::Shown(record->CacheEntryType, view)) {
    TARNWICK_CHECK(table.RowCount() == 2);
    return 0;
  }
  TARNWICK_CHECK(table.RowCount() == 3);
  for (int col = 0; col < kColumnCount; ++col)
    TARNWICK_CHECK(table.Cell(col, 1) == expected[static_cast<size_t>(col)]);
  return 0;
}
