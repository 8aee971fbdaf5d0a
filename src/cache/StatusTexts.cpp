#include "cache/StatusTexts.h"

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

// A count as the progress shows it; a negative one is shown as 0.
std::string Grouped(int count, char separator) {
  return GroupedDigits(count < 0 ? 0 : static_cast<uint64_t>(count), separator);
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

std::string ListingProgressText(int rowsListed, NumberSeparators separators) {
  return "Listing... " + Grouped(rowsListed, separators.thousands) +
         (rowsListed == 1 ? " entry" : " entries");
}

std::string DeletionProgressText(int done, int total, NumberSeparators separators) {
  return "Deleting... " + Grouped(done, separators.thousands) + " of " +
         Grouped(total, separators.thousands);
}

}  // namespace tarnwick
