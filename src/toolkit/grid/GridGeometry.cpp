#include "toolkit/grid/GridGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "toolkit/Scaling.h"

namespace tarnwick {

namespace {

// Rounds up; only ever called with a numerator of 0 or more, which every caller ensures by
// clipping to the client area first. The usual "(n - 1) / d + 1" gives 1 instead of 0 for n = 0
// because division truncates towards zero.
int CeilDiv(int numerator, int denominator) { return (numerator + denominator - 1) / denominator; }

}  // namespace

GridGeometry::GridGeometry(int rowHeight, std::vector<int> columnWidths)
    : rowHeight_(std::max(1, rowHeight)), columnWidths_(std::move(columnWidths)) {
  for (int& width : columnWidths_) width = std::max(0, width);
}

int GridGeometry::ColumnWidth(int col) const {
  if (col < 0 || col >= ColCount()) return 0;
  return columnWidths_[static_cast<size_t>(col)];
}

GridGeometry GridGeometry::Rescaled(int rowHeight, int num, int den) const {
  std::vector<int> widths;
  for (int width : columnWidths_) widths.push_back(MulDivRound(width, num, den));
  GridGeometry scaled(rowHeight, std::move(widths));
  scaled.SetShape(rowCount_, fixedRows_);
  scaled.SetClientSize(clientWidth_, clientHeight_);
  scaled.SetTopRow(topRow_);
  scaled.SetLeftCol(leftCol_);
  return scaled;
}

void GridGeometry::SetShape(int rowCount, int fixedRows) {
  rowCount_ = std::max(0, rowCount);
  fixedRows_ = std::clamp(fixedRows, 0, rowCount_);
  Clamp();
}

void GridGeometry::SetClientSize(int width, int height) {
  clientWidth_ = std::max(0, width);
  clientHeight_ = std::max(0, height);
  Clamp();
}

void GridGeometry::SetColumnWidth(int col, int width) {
  if (col < 0 || col >= ColCount()) return;
  columnWidths_[static_cast<size_t>(col)] = std::max(0, width);
  Clamp();
}

bool GridGeometry::SetTopRow(int row) {
  int old = topRow_;
  topRow_ = std::clamp(row, fixedRows_, MaxTopRow());
  return topRow_ != old;
}

bool GridGeometry::SetLeftCol(int col) {
  int old = leftCol_;
  leftCol_ = std::clamp(col, 0, MaxLeftCol());
  return leftCol_ != old;
}

void GridGeometry::Clamp() {
  SetTopRow(topRow_);
  SetLeftCol(leftCol_);
}

int GridGeometry::MaxTopRow() const {
  int scrolling = rowCount_ - fixedRows_;
  return fixedRows_ + std::max(0, scrolling - PageRows());
}

int GridGeometry::MaxLeftCol() const {
  // The leftmost column from which all remaining columns fit; when even the last column alone
  // is wider than the client area, that last column.
  int fitting = 0;
  int col = ColCount();
  while (col > 0 && fitting + ColumnWidth(col - 1) <= clientWidth_) {
    fitting += ColumnWidth(col - 1);
    --col;
  }
  return std::min(col, std::max(0, ColCount() - 1));
}

int GridGeometry::PageRows() const {
  int bodyHeight = clientHeight_ - BodyTop();
  return bodyHeight > 0 ? std::max(1, bodyHeight / rowHeight_) : 1;
}

int GridGeometry::LastFullyVisibleRow() const {
  return std::min(rowCount_ - 1, topRow_ + PageRows() - 1);
}

bool GridGeometry::ScrollIntoView(int row) {
  if (row < fixedRows_ || row >= rowCount_) return false;
  if (row < topRow_) return SetTopRow(row);
  if (row > LastFullyVisibleRow()) return SetTopRow(row - PageRows() + 1);
  return false;
}

int GridGeometry::ColumnLeft(int col) const {
  int x = 0;
  for (int c = leftCol_; c < col; ++c) x += ColumnWidth(c);
  for (int c = col; c < leftCol_; ++c) x -= ColumnWidth(c);
  return x;
}

GridRect GridGeometry::RowRect(int row) const {
  if (row < 0 || row >= rowCount_) return {};
  int top = 0;
  if (row < fixedRows_) {
    top = row * rowHeight_;
  } else {
    int offset = row - topRow_;
    int shownRows = CeilDiv(std::max(0, clientHeight_ - BodyTop()), rowHeight_);
    if (offset < 0 || offset >= shownRows) return {};
    top = BodyTop() + offset * rowHeight_;
  }
  GridRect rect{0, top, std::min(clientWidth_, ColumnLeft(ColCount())), top + rowHeight_};
  return rect.Empty() ? GridRect{} : rect;
}

GridRect GridGeometry::AreaFromRow(int row) const {
  int top = BodyTop();
  if (row < fixedRows_) {
    top = std::max(0, row) * rowHeight_;
  } else if (row > topRow_) {
    // Compared before multiplying, so a row far below the view cannot overflow.
    if (row - topRow_ >= CeilDiv(std::max(0, clientHeight_ - BodyTop()), rowHeight_)) return {};
    top = BodyTop() + (row - topRow_) * rowHeight_;
  }
  GridRect area{0, top, clientWidth_, clientHeight_};
  return area.Empty() ? GridRect{} : area;
}

GridRect GridGeometry::ClipToClient(const GridRect& area) const {
  return {std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, clientWidth_),
          std::min(area.bottom, clientHeight_)};
}

