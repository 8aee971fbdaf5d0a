// The summary of a listing of 1,000,000 rows (summing the size column and writing the status
// text) against the listing itself.
#include <string>

#include "ContentEntries.h"
#include "Ratio.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "cache/StatusTexts.h"
#include "cache/Summary.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"

int main() {
  using namespace tarnwick;
  constexpr int kEntries = 1'000'000;
  MemoryUrlCache cache;
  bench::FillCache(cache, kEntries);
  FixedLocale locale;
  Cp1252Text text;
  const EntryRowFormatter formatter(locale, text);
  EntryTable table;
  const auto list = [&] { RefreshEntryTable(table, cache, vmContent, formatter); };
  list();

  std::string status;
  const auto summary = [&] {
    status = FormatSummary(table.RowCount() - 1, SumFileSizes(table), {',', '.'});
  };
  bench::ReportRatio("summary of 1,000,000 rows vs listing them", summary, list, 7, 0.05);
  return status.empty() ? 1 : 0;
}
