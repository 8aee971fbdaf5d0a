#include "cache/Summary.h"

#include "cache/Columns.h"

namespace tarnwick {

int64_t FileSizeOfCell(std::string_view cell) {
  size_t at = cell.find_first_not_of(' ');
  if (at == std::string_view::npos) return 0;
  const bool negative = cell[at] == '-';
  if (cell[at] == '-' || cell[at] == '+') ++at;
  if (at == cell.size()) return 0;

  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  uint64_t value = 0;
  for (; at < cell.size(); ++at) {
    const char digit = cell[at];
    if (digit < '0' || digit > '9') return 0;
    const auto digitValue = static_cast<uint64_t>(digit - '0');
    if (value > (limit - digitValue) / 10) return 0;
    value = value * 10 + digitValue;
  }
  return negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
}

int64_t SumFileSizes(const EntryTable& table) {
  // The sizes are read back from the cells rather than kept from the records: the table is the
  // only store of what was listed, and the summary counts what the rows say.
  // Added as unsigned so that a sum past the 64-bit range wraps instead of being undefined.
  uint64_t total = 0;
  for (int row = kFirstEntryRow; row < table.RowCount(); ++row)
    total += static_cast<uint64_t>(FileSizeOfCell(table.Cell(kColFileSize, row)));
  return static_cast<int64_t>(total);
}

}  // namespace tarnwick
