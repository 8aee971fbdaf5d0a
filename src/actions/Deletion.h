#pragma once
// Deleting listed entries from the URL cache. The table keeps its rows; each row's "Use Count"
// cell shows the outcome until the next listing.
#include <functional>

#include "cache/EntryTable.h"
#include "platform/UrlCache.h"

namespace tarnwick {

// Deletes the entry whose URL is in the row's "Source URL" cell and writes "DELETED",
// "FILE_NOT_FOUND" or "ACCESS_DENIED" over its "Use Count"; other failures leave the cell as it
// was. The caption row (row 0) holds no entry: nothing is deleted and nothing written.
void DeleteEntryOfRow(EntryTable& table, int row, UrlCache& cache);

// The same for every row after the header row, in order, whatever each outcome. `afterRow`, when
// given, learns after each row how many of how many rows are done.
void DeleteEntriesOfAllRows(EntryTable& table, UrlCache& cache,
                            const std::function<void(int done, int total)>& afterRow = {});

}  // namespace tarnwick
