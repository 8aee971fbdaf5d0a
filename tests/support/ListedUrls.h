#pragma once
// What a listing left in the table, as the tests compare it.
#include <string>
#include <vector>

#include "cache/Columns.h"
#include "cache/EntryTable.h"

namespace tarnwick::testing {

// The "Source URL" cells of the rows after the header row, in order.
inline std::vector<std::string> ListedUrls(const EntryTable& table) {
  std::vector<std::string> urls;
  for (int row = 1; row < table.RowCount(); ++row)
    urls.emplace_back(table.Cell(kColSourceUrl, row));
  return urls;
}

}  // namespace tarnwick::testing
