#pragma once
// One row's cell texts, one for each column, in a single heap block: the end offset of every
// cell, then the texts back to back. A row never written, or cleared, holds no block at all.
//
// A row is built by clearing it and appending its texts, so the block is sized exactly on each
// write instead of keeping spare capacity: a large listing then costs little more than its text.
#include <cstdint>
#include <span>
#include <string_view>

#include "cache/Columns.h"

namespace tarnwick {

class RowCells {
 public:
  RowCells() = default;
  RowCells(const RowCells&) = delete;
  RowCells& operator=(const RowCells&) = delete;
  RowCells(RowCells&& other) noexcept;
  RowCells& operator=(RowCells&& other) noexcept;
  ~RowCells();

  std::string_view Cell(int col) const;
  // Both return false when the row's text did not change.
  bool SetCell(int col, std::string_view text);
  bool Clear();
  // Stores `texts[i]` in cell `firstCol + i` for every i, in one reallocation.
  void SetCells(int firstCol, std::span<const std::string_view> texts);

  // The memory for the row with a text of up to `capacity` bytes in one cell, taken before the
  // text is known: for an outcome that must be shown once what it reports has happened.
  class Reserved {
   public:
    Reserved(Reserved&& other) noexcept;
    Reserved& operator=(Reserved&&) = delete;
    ~Reserved();

   private:
    friend class RowCells;
    Reserved(int col, uint64_t textBytes, uint32_t* block)
        : col_(col), textBytes_(textBytes), block_(block) {}

    int col_;
    uint64_t textBytes_;
    uint32_t* block_;
  };
  Reserved Reserve(int col, size_t capacity) const;
  // Stores `text` in the reserved cell. It takes no memory, and so cannot fail, when the text
  // fits the capacity and the row did not change since the reservation. False when the cell
  // already held the text.
  bool Store(Reserved& room, std::string_view text);

 private:
  uint32_t End(int col) const { return col < 0 ? 0 : block_[col]; }
  char* Bytes() const { return reinterpret_cast<char*>(block_ + kColumnCount); }
  // Bytes of cell text: where the last cell ends.
  uint64_t TextBytes() const { return block_ ? block_[kColumnCount - 1] : 0; }
  // The bytes of cell text the row holds once cells `firstCol` to `lastCol` hold `texts`.
  uint64_t TextBytesWith(int firstCol, int lastCol, std::span<const std::string_view> texts) const;
  void Replace(int firstCol, int lastCol, std::span<const std::string_view> texts);
  // Writes the row into `fresh`, with `texts` in cells `firstCol` to `lastCol`, and makes it the
  // row's block.
  void Rebuild(uint32_t* fresh, int firstCol, int lastCol,
               std::span<const std::string_view> texts) noexcept;

  uint32_t* block_ = nullptr;
};

}  // namespace tarnwick