GridSpan GridGeometry::HeaderRowsIn(const GridRect& area) const {
  GridRect clipped = ClipToClient(area);
  if (clipped.Empty() || clipped.top >= BodyTop()) return {};
  return {clipped.top / rowHeight_, std::min(fixedRows_, CeilDiv(clipped.bottom, rowHeight_))};
}

GridSpan GridGeometry::BodyRowsIn(const GridRect& area) const {
  GridRect clipped = ClipToClient(area);
  int top = std::max(clipped.top, BodyTop());
  if (clipped.Empty() || clipped.bottom <= top) return {};
  GridSpan rows{topRow_ + (top - BodyTop()) / rowHeight_,
                std::min(rowCount_, topRow_ + CeilDiv(clipped.bottom - BodyTop(), rowHeight_))};
  return rows.Empty() ? GridSpan{} : rows;
}

GridSpan GridGeometry::ColumnsIn(const GridRect& area) const {
  GridRect clipped = ClipToClient(area);
  if (clipped.Empty()) return {};
  int col = leftCol_;
  int x = 0;
  while (col < ColCount() && x + ColumnWidth(col) <= clipped.left) x += ColumnWidth(col++);
  GridSpan cols{col, col};
  while (cols.end < ColCount() && x < clipped.right) x += ColumnWidth(cols.end++);
  return cols.Empty() ? GridSpan{} : cols;
}

GridCell GridGeometry::CellAt(int x, int y) const {
  GridRect point{x, y, x + 1, y + 1};
  GridSpan rows = y < BodyTop() ? HeaderRowsIn(point) : BodyRowsIn(point);
  GridSpan cols = ColumnsIn(point);
  if (rows.Empty() || cols.Empty()) return {};
  return {cols.first, rows.first};
}

int GridGeometry::ResizeBorderAt(int x, int y, int slack) const {
  if (fixedRows_ == 0 || y < 0 || y >= std::min(BodyTop(), clientHeight_)) return -1;
  if (x < 0 || x >= clientWidth_) return -1;
  int found = -1;
  int bestDistance = 0;
  int right = 0;
  for (int col = leftCol_; col < ColCount() && right - slack <= x; ++col) {
    right += ColumnWidth(col);
    // The border is the edge between pixels right - 1 and right; the slack lies either side.
    int distance = std::abs(x - right + (x < right ? 1 : 0));
    if (x >= right - slack && x < right + slack && (found < 0 || distance <= bestDistance)) {
      found = col;
      bestDistance = distance;
    }
  }
  return found;
}

ScrollBarState GridGeometry::VerticalBar() const {
  int scrolling = rowCount_ - fixedRows_;
  return {0, std::max(0, scrolling - 1), PageRows(), topRow_ - fixedRows_};
}

ScrollBarState GridGeometry::HorizontalBar() const {
  return {0, std::max(0, ColCount() - 1), ColCount() - MaxLeftCol(), leftCol_};
}

}  // namespace tarnwick
