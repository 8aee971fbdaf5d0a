#pragma once
// Where the rows and columns of a text grid lie for a given scroll position: the leading header
// rows stay at the top, the other rows scroll under them one whole row at a time, and the columns
// scroll sideways one whole column at a time. Every row has the same height; each column has its
// own width. Coordinates are client pixels; spans are half-open.
#include <vector>

namespace tarnwick {

// A grid's own drawing sizes in pixels: the text's distance from a cell's left edge, how far from a
// column border a press still grabs it, and the narrowest a drag leaves a column.
struct GridSpacing {
  int textLeft = 0;
  int borderSlack = 0;
  int minColumnWidth = 0;
  bool operator==(const GridSpacing&) const = default;
};

struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Empty() const { return right <= left || bottom <= top; }
  bool operator==(const GridRect&) const = default;
};

// Rows or columns [first, end).
struct GridSpan {
  int first = 0;
  int end = 0;

  bool Empty() const { return end <= first; }
  bool operator==(const GridSpan&) const = default;
};

struct GridCell {
  int col = -1;
  int row = -1;

  bool Valid() const { return col >= 0 && row >= 0; }
  bool operator==(const GridCell&) const = default;
};

// What a scroll bar shows: positions min..max, a thumb of `page` positions, the thumb at `pos`.
// The bar is not needed when the page covers the whole range.
struct ScrollBarState {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;

  bool operator==(const ScrollBarState&) const = default;
};

class GridGeometry {
 public:
  GridGeometry(int rowHeight, std::vector<int> columnWidths);

  int RowCount() const { return rowCount_; }
  int FixedRows() const { return fixedRows_; }
  int ColCount() const { return static_cast<int>(columnWidths_.size()); }
  int RowHeight() const { return rowHeight_; }
  int ColumnWidth(int col) const;
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }

  // The same grid at another screen density: rows `rowHeight` high, every column's width as it
  // is now (the user may have dragged it) times num / den, rounded as the platform's MulDiv; the
  // shape, the client size and the scroll position stay.
  GridGeometry Rescaled(int rowHeight, int num, int den) const;

  // Each of these keeps the scroll position within its limits.
  void SetShape(int rowCount, int fixedRows);
  void SetClientSize(int width, int height);
  void SetColumnWidth(int col, int width);

  // The first scrolling row shown under the header rows, and the leftmost column shown.
  int TopRow() const { return topRow_; }
  int LeftCol() const { return leftCol_; }
  // Both clamp and report whether the position changed.
  bool SetTopRow(int row);
  bool SetLeftCol(int col);
  int MaxTopRow() const;
  int MaxLeftCol() const;

  // Scrolling rows that fit wholly under the header rows; at least 1, so paging always moves.
  int PageRows() const;
  int LastFullyVisibleRow() const;
  // Scrolls as little as possible so that `row` is wholly visible; reports whether it scrolled.
  bool ScrollIntoView(int row);

  // Where a row shows within the client area, across the visible columns; empty when it is
  // scrolled out of view or beyond the last row.
  GridRect RowRect(int row) const;
  // Where rows from `row` on show, down to the bottom of the client area: what changes when rows
  // are added or dropped at the end. All of the scrolling rows when `row` is scrolled out above;
  // empty when it lies below the view.
  GridRect AreaFromRow(int row) const;
  // The left edge of a column at or right of LeftCol.
  int ColumnLeft(int col) const;

  // The header rows, the scrolling rows and the columns that meet `area`.
  GridSpan HeaderRowsIn(const GridRect& area) const;
  GridSpan BodyRowsIn(const GridRect& area) const;
  GridSpan ColumnsIn(const GridRect& area) const;

  // The cell under a client point; invalid outside the cells.
  GridCell CellAt(int x, int y) const;
  // The column whose right border inside the header rows lies within `slack` pixels of the
  // point, the nearest one (the rightmost of equals, so a column narrowed to nothing can be
  // widened again); -1 when none does or there are no header rows.
  int ResizeBorderAt(int x, int y, int slack) const;

  ScrollBarState VerticalBar() const;
  ScrollBarState HorizontalBar() const;

  // Where the rows below the header rows start, in client pixels.
  int BodyTop() const { return fixedRows_ * rowHeight_; }

 private:
  GridRect ClipToClient(const GridRect& area) const;
  void Clamp();

  int rowHeight_;
  std::vector<int> columnWidths_;
  int rowCount_ = 0;
  int fixedRows_ = 0;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int topRow_ = 0;
  int leftCol_ = 0;
};

}  // namespace tarnwick
