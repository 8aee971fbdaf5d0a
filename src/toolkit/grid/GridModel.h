#pragma once
// What the grid control shows and moves: a table of text cells, its first rows fixed as headers,
// one of the others current. The grid paints straight from it, without a copy, and turns the
// user's keys and clicks into moves of its current row.
#include <string_view>

namespace tarnwick {

// Told about every change, so the grid repaints only what changed.
class GridModelObserver {
 public:
  virtual ~GridModelObserver() = default;
  // RowCount or FixedRows changed.
  virtual void TableReshaped() = 0;
  // One or more cells of `row` changed.
  virtual void RowTextChanged(int row) = 0;
  // The current row moved; the view scrolls it into view, or to the table's top when asked.
  virtual void CurrentRowMoved(int row, bool scrollToTop) = 0;
};

class GridModel {
 public:
  virtual ~GridModel() = default;

  virtual int ColCount() const = 0;
  virtual int RowCount() const = 0;
  virtual int FixedRows() const = 0;
  // The text a cell shows and reads out.
  virtual std::string_view ShownText(int col, int row) const = 0;

  virtual int Row() const = 0;
  // Makes `row` current and raises the click notification, as a click on it does.
  virtual void SetRow(int row) = 0;
  // Makes `row` current without the click notification: a mouse press selects, the release clicks.
  virtual void SelectRow(int row) = 0;
  // Raises the click notification for the current row.
  virtual void Click() = 0;

  virtual void SetObserver(GridModelObserver* observer) = 0;
};

}  // namespace tarnwick
