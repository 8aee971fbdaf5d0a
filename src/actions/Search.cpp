#include "actions/Search.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace tarnwick {
namespace {

unsigned char Upper(const UpperCaseMap& upper, char c) {
  return upper[static_cast<unsigned char>(c)];
}

bool MatchesAt(std::string_view cell, size_t at, std::string_view upperNeedle,
               const UpperCaseMap& upper) {
  for (size_t i = 1; i < upperNeedle.size(); ++i)
    if (Upper(upper, cell[at + i]) != static_cast<unsigned char>(upperNeedle[i])) return false;
  return true;
}

// The bytes of the character that starts with `first`.
size_t CharacterBytes(const LeadByteSet& leads, char first) {
  return leads[static_cast<unsigned char>(first)] ? 2 : 1;
}

// The text upper-cased except for the two bytes of a double-byte character
// (a lead byte that ends the text stays as it is too).
void UpperDoubleByte(std::string_view text, const UpperCaseMap& upper, const LeadByteSet& leads,
                     std::string& folded) {
  folded.assign(text);
  for (size_t at = 0; at < folded.size(); ++at) {
    const auto byte = static_cast<unsigned char>(folded[at]);
    if (leads[byte])
      ++at;
    else
      folded[at] = static_cast<char>(upper[byte]);
  }
}

// Whether the last character of `text` is a lead byte with no trail byte after it.
bool EndsInsideCharacter(std::string_view text, const LeadByteSet& leads) {
  size_t at = 0;
  while (at < text.size()) at += CharacterBytes(leads, text[at]);
  return at > text.size();
}

// The search on a double-byte code page: a hit starts at a character, never at a trail byte, ends
// at one or at the end of the cell, and is made of the same characters as the search text.
// Characters are told apart in the texts as they are, not upper-cased, in case the locale
// upper-cases some byte into a lead byte.
class DoubleByteSearch {
 public:
  DoubleByteSearch(std::string_view searchText, const UpperCaseMap& upper, const LeadByteSet& leads)
      : upper_(upper), leads_(leads), needleText_(TextUpToNul(searchText)) {
    UpperDoubleByte(needleText_, upper, leads, needle_);
    needleEndsInside_ = EndsInsideCharacter(needleText_, leads);
  }

  bool Empty() const { return needle_.empty(); }

  bool CellContains(std::string_view cell) {
    UpperDoubleByte(cell, upper_, leads_, cell_);
    if (cell_.size() < needle_.size()) return false;
    const size_t lastStart = cell_.size() - needle_.size();
    for (size_t at = 0; at <= lastStart; at += CharacterBytes(leads_, cell[at]))
      if (cell_.compare(at, needle_.size(), needle_) == 0 &&
          (!needleEndsInside_ || at == lastStart) && SameCharactersAt(cell, at))
        return true;
    return false;
  }

 private:
  bool SameCharactersAt(std::string_view cell, size_t at) const {
    for (size_t i = 0; i < needleText_.size();) {
      const size_t bytes = CharacterBytes(leads_, needleText_[i]);
      if (CharacterBytes(leads_, cell[at + i]) != bytes) return false;
      i += bytes;
    }
    return true;
  }

  const UpperCaseMap& upper_;
  const LeadByteSet& leads_;
  const std::string needleText_;
  std::string needle_;
  bool needleEndsInside_ = false;
  // Reused from cell to cell.
  std::string cell_;
};

template <typename Contains>
std::optional<int> FindRow(const EntryTable& table, Contains contains) {
  const auto rowContains = [&](int row) {
    for (int col = 0; col < table.ColCount(); ++col)
      if (contains(table.ShownText(col, row))) return true;
    return false;
  };
  const int current = table.Row();
  for (int row = current + 1; row < table.RowCount(); ++row)
    if (rowContains(row)) return row;
  for (int row = kFirstEntryRow; row <= current && row < table.RowCount(); ++row)
    if (rowContains(row)) return row;
  return std::nullopt;
}

}  // namespace

bool CellContains(std::string_view cell, std::string_view upperNeedle, const UpperCaseMap& upper) {
  if (upperNeedle.empty() || cell.size() < upperNeedle.size()) return false;
  const auto first = static_cast<unsigned char>(upperNeedle[0]);
  const size_t lastStart = cell.size() - upperNeedle.size();
  for (size_t at = 0; at <= lastStart; ++at)
    if (Upper(upper, cell[at]) == first && MatchesAt(cell, at, upperNeedle, upper)) return true;
  return false;
}

std::optional<int> FindNextRow(const EntryTable& table, std::string_view searchText,
                               const UpperCaseMap& upper, const LeadByteSet& leads) {
  if (std::find(leads.begin(), leads.end(), true) != leads.end()) {
    DoubleByteSearch search(searchText, upper, leads);
    if (search.Empty()) return std::nullopt;
    return FindRow(table, [&](std::string_view cell) { return search.CellContains(cell); });
  }
  // A single-byte code page: every byte is a character, upper-cased through the table.
  std::string needle(TextUpToNul(searchText));
  if (needle.empty()) return std::nullopt;
  for (char& c : needle) c = static_cast<char>(Upper(upper, c));
  return FindRow(table, [&](std::string_view cell) { return CellContains(cell, needle, upper); });
}

}  // namespace tarnwick
