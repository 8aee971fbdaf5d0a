// Listing the real URL cache of the current Wine prefix into the entry table, through the same
// adapters the program uses, against a bare FindFirst/FindNext loop over the same cache in the
// same process; and the formatting alone of as many in-memory records like the seeded ones, as a
// share of that bare loop. Seed the prefix first: seed-cache --entries N.
//   wine_listing_bench [REPETITIONS]
#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Ratio.h"
#include "SeededLikeEntries.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "platform/portable/MemoryUrlCache.h"
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32Locale.h"
#include "platform/win32/WinInetCache.h"

namespace tarnwick::bench {
namespace {

// Every entry of every container, read into one reused buffer that grows when a record needs
// more. Returns the number of entries.
int BareLoop() {
  std::vector<char> buffer(0x1000);
  auto* record = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
  DWORD size = static_cast<DWORD>(buffer.size());
  HANDLE find = FindFirstUrlCacheEntryA(nullptr, record, &size);
  while (!find && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
    buffer.resize(size);
    record = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    find = FindFirstUrlCacheEntryA(nullptr, record, &size);
  }
  if (!find) return 0;
  int entries = 1;
  for (;;) {
    size = static_cast<DWORD>(buffer.size());
    if (FindNextUrlCacheEntryA(find, record, &size)) {
      ++entries;
    } else if (GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
      buffer.resize(size);
      record = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer.data());
    } else {
      break;
    }
  }
  FindCloseUrlCache(find);
  return entries;
}

// As many records as the seeded cache holds, laid out as it delivers them.
std::vector<std::vector<char>> SeededLikeRecords(int count) {
  std::vector<std::vector<char>> records;
  for (int i = 0; i < count; ++i) {
    const MemoryCacheEntry entry = SeededLikeEntry(i);
    std::vector<char> buffer(MemoryUrlCache::RecordSize(entry));
    MemoryUrlCache::WriteRecord(entry, buffer.data());
    records.push_back(std::move(buffer));
  }
  return records;
}

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  using namespace tarnwick;
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 9;
  WinInetCache cache;
  Win32Locale locale;
  Win32AnsiText text;
  const EntryRowFormatter formatter(locale, text);
  EntryTable table;

  int bareEntries = 0;
  ListingSummary summary{};
  const auto list = [&] {
    summary = RefreshEntryTable(table, cache, vmContent, [&](const DeliveredRecord& record) {
      formatter.AddEntryRow(table, record, vmContent);
    });
  };
  const auto bare = [&] { bareEntries = bench::BareLoop(); };
  // A first pass of each, unmeasured, so both start with the index file in memory.
  list();
  bare();
  const std::string name = "listing a Wine cache of " + std::to_string(bareEntries) +
                           " entries vs a bare FindFirst/FindNext loop";
  bench::ReportRatio(name.c_str(), list, bare, repetitions, 1.05);

  const std::vector<std::vector<char>> records = bench::SeededLikeRecords(bareEntries);
  const auto format = [&] {
    for (const std::vector<char>& record : records)
      formatter.RowItems({reinterpret_cast<const CacheEntryRecord*>(record.data()),
                          static_cast<uint32_t>(record.size())},
                         vmContent);
  };
  const std::string share = "formatting " + std::to_string(records.size()) +
                            " such records through the Win32 locale, as a share of the bare loop";
  bench::ReportRatio(share.c_str(), format, bare, repetitions, 0.03);
  return summary.count > 0 ? 0 : 1;
}
