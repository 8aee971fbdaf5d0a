// Painting: only the rows and columns that meet the area being painted, into an off-screen
// bitmap copied to the window in one step, so that nothing flickers and the cost of a paint
// depends on the size of the window, never on the number of rows.
#include <algorithm>
#include <string_view>

#include "toolkit/win32/grid/GridControl.h"

namespace tarnwick {

namespace {

// ExtTextOut lays out every character it is given, even those clipped away. The narrowest
// glyph of the grid's font is a few pixels wide, so this many fill any screen.
constexpr size_t kMaxDrawnChars = 4096;

GridRect ToGrid(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

RECT ToWin32(const GridRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

struct RowColors {
  int background;
  int text;
  int lines;
};

void FillSolid(HDC dc, int left, int top, int right, int bottom, int color) {
  RECT rect{left, top, right, bottom};
  FillRect(dc, &rect, GetSysColorBrush(color));
}

}  // namespace

void GridControl::PaintMessage() {
  // Bring the scroll bars up to date first: showing or hiding one changes the client area.
  if (scrollBarsStale_) UpdateScrollBars();
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  Paint(dc, paint.rcPaint);
  EndPaint(window_, &paint);
}

void GridControl::Paint(HDC target, const RECT& area) {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  HDC buffer = CreateCompatibleDC(target);
  HBITMAP bitmap = buffer ? CreateCompatibleBitmap(target, width, height) : nullptr;
  if (!bitmap) {
    // Out of memory for the bitmap: paint directly, flicker and all.
    if (buffer) DeleteDC(buffer);
    DrawCells(target, area);
    return;
  }
  HGDIOBJ oldBitmap = SelectObject(buffer, bitmap);
  // The buffer's origin is the area's corner, so everything is drawn in client coordinates.
  SetWindowOrgEx(buffer, area.left, area.top, nullptr);
  DrawCells(buffer, area);
  BitBlt(target, area.left, area.top, width, height, buffer, area.left, area.top, SRCCOPY);
  SelectObject(buffer, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(buffer);
}

void GridControl::DrawCells(HDC dc, const RECT& area) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldFont = SelectObject(dc, font_);
  GridSpan cols = geometry_.ColumnsIn(ToGrid(area));
  GridSpan header = geometry_.HeaderRowsIn(ToGrid(area));
  for (int row = header.first; row < header.end; ++row) DrawRow(dc, row, cols);
  GridSpan body = geometry_.BodyRowsIn(ToGrid(area));
  for (int row = body.first; row < body.end; ++row) DrawRow(dc, row, cols);
  if (GetFocus() == window_) DrawFocusFrame(dc);
  SelectObject(dc, oldFont);
}

void GridControl::DrawRow(HDC dc, int row, GridSpan cols) {
  RowColors colors{COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE};
  if (row < geometry_.FixedRows()) {
    colors = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNSHADOW};
  } else if (row == table_.Row()) {
    colors = {COLOR_HIGHLIGHT, COLOR_HIGHLIGHTTEXT, COLOR_BTNFACE};
  }
  SetBkColor(dc, GetSysColor(colors.background));
  SetTextColor(dc, GetSysColor(colors.text));

  int top = geometry_.RowRect(row).top;
  int bottom = top + geometry_.RowHeight();
  for (int col = cols.first; col < cols.end; ++col) {
    int left = geometry_.ColumnLeft(col);
    int right = left + geometry_.ColumnWidth(col);
    if (right <= left) continue;
    // The cell's own pixels exclude its right and bottom edge, where the grid lines go.
    RECT cell{left, top, right - 1, bottom - 1};
    const std::string_view text = table_.ShownText(col, row).substr(0, kMaxDrawnChars);
    ExtTextOutA(dc, left + textLeft_, top + textTop_, ETO_CLIPPED | ETO_OPAQUE, &cell, text.data(),
                static_cast<UINT>(text.size()), nullptr);
    FillSolid(dc, right - 1, top, right, bottom, colors.lines);
    FillSolid(dc, left, bottom - 1, right, bottom, colors.lines);
  }
}

void GridControl::DrawFocusFrame(HDC dc) {
  int row = table_.Row();
  if (row < geometry_.FixedRows()) return;
  GridRect rect = geometry_.RowRect(row);
  if (rect.Empty()) return;
  RECT frame{rect.left, rect.top, rect.right - 1, rect.bottom - 1};
  DrawFocusRect(dc, &frame);
}

void GridControl::InvalidateRow(int row) { Invalidate(geometry_.RowRect(row)); }

void GridControl::Invalidate(const GridRect& area) {
  if (area.Empty()) return;
  RECT rect = ToWin32(area);
  InvalidateRect(window_, &rect, FALSE);
}

void GridControl::InvalidateAll() { InvalidateRect(window_, nullptr, FALSE); }

}  // namespace tarnwick
