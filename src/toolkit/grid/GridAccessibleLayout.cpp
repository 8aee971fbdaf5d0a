#include "toolkit/grid/GridAccessibleLayout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tarnwick {

namespace {

// Far enough from the limits of int that a caller can still add a window's screen position.
int ClampToScreen(int64_t value) {
  constexpr int64_t kLimit = std::numeric_limits<int>::max() / 4;
  return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

GridRect Intersect(const GridRect& a, const GridRect& b) {
  GridRect both{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
  return both.Empty() ? GridRect{} : both;
}

bool Contains(const GridRect& rect, int x, int y) {
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

int RowOfChild(const GridGeometry& geometry, long childId) {
  return childId >= 1 && childId <= geometry.RowCount() ? static_cast<int>(childId - 1) : -1;
}

int ColumnOfChild(const GridGeometry& geometry, long childId) {
  return childId >= 1 && childId <= geometry.ColCount() ? static_cast<int>(childId - 1) : -1;
}

AccessibleBounds BoundsOf(const GridGeometry& geometry, int row, int col) {
  const int height = geometry.RowHeight();
  const int bodyTop = geometry.BodyTop();
  const bool header = row < geometry.FixedRows();
  const int64_t top =
      header ? int64_t{row} * height : bodyTop + (int64_t{row} - geometry.TopRow()) * height;
  const int left = geometry.ColumnLeft(col < 0 ? 0 : col);
  const int right =
      col < 0 ? geometry.ColumnLeft(geometry.ColCount()) : left + geometry.ColumnWidth(col);
  const GridRect whole{left, ClampToScreen(top), right, ClampToScreen(top + height)};
  // Header rows show above the scrolling ones; a scrolling row never shows under them.
  const GridRect view{
      0, header ? 0 : bodyTop, geometry.ClientWidth(),
      header ? std::min(bodyTop, geometry.ClientHeight()) : geometry.ClientHeight()};
  const GridRect shown = Intersect(whole, view);
  if (shown.Empty()) return {whole, true};
  return {shown, false};
}

int TableChildAt(const GridGeometry& geometry, int x, int y) {
  if (!Contains({0, 0, geometry.ClientWidth(), geometry.ClientHeight()}, x, y)) return kNoChild;
  const GridCell cell = geometry.CellAt(x, y);
  return cell.Valid() ? ChildOfRow(cell.row) : kSelfChild;
}

int RowChildAt(const GridGeometry& geometry, int row, int x, int y) {
  const AccessibleBounds bounds = BoundsOf(geometry, row);
  if (bounds.offscreen || !Contains(bounds.rect, x, y)) return kNoChild;
  const GridCell cell = geometry.CellAt(x, y);
  return cell.row == row ? cell.col + 1 : kSelfChild;
}

}  // namespace tarnwick
