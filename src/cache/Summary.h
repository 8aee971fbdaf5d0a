#pragma once
// The status line under the table: how many entries a listing gave and their total size.
#include <cstdint>
#include <string>
#include <string_view>

#include "cache/EntryTable.h"
#include "platform/Locale.h"

namespace tarnwick {

// The digits of `value` with `separator` before every group of three from the right. A NUL
// separator (a locale with none set) adds nothing, so the text is not cut short.
std::string GroupedDigits(uint64_t value, char separator);

// A "File Size" cell as a 64-bit number: optional leading blanks, an optional sign and decimal
// digits with nothing after them. Any other text, or a number beyond 64 bits, counts as 0: the
// listing only ever writes digits there, so such a cell holds no size to count.
int64_t FileSizeOfCell(std::string_view cell);

// The sum of the "File Size" cells of rows 1 to RowCount - 1.
int64_t SumFileSizes(const EntryTable& table);

// "<count> entries in <bytes> bytes (<megabytes> MB)": the bytes with no decimals, the megabytes
// (2^20 bytes) with two, both rounded half away from zero and grouped by threes.
std::string FormatSummary(int32_t count, int64_t totalBytes, NumberSeparators separators);

}  // namespace tarnwick
