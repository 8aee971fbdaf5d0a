#include "cache/EntryTable.h"

#include <array>
#include <cstring>
#include <stdexcept>

namespace tarnwick {

std::string_view TextUpToNul(std::string_view text) {
  // A cell never written has no storage at all, and memchr may not be given a null pointer.
  if (text.empty()) return text;
  const void* nul = std::memchr(text.data(), '\0', text.size());
  if (!nul) return text;
  return text.substr(0, static_cast<size_t>(static_cast<const char*>(nul) - text.data()));
}

EntryTable::EntryTable() { rows_.resize(static_cast<size_t>(rowCount_)); }

int EntryTable::RowCount() const { return rowCount_; }

void EntryTable::SetRowCount(int rowCount) {
  if (rowCount < 1) throw std::out_of_range("a table keeps at least one row");
  if (rowCount == rowCount_) return;
  if (static_cast<size_t>(rowCount) > rows_.size()) rows_.resize(static_cast<size_t>(rowCount));
  rowCount_ = rowCount;
  if (fixedRows_ >= rowCount_) fixedRows_ = rowCount_ - 1;
  Reshaped();
  if (row_ >= rowCount_) MoveCurrentRow(rowCount_ - 1, false);
}

int EntryTable::FixedRows() const { return fixedRows_; }

void EntryTable::SetFixedRows(int fixedRows) {
  if (fixedRows < 0 || fixedRows >= rowCount_)
    throw std::out_of_range("fixed rows must be fewer than the rows");
  if (fixedRows == fixedRows_) return;
  fixedRows_ = fixedRows;
  Reshaped();
  MoveCurrentRow(fixedRows_, true);
}

int EntryTable::Row() const { return row_; }

void EntryTable::SetRow(int row) {
  CheckCurrentRow(row);
  if (row == row_) return;
  MoveCurrentRow(row, false);
  Click();
}

void EntryTable::SelectRow(int row) {
  CheckCurrentRow(row);
  if (row != row_) MoveCurrentRow(row, false);
}

void EntryTable::Click() {
  if (OnClick) OnClick();
}

std::string_view EntryTable::Cell(int col, int row) const {
  CheckRow(row);
  if (col < 0 || col >= kColumnCount) throw std::out_of_range("no such column");
  return rows_[static_cast<size_t>(row)].Cell(col);
}

std::string_view EntryTable::ShownText(int col, int row) const {
  return TextUpToNul(Cell(col, row));
}

void EntryTable::SetCell(int col, int row, std::string_view text) {
  CheckRow(row);
  if (col < 0 || col >= kColumnCount) throw std::out_of_range("no such column");
  if (rows_[static_cast<size_t>(row)].SetCell(col, text)) RowChanged(row);
}

EntryTable::PreparedCell EntryTable::PrepareCell(int col, int row, size_t capacity) {
  CheckRow(row);
  if (col < 0 || col >= kColumnCount) throw std::out_of_range("no such column");
  return {*this, row, rows_[static_cast<size_t>(row)].Reserve(col, capacity)};
}

void EntryTable::PreparedCell::Write(std::string_view outcome) {
  table_.CheckRow(row_);
  if (table_.rows_[static_cast<size_t>(row_)].Store(room_, outcome)) table_.RowChanged(row_);
}

void EntryTable::ClearRow(int row) {
  CheckRow(row);
  if (rows_[static_cast<size_t>(row)].Clear()) RowChanged(row);
}

void EntryTable::StartListedRows() {
  SetRowCount(kFirstEntryRow + 1);
  ClearRow(kFirstEntryRow);
}

void EntryTable::AddListedRow(std::span<const std::string_view> texts) {
  const int row = RowCount() - 1;
  ClearRow(row);
  AppendToRow(row, texts);
  RevealEmptyRow();
}

// The row after the last is emptied before it shows: what an earlier listing or a Clear left in
// it would otherwise be painted and read out until the next record fills it. Emptying a row frees
// its block and takes no memory.
void EntryTable::RevealEmptyRow() {
  const auto hidden = static_cast<size_t>(rowCount_);
  if (rows_.size() == hidden) rows_.emplace_back();
  rows_[hidden].Clear();
  SetRowCount(rowCount_ + 1);
}

void EntryTable::EndListedRows() { SetRowCount(RowCount() - 1); }

int EntryTable::ListedRowCount() const { return EntryRowCount(*this) - 1; }

void EntryTable::AppendToRow(int row, const std::vector<std::string>& texts) {
  const std::vector<std::string_view> views(texts.begin(), texts.end());
  AppendToRow(row, views);
}

void EntryTable::AppendToRow(int row, std::span<const std::string_view> texts) {
  CheckRow(row);
  RowCells& cells = rows_[static_cast<size_t>(row)];
  std::array<std::string_view, kColumnCount> updated;
  for (int col = 0; col < kColumnCount; ++col) updated[static_cast<size_t>(col)] = cells.Cell(col);

  // A taken cell never becomes empty again, so each text goes to the next empty cell to the right
  // of the previous one. An empty text is stored as a blank so that it takes its cell.
  int col = 0;
  bool changed = false;
  for (std::string_view text : texts) {
    while (col < kColumnCount && !updated[static_cast<size_t>(col)].empty()) ++col;
    if (col == kColumnCount) break;
    updated[static_cast<size_t>(col)] = text.empty() ? std::string_view(" ") : text;
    changed = true;
  }
  if (!changed) return;
  cells.SetCells(0, updated);
  RowChanged(row);
}

std::vector<std::string> EntryTable::CopyRow(int row) const {
  CheckRow(row);
  std::vector<std::string> items;
  items.reserve(kColumnCount);
  for (int col = 0; col < kColumnCount; ++col)
    items.emplace_back(rows_[static_cast<size_t>(row)].Cell(col));
  return items;
}

void EntryTable::SetObserver(GridModelObserver* observer) { observer_ = observer; }

void EntryTable::CheckRow(int row) const {
  if (row < 0 || row >= rowCount_) throw std::out_of_range("no such row");
}

void EntryTable::CheckCurrentRow(int row) const {
  CheckRow(row);
  if (row < fixedRows_) throw std::out_of_range("a header row cannot be current");
}

void EntryTable::MoveCurrentRow(int row, bool scrollToTop) {
  row_ = row;
  if (observer_) observer_->CurrentRowMoved(row, scrollToTop);
}

void EntryTable::RowChanged(int row) {
  if (observer_) observer_->RowTextChanged(row);
}

void EntryTable::Reshaped() {
  if (observer_) observer_->TableReshaped();
}

}  // namespace tarnwick
