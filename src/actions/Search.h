#pragma once
// Finding the next row of the entry table that contains a text.
#include <array>
#include <optional>
#include <string_view>

#include "cache/EntryTable.h"
#include "platform/AnsiText.h"

namespace tarnwick {

using UpperCaseMap = std::array<unsigned char, 256>;

// Whether `cell` contains `upperNeedle` (already upper-cased), ignoring case through `upper`. An
// empty needle is contained in nothing.
bool CellContains(std::string_view cell, std::string_view upperNeedle, const UpperCaseMap& upper);

// The next row after the current one, wrapping to row 1 and ending with the current row itself, in
// which any cell contains `searchText`. The header row is never searched. On a double-byte code
// page, given its `leads`, both bytes of a two-byte character stay as they are, and a hit starts
// and ends only between characters.
std::optional<int> FindNextRow(const EntryTable& table, std::string_view searchText,
                               const UpperCaseMap& upper, const LeadByteSet& leads = {});

}  // namespace tarnwick
