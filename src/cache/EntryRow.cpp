#include "cache/EntryRow.h"

namespace tarnwick {
namespace {

std::string SizeText(const CacheEntryRecord& record) {
  const uint64_t size = uint64_t{record.dwSizeHigh} << 32 | record.dwSizeLow;
  // Shown as the signed number the platform's 64-bit size field holds.
  return std::to_string(static_cast<long long>(static_cast<int64_t>(size)));
}

}  // namespace

bool BelongsToView(uint32_t cacheEntryType, TViewMode view) {
  if ((cacheEntryType & kCookieCacheEntry) && view != vmCookies) return false;
  if ((cacheEntryType & kUrlHistoryCacheEntry) && view != vmHistory) return false;
  return true;
}

EntryRowFormatter::EntryRowFormatter(Locale& locale, AnsiText& text)
    : locale_(locale), text_(text) {}

void EntryRowFormatter::AddEntryRow(EntryTable& table, const DeliveredRecord& delivered,
                                    TViewMode view) const {
  if (!BelongsToView(delivered.record->CacheEntryType, view)) return;
  const int row = TrailingRow(table);
  table.ClearRow(row);
  table.AppendToRow(row, RowItems(delivered, view));
  // A new trailing row follows, for the next record.
  table.SetRowCount(row + 2);
}

std::vector<std::string> EntryRowFormatter::RowItems(const DeliveredRecord& delivered,
                                                     TViewMode view) const {
  const CacheEntryRecord& record = *delivered.record;
  std::vector<std::string> items;
  items.reserve(EntryTable::kColCount);
  items.emplace_back(TextInRecord(delivered, record.lpszSourceUrlName));
  items.emplace_back(TextInRecord(delivered, record.lpszLocalFileName));
  items.push_back(TypeText(record.CacheEntryType));
  items.push_back(std::to_string(record.dwUseCount));
  items.push_back(std::to_string(record.dwHitRate));
  items.push_back(SizeText(record));
  for (const FileTime& time :
       {record.LastModifiedTime, record.ExpireTime, record.LastAccessTime, record.LastSyncTime})
    items.push_back(FileTimeToText(time, locale_));
  if (view == vmCookies) return items;
  const std::string_view header =
      BlockInRecord(delivered, record.lpHeaderInfo, record.dwHeaderInfoSize)
          .value_or(std::string_view());
  if (view == vmContent) {
    // The whole block as stored: it is not NUL-terminated and may hold NULs and line breaks.
    items.emplace_back(header);
  } else {
    const auto size = static_cast<uint32_t>(header.size());
    items.push_back(text_.FromUtf16(HistoryTitle(header.data(), size)));
  }
  return items;
}

}  // namespace tarnwick
