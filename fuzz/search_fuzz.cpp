// The search over an arbitrary table and search text, on a single-byte code page and on a
// stand-in for code page 932, against a plain reference: split both texts up to their first NUL
// into characters (a lead byte takes the next byte with it), upper-case the single-byte ones and
// look for one sequence of characters in the other, row by row from the current one. A character
// keeps its kind: a single byte that upper-cases to a lead byte's value is not that lead byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "actions/Search.h"
#include "platform/portable/Cp1252Text.h"

namespace tarnwick {
namespace {

using Characters = std::vector<std::string>;

Characters UpperCharacters(std::string_view text, const UpperCaseMap& upper,
                           const LeadByteSet& leads) {
  text = text.substr(0, text.find('\0'));
  Characters characters;
  for (size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (leads[byte]) {
      characters.emplace_back("D" + std::string(text.substr(at, 2)));
      at += 2;
    } else {
      characters.emplace_back("S" + std::string(1, static_cast<char>(upper[byte])));
      ++at;
    }
  }
  return characters;
}

bool RowHas(const EntryTable& table, int row, const Characters& needle, const UpperCaseMap& upper,
            const LeadByteSet& leads) {
  for (int col = 0; col < table.ColCount(); ++col) {
    const Characters cell = UpperCharacters(table.Cell(col, row), upper, leads);
    if (std::search(cell.begin(), cell.end(), needle.begin(), needle.end()) != cell.end())
      return true;
  }
  return false;
}

std::optional<int> ReferenceNextRow(const EntryTable& table, std::string_view searchText,
                                    const UpperCaseMap& upper, const LeadByteSet& leads) {
  const Characters needle = UpperCharacters(searchText, upper, leads);
  if (needle.empty()) return std::nullopt;
  const int rows = table.RowCount() - 1;
  for (int step = 1; step <= rows; ++step) {
    const int row = (table.Row() - 1 + step) % rows + 1;
    if (RowHas(table, row, needle, upper, leads)) return row;
  }
  return std::nullopt;
}

}  // namespace
}  // namespace tarnwick

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t length) {
  using namespace tarnwick;
  FuzzedDataProvider data(bytes, length);
  LeadByteSet leads{};
  if (data.ConsumeBool())
    for (int byte = 0x81; byte <= 0xFC; ++byte)
      leads[static_cast<size_t>(byte)] = byte <= 0x9F || byte >= 0xE0;
  EntryTable table;
  table.SetRowCount(data.ConsumeIntegralInRange<int>(2, 40));
  table.SelectRow(data.ConsumeIntegralInRange<int>(1, table.RowCount() - 1));
  const std::string searchText = data.ConsumeRandomLengthString(8192);
  for (int row = 1; row < table.RowCount() && data.remaining_bytes() > 0; ++row)
    for (int col = 0; col < table.ColCount() && data.remaining_bytes() > 0; ++col)
      table.SetCell(col, row, data.ConsumeRandomLengthString(256));

  Cp1252Text text;
  const UpperCaseMap upper = text.ReadUpperCaseMap();
  TARNWICK_CHECK(FindNextRow(table, searchText, upper, leads) ==
                 ReferenceNextRow(table, searchText, upper, leads));
  return 0;
}
