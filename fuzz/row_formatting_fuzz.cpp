// One cache record built from the input and laid out the way the platform lays it out: the fixed
// part first, then the NUL-terminated strings, then the header block, which is neither aligned nor
// NUL-terminated and ends the buffer exactly, so that any read past it is caught.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "cache/EntryRow.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "FuzzCheck.h"

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

char* Place(const std::optional<std::string>& text, char*& at) {
  if (!text) return nullptr;
  char* placed = at;
  std::memcpy(at, text->data(), text->size());
  at[text->size()] = '\0';
  at += text->size() + 1;
  return placed;
}

size_t TextBytes(const std::optional<std::string>& text) { return text ? text->size() + 1 : 0; }

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
  using namespace tarnwick;
  FuzzedDataProvider data(bytes, length);
  const auto view = static_cast<TViewMode>(data.ConsumeIntegralInRange<uint8_t>(0, 2));
  FixedLocale locale(data.ConsumeIntegralInRange<int>(-24 * 60, 24 * 60));
  CacheEntryRecord record{};
  record.dwStructSize = sizeof record;
  record.CacheEntryType = data.ConsumeIntegral<uint32_t>();
  record.dwUseCount = data.ConsumeIntegral<uint32_t>();
  record.dwHitRate = data.ConsumeIntegral<uint32_t>();
  record.dwSizeLow = data.ConsumeIntegral<uint32_t>();
  record.dwSizeHigh = data.ConsumeIntegral<uint32_t>();
  record.LastModifiedTime = AnyTime(data);
  record.ExpireTime = AnyTime(data);
  record.LastAccessTime = AnyTime(data);
  record.LastSyncTime = AnyTime(data);
  const std::optional<std::string> url = MaybeText(data);
  const std::optional<std::string> localFile = MaybeText(data);
  const std::optional<std::string> header = MaybeHeader(data);

  const size_t headerBytes = header ? header->size() : 0;
  const size_t total = sizeof record + TextBytes(url) + TextBytes(localFile) + headerBytes;
  const auto buffer = std::make_unique<char[]>(total);
  char* at = buffer.get() + sizeof record;
  record.lpszSourceUrlName = Place(url, at);
  record.lpszLocalFileName = Place(localFile, at);
  if (header) {
    record.lpHeaderInfo = at;
    record.dwHeaderInfoSize = static_cast<uint32_t>(headerBytes);
    if (headerBytes > 0) std::memcpy(at, header->data(), headerBytes);
  }
  std::memcpy(buffer.get(), &record, sizeof record);
  const auto& laidOut = *reinterpret_cast<const CacheEntryRecord*>(buffer.get());

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
  if (BelongsToView(record.CacheEntryType, view)) {
    TARNWICK_CHECK(table.RowCount() == 3);
    if (view == vmContent && headerBytes > 0) TARNWICK_CHECK(table.Cell(10, 1) == *header);
  } else {
    TARNWICK_CHECK(table.RowCount() == 2);
  }
  return 0;
}
