#pragma once
// The entry table: the grid of text cells that a listing fills, one row per cache entry, and that
// every action reads. It is the model of the grid control, which renders it without copying it.
//
// Row 0 holds the column captions while FixedRows is 1. Cell texts are 8-bit and may hold any byte,
// NUL included; whatever shows or compares a cell uses it only up to its first NUL.
//
// Rows beyond RowCount keep their texts: lowering RowCount hides rows, raising it shows them again.
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cache/RowCells.h"
#include "toolkit/grid/GridModel.h"

namespace tarnwick {

// Where the entry rows start, below the header row that a listing writes.
inline constexpr int kFirstEntryRow = 1;

// A cell's text as it is shown, compared and handed on: up to its first NUL byte.
std::string_view TextUpToNul(std::string_view text);

// Indices out of range (a column outside 0..kColumnCount - 1, a row outside 0..RowCount - 1, a
// current row that is a header row, a RowCount below 1, a FixedRows not below RowCount) throw
// std::out_of_range.
class EntryTable : public GridModel {
 public:
  EntryTable();

  int ColCount() const final { return kColumnCount; }

  int RowCount() const final;
  // Adds rows at the end (showing any texts they kept) or drops rows from the end. FixedRows stays
  // below RowCount; a dropped current row makes the new last row current, with no click.
  void SetRowCount(int rowCount);

  int FixedRows() const final;
  // A new value also makes the first row after the header rows current and scrolls to the top,
  // with no click. Writing the current value does nothing.
  void SetFixedRows(int fixedRows);

  // The current row. Writing another row makes it current, scrolls it into view and raises the
  // click notification exactly as a click on it does; writing the current row does nothing.
  int Row() const final;
  void SetRow(int row) final;
  // Moves the current row without the click notification: a mouse press selects, the release
  // clicks.
  void SelectRow(int row) final;
  // Raises the click notification for the current row.
  void Click() final;

  // The whole stored text of a cell, NUL bytes included; empty for a cell never written.
  std::string_view Cell(int col, int row) const;
  void SetCell(int col, int row, std::string_view text);
  // The cell's text up to its first NUL.
  std::string_view ShownText(int col, int row) const final;

  // A cell made ready for the outcome of an action: the memory for a text of up to `capacity`
  // bytes in it is taken before the action, so the outcome shows even when none is left once the
  // action happened. Nothing else may change the row before the outcome is written.
  class PreparedCell {
   public:
    void Write(std::string_view outcome);

   private:
    friend class EntryTable;
    PreparedCell(EntryTable& table, int row, RowCells::Reserved room)
        : table_(table), row_(row), room_(std::move(room)) {}

    EntryTable& table_;
    int row_;
    RowCells::Reserved room_;
  };
  PreparedCell PrepareCell(int col, int row, size_t capacity);

  // The row operations of the listing and the detail box.
  void ClearRow(int row);
  // Stores each text in the row's first empty cell, in order; an empty text is stored as a single
  // blank so the next text goes to the next column. A text finding no empty cell is dropped.
  void AppendToRow(int row, std::span<const std::string_view> texts);
  void AppendToRow(int row, const std::vector<std::string>& texts);
  std::vector<std::string> CopyRow(int row) const;

  // The rows of a listing. While one runs, the table shows one row past those listed, left for the
  // next record; the listing ends by dropping it, however it ends, so a half-written row or a row
  // of an earlier listing never stays.
  // Shows the header rows and one cleared row, left for the first record.
  void StartListedRows();
  // Writes the texts into the row left for the next record, as AppendToRow does, and leaves a new
  // row after it, empty from the moment it shows.
  void AddListedRow(std::span<const std::string_view> texts);
  // Drops the row left for the next record.
  void EndListedRows();
  // While a listing runs: the rows listed so far.
  int ListedRowCount() const;

  void SetObserver(GridModelObserver* observer) final;
  std::function<void()> OnClick;

 private:
  void CheckRow(int row) const;
  void CheckCurrentRow(int row) const;
  void MoveCurrentRow(int row, bool scrollToTop);
  void RevealEmptyRow();
  void RowChanged(int row);
  void Reshaped();

  // At least RowCount long: the rows past RowCount are the hidden ones that keep their texts.
  std::vector<RowCells> rows_;
  int rowCount_ = 10;
  int fixedRows_ = 1;
  int row_ = 1;
  GridModelObserver* observer_ = nullptr;
};

// The entry rows: every row after the header row.
inline int EntryRowCount(const EntryTable& table) { return table.RowCount() - kFirstEntryRow; }

}  // namespace tarnwick
