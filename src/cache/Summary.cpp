#include "cache/Summary.h"

#include "cache/Columns.h"

namespace tarnwick {
namespace {

constexpr uint64_t kBytesPerMegabyte = uint64_t{1} << 20;

uint64_t Magnitude(int64_t value) {
  return value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
}

// The total in megabytes as hundredths, rounded half away from zero. Whole megabytes and the
// remainder are handled apart so that no intermediate value overflows or loses precision.
uint64_t MegabyteHundredths(uint64_t bytes) {
  const uint64_t remainder = bytes % kBytesPerMegabyte * 100;
  uint64_t hundredths = bytes / kBytesPerMegabyte * 100 + remainder / kBytesPerMegabyte;
  if (remainder % kBytesPerMegabyte * 2 >= kBytesPerMegabyte) ++hundredths;
  return hundredths;
}

}  // namespace

std::string GroupedDigits(uint64_t value, char separator) {
  std::string digits = std::to_string(value);
  if (separator == '\0') return digits;
  std::string grouped;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += separator;
    grouped += digits[i];
  }
  return grouped;
}

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

std::string FormatSummary(int32_t count, int64_t totalBytes, NumberSeparators separators) {
  const bool negative = totalBytes < 0;
  const uint64_t bytes = Magnitude(totalBytes);
  const uint64_t hundredths = MegabyteHundredths(bytes);
  const uint64_t cents = hundredths % 100;

  std::string text = std::to_string(count) + " entries in ";
  if (negative) text += '-';
  text += GroupedDigits(bytes, separators.thousands) + " bytes (";
  if (negative && hundredths != 0) text += '-';
  // A locale with no decimal separator set still needs one, or 1.00 MB would read as 100.
  text += GroupedDigits(hundredths / 100, separators.thousands);
  text += separators.decimal == '\0' ? '.' : separators.decimal;
  text += static_cast<char>('0' + cents / 10);
  text += static_cast<char>('0' + cents % 10);
  return text + " MB)";
}

}  // namespace tarnwick
