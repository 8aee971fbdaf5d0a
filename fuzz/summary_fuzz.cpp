// The summary over arbitrary "File Size" texts and totals: the conversion agrees with the standard
// library's, and the status text agrees with one worked out in 128-bit integers from the rules.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "cache/StatusTexts.h"
#include "cache/Summary.h"

namespace tarnwick {
namespace {

// Leading blanks, one optional sign, then nothing but decimal digits; out of range counts as 0.
int64_t ReferenceSize(std::string_view cell) {
  const size_t start = cell.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0;
  cell.remove_prefix(start);
  std::string number;
  if (cell[0] == '-' || cell[0] == '+') {
    if (cell[0] == '-') number = "-";
    cell.remove_prefix(1);
  }
  if (cell.empty() ||
      !std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return 0;
  number += cell;
  int64_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  return error == std::errc() && end == number.data() + number.size() ? value : 0;
}

// The digits of `value`, `separator` before every group of three from the right (none for NUL).
std::string Grouped(unsigned __int128 value, char separator) {
  std::string reversed;
  for (int digit = 0; digit == 0 || value != 0; ++digit, value /= 10) {
    if (digit > 0 && digit % 3 == 0 && separator != '\0') reversed += separator;
    reversed += static_cast<char>('0' + static_cast<int>(value % 10));
  }
  return {reversed.rbegin(), reversed.rend()};
}

// "<count> entries in <bytes> bytes (<megabytes> MB)": the megabytes (2^20 bytes) rounded half
// away from zero to hundredths, a minus sign only before a number that is not zero, and a point
// when the locale sets no decimal separator.
std::string ReferenceSummary(int32_t count, int64_t total, NumberSeparators separators) {
  const bool negative = total < 0;
  const auto bytes = static_cast<unsigned __int128>(negative ? -static_cast<__int128>(total)
                                                             : static_cast<__int128>(total));
  const unsigned __int128 hundredths = (bytes * 100 + (1 << 19)) >> 20;
  const auto cents = static_cast<unsigned>(hundredths % 100);
  std::string text = std::to_string(count) + " entries in " + (negative ? "-" : "") +
                     Grouped(bytes, separators.thousands) + " bytes (" +
                     (negative && hundredths != 0 ? "-" : "") +
                     Grouped(hundredths / 100, separators.thousands) +
                     (separators.decimal == '\0' ? '.' : separators.decimal);
  text += static_cast<char>('0' + cents / 10);
  text += static_cast<char>('0' + cents % 10);
  return text + " MB)";
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
  using namespace tarnwick;
  FuzzedDataProvider data(bytes, length);
  const auto count = data.ConsumeIntegral<int32_t>();
  const auto total = data.ConsumeIntegral<int64_t>();
  const NumberSeparators separators{data.ConsumeIntegral<char>(), data.ConsumeIntegral<char>()};
  const std::string cell = data.ConsumeRemainingBytesAsString();

  TARNWICK_CHECK(FileSizeOfCell(cell) == ReferenceSize(cell));

  TARNWICK_CHECK(FormatSummary(count, total, separators) ==
                 ReferenceSummary(count, total, separators));
  return 0;
}
