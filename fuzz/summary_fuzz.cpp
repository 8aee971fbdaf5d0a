// The summary over arbitrary "File Size" texts and totals: the conversion agrees with the standard
// library's, and the status text is well formed for any count, total and separators.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <string>

#include "cache/Summary.h"
#include "FuzzCheck.h"

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
  if (cell.empty() || !std::all_of(cell.begin(), cell.end(), [](char c) {
        return c >= '0' && c <= '9';
      }))
    return 0;
  number += cell;
  int64_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  return error == std::errc() && end == number.data() + number.size() ? value : 0;
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

  const std::string summary = FormatSummary(count, total, separators);
  TARNWICK_CHECK(summary.starts_with(std::to_string(count) + " entries in "));
  TARNWICK_CHECK(summary.ends_with(" MB)"));
  // A locale with no separator set leaves none in the text, rather than a NUL that would cut it.
  TARNWICK_CHECK(summary.find('\0') == std::string::npos);
  return 0;
}
