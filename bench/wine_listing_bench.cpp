// Listing the real URL cache of the current Wine prefix into the entry table, through the same
// adapters the program uses, against a bare FindFirst/FindNext loop over the same cache in the
// same process. Seed the prefix first: seed-cache --entries N. The program's own cost per row,
// which the cache calls hide here, is measured by wine_rows_bench.
//   wine_listing_bench [REPETITIONS]
#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Ratio.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
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
  const auto list = [&] { summary = RefreshEntryTable(table, cache, vmContent, formatter); };
  const auto bare = [&] { bareEntries = bench::BareLoop(); };
  // A first pass of each, unmeasured, so both start with the index file in memory.
  list();
  bare();
  const std::string name = "listing a Wine cache of " + std::to_string(bareEntries) +
                           " entries vs a bare FindFirst/FindNext loop";
  bench::ReportRatio(name.c_str(), list, bare, repetitions, 1.05);
  return summary.count > 0 ? 0 : 1;
}
