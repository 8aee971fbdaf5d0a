// Listing an in-memory cache of 100,000 and 1,000,000 content entries into the entry table,
// against a bare enumeration of the same cache that copies each record's strings into a vector
// of strings; then the heap the table holds after the larger listing against its bytes of text.
#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ContentEntries.h"
#include "Ratio.h"
#include "RecordStrings.h"
#include "cache/EntryRow.h"
#include "cache/Listing.h"
#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"

namespace tarnwick::bench {
namespace {

class Lister {
 public:
  void List(EntryTable& table, UrlCache& cache) const {
    RefreshEntryTable(table, cache, vmContent, formatter_);
  }

 private:
  FixedLocale locale_;
  Cp1252Text text_;
  EntryRowFormatter formatter_{locale_, text_};
};

void ListingAgainstCopy(int entries, int repetitions) {
  MemoryUrlCache cache;
  FillCache(cache, entries);
  const Lister lister;
  // Both keep their result until the next run, so freeing the previous result is in both.
  EntryTable table;
  std::vector<std::string> strings;
  const std::string name =
      "listing " + std::to_string(entries) + " in-memory entries vs copying their strings";
  ReportRatio(
      name.c_str(), [&] { lister.List(table, cache); }, [&] { CopyRecordStrings(cache, strings); },
      repetitions, 2.5);
}

void TableMemory(int entries) {
  MemoryUrlCache cache;
  FillCache(cache, entries);
  const Lister lister;
  const size_t before = mallinfo2().uordblks;
  auto* table = new EntryTable();
  lister.List(*table, cache);
  const auto heap = static_cast<double>(mallinfo2().uordblks - before);
  double text = 0;
  for (int row = 0; row < table->RowCount(); ++row)
    for (int col = 0; col < table->ColCount(); ++col)
      text += static_cast<double>(table->Cell(col, row).size());
  const double rows = table->RowCount();
  const double limit = 1.5 * text + 64 * rows;
  std::printf(
      "table memory after listing %d entries: ratio %.3f of the limit (%.1f bytes a row "
      "for %.1f bytes of text a row; limit 1.5 x text + 64 = %.1f)%s\n",
      entries, heap / limit, heap / rows, text / rows, limit / rows,
      heap <= limit ? "" : "  MISSED");
  delete table;
}

}  // namespace
}  // namespace tarnwick::bench

int main() {
  tarnwick::bench::ListingAgainstCopy(100'000, 11);
  tarnwick::bench::ListingAgainstCopy(1'000'000, 5);
  tarnwick::bench::TableMemory(1'000'000);
  return 0;
}
