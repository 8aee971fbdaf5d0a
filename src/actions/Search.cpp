#include "actions/Search.h"

#include <cstring>
#include <string>

namespace tarnwick {
namespace {

std::string_view UpToNul(std::string_view text) {
  // A cell never written has no storage at all, and memchr may not be given a null pointer.
  if (text.empty()) return text;
  const void* nul = std::memchr(text.data(), '\0', text.size());
  if (!nul) return text;
  return text.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - text.data()));
}

unsigned char Upper(const UpperCaseTable& upper, char c) {
  return upper[static_cast<unsigned char>(c)];
}

bool MatchesAt(std::string_view cell, size_t at, std::string_view upperNeedle,
               const UpperCaseTable& upper) {
  for (size_t i = 1; i < upperNeedle.size(); ++i)
    if (Upper(upper, cell[at + i]) != static_cast<unsigned char>(upperNeedle[i])) return false;
  return true;
}

bool RowContains(const EntryTable& table, int row, std::string_view upperNeedle,
                 const UpperCaseTable& upper) {
  for (int col = 0; col < table.ColCount(); ++col)
    if (CellContains(table.Cell(col, row), upperNeedle, upper)) return true;
  return false;
}

}  // namespace

bool CellContains(std::string_view cell, std::string_view upperNeedle,
                  const UpperCaseTable& upper) {
  cell = UpToNul(cell);
  if (upperNeedle.empty() || cell.size() < upperNeedle.size()) return false;
  const auto first = static_cast<unsigned char>(upperNeedle[0]);
  const size_t lastStart = cell.size() - upperNeedle.size();
  for (size_t at = 0; at <= lastStart; ++at)
    if (Upper(upper, cell[at]) == first && MatchesAt(cell, at, upperNeedle, upper)) return true;
  return false;
}

std::optional<int> FindNextRow(const EntryTable& table, std::string_view searchText,
                               const UpperCaseTable& upper) {
  std::string needle(UpToNul(searchText));
  if (needle.empty()) return std::nullopt;
  for (char& c : needle) c = static_cast<char>(Upper(upper, c));

  const int current = table.Row();
  for (int row = current + 1; row < table.RowCount(); ++row)
    if (RowContains(table, row, needle, upper)) return row;
  for (int row = 1; row <= current && row < table.RowCount(); ++row)
    if (RowContains(table, row, needle, upper)) return row;
  return std::nullopt;
}

}  // namespace tarnwick
