// The search over an arbitrary table and search text, against a plain reference: upper-case both
// texts up to their first NUL and look for one in the other, row by row from the current one.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <optional>
#include <string>

#include "actions/Search.h"
#include "platform/portable/Cp1252Text.h"
#include "FuzzCheck.h"

namespace tarnwick {
namespace {

std::string UpperUpToNul(std::string_view text, const UpperCaseTable& upper) {
  std::string result(text.substr(0, text.find('\0')));
  for (char& c : result) c = static_cast<char>(upper[static_cast<unsigned char>(c)]);
  return result;
}

bool RowHas(const EntryTable& table, int row, const std::string& needle,
            const UpperCaseTable& upper) {
  for (int col = 0; col < table.ColCount(); ++col)
    if (UpperUpToNul(table.Cell(col, row), upper).find(needle) != std::string::npos) return true;
  return false;
}

std::optional<int> ReferenceNextRow(const EntryTable& table, std::string_view searchText,
                                    const UpperCaseTable& upper) {
  const std::string needle = UpperUpToNul(searchText, upper);
  if (needle.empty()) return std::nullopt;
  const int rows = table.RowCount() - 1;
  for (int step = 1; step <= rows; ++step) {
    const int row = (table.Row() - 1 + step) % rows + 1;
    if (RowHas(table, row, needle, upper)) return row;
  }
  return std::nullopt;
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
  using namespace tarnwick;
  FuzzedDataProvider data(bytes, length);
  EntryTable table;
  table.SetRowCount(data.ConsumeIntegralInRange<int>(2, 40));
  table.SelectRow(data.ConsumeIntegralInRange<int>(1, table.RowCount() - 1));
  const std::string searchText = data.ConsumeRandomLengthString(8192);
  for (int row = 1; row < table.RowCount() && data.remaining_bytes() > 0; ++row)
    for (int col = 0; col < table.ColCount() && data.remaining_bytes() > 0; ++col)
      table.SetCell(col, row, data.ConsumeRandomLengthString(256));

  Cp1252Text text;
  const UpperCaseTable upper = text.UpperCaseTable();
  TARNWICK_CHECK(FindNextRow(table, searchText, upper) == ReferenceNextRow(table, searchText, upper));
  return 0;
}
