// A listing of in-memory records laid out like the seeded ones, run as the program runs one
// (RefreshEntryTable: the formatter's listing started, so that the texts of the times it keeps
// start empty, every row formatted through the Win32 locale into the entry table, the listed rows
// ended and summed), against a bare enumeration of the same records copying their three strings
// (URL, local file, header block) into a vector of strings; 10,000 and 100,000 records. A
// stand-in cache lays out the records, with no call into Wine: what is left is the program's own
// cost per row, which Wine's slow cache calls hide in a listing of a real cache. Both sides keep
// their result until their next run and replace it there record by record.
//   wine_rows_bench [REPETITIONS]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "LaidOutCache.h"
#include "Ratio.h"
#include "RecordStrings.h"
#include "SeededLikeEntries.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32Locale.h"

namespace tarnwick::bench {
namespace {

void ListingAgainstCopy(int count, int repetitions) {
  std::vector<MemoryCacheEntry> entries;
  for (int i = 0; i < count; ++i) entries.push_back(SeededLikeEntry(i));
  LaidOutCache cache(count, [&entries](int i) -> const MemoryCacheEntry& {
    return entries[static_cast<size_t>(i)];
  });
  Win32Locale locale;
  Win32AnsiText text;
  const EntryRowFormatter formatter(locale, text);
  EntryTable table;
  std::vector<std::string> strings;
  const std::string name = "listing " + std::to_string(count) +
                           " seeded-like records through the Win32 locale vs copying their "
                           "strings";
  ReportRatio(
      name.c_str(), [&] { RefreshEntryTable(table, cache, vmContent, formatter); },
      [&] { CopyRecordStrings(cache, strings); }, repetitions, 2.5);
}

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 21;
  tarnwick::bench::ListingAgainstCopy(10'000, repetitions);
  tarnwick::bench::ListingAgainstCopy(100'000, repetitions / 2 | 1);
  return 0;
}
