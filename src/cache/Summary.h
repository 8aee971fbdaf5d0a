#pragma once
// What the status line sums up after a listing: the total size of the listed entries.
#include <cstdint>
#include <string_view>

#include "cache/EntryTable.h"

namespace tarnwick {

// A "File Size" cell as a 64-bit number: optional leading blanks, an optional sign and decimal
// digits with nothing after them. Any other text, or a number beyond 64 bits, counts as 0: the
// listing only ever writes digits there, so such a cell holds no size to count.
int64_t FileSizeOfCell(std::string_view cell);

// The sum of the "File Size" cells of rows 1 to RowCount - 1.
int64_t SumFileSizes(const EntryTable& table);

}  // namespace tarnwick
