// The memory a listing of 1,000,000 content entries costs, measured in the process that lists
// them: records laid out like the seeded ones plus a local file (about 1.2 KiB of cell text a row),
// made by a stand-in cache one at a time as they are asked for, so that the table is all that
// grows, formatted through the real Win32 locale into the real entry table. Reports the bytes a
// row and the peak private bytes over the start, against 1.5 x (cell text + 64 bytes a row).
// The 32-bit build (scripts/bench runs it under 32-bit Wine where the host can) shows whether such
// a listing fits the address space of the exe users download.
//   memory_ceiling_bench [ENTRIES]
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "LaidOutCache.h"
#include "SeededLikeEntries.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "platform/win32/Win32AnsiText.h"
#include "platform/win32/Win32Locale.h"

namespace tarnwick::bench {
namespace {

MemoryCacheEntry EntryWithFile(int i) {
  MemoryCacheEntry entry = SeededLikeEntry(i);
  entry.localFile =
      "C:\\users\\user\\AppData\\Local\\Microsoft\\Windows\\INetCache\\IE\\8TX3PQ2Z\\item" +
      std::to_string(i) + "[1].htm";
  return entry;
}

// The process's private bytes (PagefileUsage: the commit charge on Windows; Wine answers the
// kernel's count of the process's anonymous memory there, and 0 for PrivateUsage) and their peak
// (Wine keeps none and answers the current figure, so the caller also samples).
PROCESS_MEMORY_COUNTERS Counters() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters;
}

double Mb(double bytes) { return bytes / (1 << 20); }

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
  using namespace tarnwick;
  const int entries = argc > 1 ? std::atoi(argv[1]) : 1'000'000;
  Win32Locale locale;
  Win32AnsiText text;
  const EntryRowFormatter formatter(locale, text);
  bench::LaidOutCache cache(entries, bench::EntryWithFile);
  EntryTable table;

  const double start = static_cast<double>(bench::Counters().PagefileUsage);
  double peak = start;
  int rows = 0;
  const ListingSummary summary = RefreshEntryTable(table, cache, vmContent, formatter, [&] {
    if (++rows % 4096 == 0)
      peak = std::max(peak, static_cast<double>(bench::Counters().PagefileUsage));
    return true;
  });
  const PROCESS_MEMORY_COUNTERS end = bench::Counters();
  peak = std::max(
      {peak, static_cast<double>(end.PagefileUsage), static_cast<double>(end.PeakPagefileUsage)});

  double cellText = 0;
  for (int row = kFirstEntryRow; row < table.RowCount(); ++row)
    for (int col = 0; col < table.ColCount(); ++col)
      cellText += static_cast<double>(table.Cell(col, row).size());
  const double listed = summary.count;
  const double held = static_cast<double>(end.PagefileUsage) - start;
  const double limit = 1.5 * (cellText + 64 * listed);
  const double ratio = (peak - start) / limit;
  std::printf(
      "memory ceiling, %d-bit build, %d entries listed of %d: peak private bytes %.1f MB over "
      "the start, ratio %.3f of the limit 1.5 x (cell text + 64 bytes a row) = %.1f MB "
      "(%.1f bytes a row held for %.1f bytes of cell text a row)%s\n",
      static_cast<int>(sizeof(void*) * 8), summary.count, entries, bench::Mb(peak - start), ratio,
      bench::Mb(limit), held / listed, cellText / listed,
      ratio <= 1 && summary.count == entries ? "" : "  MISSED");
  return summary.count == entries ? 0 : 1;
}
