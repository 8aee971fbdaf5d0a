#include "actions/Deletion.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "cache/Columns.h"

namespace tarnwick {
namespace {

constexpr std::string_view kDeleted = "DELETED";
constexpr std::string_view kFileNotFound = "FILE_NOT_FOUND";
constexpr std::string_view kAccessDenied = "ACCESS_DENIED";
constexpr size_t kLongestOutcome =
    std::max({kDeleted.size(), kFileNotFound.size(), kAccessDenied.size()});

// Empty for a failure that leaves the cell as it was.
std::string_view OutcomeText(bool deleted, uint32_t error) {
  if (deleted) return kDeleted;
  if (error == kErrorFileNotFound) return kFileNotFound;
  if (error == kErrorAccessDenied) return kAccessDenied;
  return {};
}

}  // namespace

void DeleteEntryOfRow(EntryTable& table, int row, UrlCache& cache) {
  // The caption row holds no entry: its "Source URL" is no key that was ever listed.
  if (row < kFirstEntryRow) return;
  // The cache takes a NUL-terminated key.
  const std::string url(table.ShownText(kColSourceUrl, row));
  // Once the cache has deleted the entry the row must say so, even when no memory is left then.
  EntryTable::PreparedCell useCount = table.PrepareCell(kColUseCount, row, kLongestOutcome);
  const bool deleted = cache.Delete(url.c_str());
  const std::string_view outcome = OutcomeText(deleted, deleted ? 0 : cache.LastError());
  if (!outcome.empty()) useCount.Write(outcome);
}

void DeleteEntriesOfAllRows(EntryTable& table, UrlCache& cache,
                            const std::function<void(int done, int total)>& afterRow) {
  const int total = EntryRowCount(table);
  for (int row = kFirstEntryRow; row < table.RowCount(); ++row) {
    DeleteEntryOfRow(table, row, cache);
    if (afterRow) afterRow(row, total);
  }
}

}  // namespace tarnwick
