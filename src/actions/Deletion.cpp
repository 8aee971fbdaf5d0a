#include "actions/Deletion.h"

#include <string>

#include "cache/Columns.h"

namespace tarnwick {
namespace {

const char* OutcomeText(bool deleted, uint32_t error) {
  if (deleted) return "DELETED";
  if (error == kErrorFileNotFound) return "FILE_NOT_FOUND";
  if (error == kErrorAccessDenied) return "ACCESS_DENIED";
  return nullptr;
}

}  // namespace

void DeleteEntryOfRow(EntryTable& table, int row, UrlCache& cache) {
  // The cache takes a NUL-terminated key.
  const std::string url(table.ShownText(kColSourceUrl, row));
  const bool deleted = cache.Delete(url.c_str());
  const uint32_t error = deleted ? 0 : cache.LastError();
  if (const char* outcome = OutcomeText(deleted, error)) table.SetCell(kColUseCount, row, outcome);
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
