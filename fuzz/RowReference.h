#pragma once
// What a delivered record must show, worked out for the fuzz targets from the rules for each
// column rather than from the formatting code they check: which records make a row, the type
// names, the numbers, the four times under a fixed UTC offset, the header or the history title,
// and what lies outside the record's bytes (nothing: an absent item).
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "cache/ViewMode.h"
#include "platform/AnsiText.h"
#include "platform/UrlCache.h"

namespace tarnwick::reference {

// Where `pointer` lies relative to `buffer`; nothing for a null pointer.
inline std::optional<int64_t> OffsetIn(const void* buffer, const void* pointer) {
  if (!pointer) return std::nullopt;
  return static_cast<int64_t>(reinterpret_cast<uintptr_t>(pointer) -
                              reinterpret_cast<uintptr_t>(buffer));
}

// The bytes at `offset` up to a NUL, when both lie within the first `bytes` bytes.
inline std::string Text(const char* buffer, uint32_t bytes, std::optional<int64_t> offset) {
  if (!offset || *offset < 0 || *offset >= int64_t{bytes}) return {};
  const char* begin = buffer + *offset;
  const auto* end =
      static_cast<const char*>(std::memchr(begin, '\0', static_cast<size_t>(bytes - *offset)));
  return end ? std::string(begin, end) : std::string();
}

// The `size` bytes at `offset`, when all lie within the first `bytes` bytes.
inline std::optional<std::string> Block(const char* buffer, uint32_t bytes,
                                        std::optional<int64_t> offset, uint32_t size) {
  if (!offset || *offset < 0 || *offset + int64_t{size} > int64_t{bytes}) return std::nullopt;
  return std::string(buffer + *offset, size);
}

inline bool Shown(uint32_t type, TViewMode view) {
  const bool cookie = (type & 0x0010'0000) != 0;
  const bool history = (type & 0x0020'0000) != 0;
  if (view == vmCookies) return !history;
  if (view == vmHistory) return !cookie;
  return !cookie && !history;
}

inline std::string TypeNames(uint32_t type) {
  static constexpr struct {
    const char* name;
    uint32_t bit;
  } kFlags[] = {{"COOKIE_CACHE_ENTRY", 0x0010'0000},     {"NORMAL_CACHE_ENTRY", 0x1},
                {"URLHISTORY_CACHE_ENTRY", 0x0020'0000}, {"STABLE_CACHE_ENTRY", 0x2},
                {"SPARSE_CACHE_ENTRY", 0x0001'0000},     {"STICKY_CACHE_ENTRY", 0x4},
                {"TRACK_OFFLINE_CACHE_ENTRY", 0x10},     {"TRACK_ONLINE_CACHE_ENTRY", 0x20},
                {"OCX_CACHE_ENTRY", 0x0002'0000}};
  std::string names;
  for (const auto& flag : kFlags) {
    if (!(type & flag.bit)) continue;
    if (!names.empty()) names += '|';
    names += flag.name;
  }
  return names;
}

// A file time as the portable locale shows it: "M/D/YYYY h:mm:ss AM", the time left out at
// midnight; local times past the year 9999, or past the platform's range, give the error text.
inline std::string TimeText(FileTime time, int utcOffsetMinutes) {
  using namespace std::chrono;
  if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) return {};
  if (time.dwLowDateTime == 0xFFFF'FFFF && time.dwHighDateTime == 0x7FFF'FFFF) return "NEVER";
  const uint64_t ticks = uint64_t{time.dwHighDateTime} << 32 | time.dwLowDateTime;
  const uint64_t local = ticks + static_cast<uint64_t>(int64_t{utcOffsetMinutes} * 600'000'000);
  const uint64_t ms = local / 10'000;
  const year_month_day date{sys_days{year{1601} / January / 1} +
                            days{static_cast<int>(ms / 86'400'000)}};
  char text[64];
  if (local >> 63 || date.year() > year{9999}) {
    std::snprintf(text, sizeof text, "#ERROR# %08X%08X", unsigned{time.dwHighDateTime},
                  unsigned{time.dwLowDateTime});
    return text;
  }
  const auto second = static_cast<unsigned>(ms / 1000 % 86'400);
  const unsigned hour = second / 3600;
  int length = std::snprintf(text, sizeof text, "%u/%u/%d", unsigned{date.month()},
                             unsigned{date.day()}, int{date.year()});
  if (second != 0)
    length += std::snprintf(text + length, sizeof text - static_cast<size_t>(length),
                            " %u:%02u:%02u %s", hour % 12 == 0 ? 12 : hour % 12, second / 60 % 60,
                            second % 60, hour < 12 ? "AM" : "PM");
  return text;
}

// The page title of a history header block: UTF-16LE from byte 20 to the first NUL unit.
inline std::u16string Title(const std::string& block) {
  std::u16string title;
  for (size_t at = 20; at + 1 < block.size(); at += 2) {
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(block[at]) |
                                            static_cast<unsigned char>(block[at + 1]) << 8);
    if (unit == 0) break;
    title += unit;
  }
  return title;
}

// The eleven cells the table must hold for the record, with the header block found or not; an
// empty item is stored as a single blank, and a Cookies row has no eleventh item.
inline std::vector<std::string> Cells(const CacheEntryRecord& record, std::string url,
                                      std::string localFile, std::optional<std::string> header,
                                      TViewMode view, int utcOffsetMinutes, AnsiText& text) {
  const uint64_t size = uint64_t{record.dwSizeHigh} << 32 | record.dwSizeLow;
  char sizeText[32];
  std::snprintf(sizeText, sizeof sizeText, "%lld", static_cast<long long>(size));
  std::vector<std::string> cells{std::move(url),
                                 std::move(localFile),
                                 TypeNames(record.CacheEntryType),
                                 std::to_string(record.dwUseCount),
                                 std::to_string(record.dwHitRate),
                                 sizeText,
                                 TimeText(record.LastModifiedTime, utcOffsetMinutes),
                                 TimeText(record.ExpireTime, utcOffsetMinutes),
                                 TimeText(record.LastAccessTime, utcOffsetMinutes),
                                 TimeText(record.LastSyncTime, utcOffsetMinutes)};
  if (view == vmContent) cells.push_back(header.value_or(std::string()));
  if (view == vmHistory) cells.push_back(text.FromUtf16(Title(header.value_or(std::string()))));
  for (std::string& cell : cells)
    if (cell.empty()) cell = " ";
  if (view == vmCookies) cells.emplace_back();
  return cells;
}

}  // namespace tarnwick::reference
