// Formatting and storing in-memory records laid out like the seeded ones, through the Win32
// locale, into the entry table, against copying the same records' three strings (URL, local
// file, header block) into a vector of strings; 10,000 and 100,000 records. No cache calls:
// what is left is the program's own cost per row, which Wine's slow cache calls hide in a
// listing of a real cache.
//   wine_rows_bench [REPETITIONS]
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Ratio.h"
#include "SeededLikeEntries.h"
#include "cache/EntryRow.h"
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32Locale.h"

namespace tarnwick::bench {
namespace {

DeliveredRecord Delivered(const std::vector<char>& record) {
  return {reinterpret_cast<const CacheEntryRecord*>(record.data()),
          static_cast<uint32_t>(record.size())};
}

void RowsAgainstCopy(int count, int repetitions) {
  const std::vector<std::vector<char>> records = SeededLikeRecords(count);
  Win32Locale locale;
  Win32AnsiText text;
  const EntryRowFormatter formatter(locale, text);
  // Both keep their result until the next run, so freeing the previous result is in both.
  EntryTable table;
  std::vector<std::string> strings;
  const auto rows = [&] {
    // A listing's start: the header row and one cleared row to fill.
    table.SetRowCount(kFirstEntryRow + 1);
    table.ClearRow(kFirstEntryRow);
    for (const std::vector<char>& record : records)
      formatter.AddEntryRow(table, Delivered(record), vmContent);
  };
  const auto copy = [&] {
    strings.clear();
    for (const std::vector<char>& record : records) {
      const CacheEntryRecord& r = *Delivered(record).record;
      strings.emplace_back(r.lpszSourceUrlName ? r.lpszSourceUrlName : "");
      strings.emplace_back(r.lpszLocalFileName ? r.lpszLocalFileName : "");
      strings.emplace_back(r.lpHeaderInfo, r.dwHeaderInfoSize);
    }
  };
  const std::string name = "formatting and storing " + std::to_string(count) +
                           " seeded-like records through the Win32 locale vs copying their "
                           "strings";
  ReportRatio(name.c_str(), rows, copy, repetitions, 2.5);
}

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 21;
  tarnwick::bench::RowsAgainstCopy(10'000, repetitions);
  tarnwick::bench::RowsAgainstCopy(100'000, repetitions / 2 | 1);
  return 0;
}
