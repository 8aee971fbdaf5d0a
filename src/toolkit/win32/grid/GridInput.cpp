// Keys, mouse and wheel: each moves the table's current row, scrolls, or resizes a column.
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

#include "toolkit/win32/ErrorBox.h"
#include "toolkit/win32/grid/GridControl.h"
#include "toolkit/win32/grid/GridMessages.h"

namespace tarnwick {

namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

POINT PointerInClient(HWND window) {
  POINT pointer{};
  GetCursorPos(&pointer);
  ScreenToClient(window, &pointer);
  return pointer;
}

}  // namespace

void GridControl::KeyDown(WPARAM key) {
  GridKey move = GridKey::Up;
  switch (key) {
    case VK_UP:
      move = GridKey::Up;
      break;
    case VK_DOWN:
      move = GridKey::Down;
      break;
    case VK_PRIOR:
      move = GridKey::PageUp;
      break;
    case VK_NEXT:
      move = GridKey::PageDown;
      break;
    case VK_HOME:
      move = GridKey::Home;
      break;
    case VK_END:
      move = GridKey::End;
      break;
    case VK_LEFT:
      ScrollColumns(-1);
      return;
    case VK_RIGHT:
      ScrollColumns(1);
      return;
    default:
      return;
  }
  const bool ctrl = KeyHeld(VK_CONTROL);
  if (const int step = ScrollStepOfKey(move, ctrl)) {
    if (geometry_.SetTopRow(geometry_.TopRow() + step)) Scrolled();
    return;
  }
  // Writing the row it already is raises nothing, so a key that cannot move stays silent.
  table_.SetRow(RowAfterKey(geometry_, table_.Row(), move, ctrl));
}

LRESULT GridControl::KeyUp(WPARAM key, LPARAM lParam) {
  // The menu key: handled here and kept from DefWindowProc, which on some systems would send
  // WM_CONTEXTMENU for it as well. Shift+F10 reaches ContextMenu through DefWindowProc.
  if (key == VK_APPS) {
    ContextMenu(-1);
    return 0;
  }
  return DefWindowProcA(window_, WM_KEYUP, key, lParam);
}

void GridControl::LeftButtonDown(int x, int y) {
  SetFocus(window_);
  if (drag_ != Drag::None) return;
  int border = geometry_.ResizeBorderAt(x, y, borderSlack_);
  if (border >= 0) {
    drag_ = Drag::ResizeColumn;
    resizeCol_ = border;
    resizeStartX_ = x;
    resizeStartWidth_ = geometry_.ColumnWidth(border);
    SetCapture(window_);
    return;
  }
  GridCell cell = geometry_.CellAt(x, y);
  if (!cell.Valid() || cell.row < geometry_.FixedRows()) return;
  table_.SelectRow(cell.row);
  drag_ = Drag::SelectRows;
  SetCapture(window_);
}

void GridControl::ClickRow(int row) {
  if (inputBlocked_) return;
  RunGuarded(GetAncestor(window_, GA_ROOT), [this, row] {
    table_.SelectRow(row);
    table_.Click();
  });
}

void GridControl::MouseMove(int x, int y) {
  if (drag_ == Drag::ResizeColumn) {
    int width = std::max(minColumnWidth_, resizeStartWidth_ + x - resizeStartX_);
    if (width == geometry_.ColumnWidth(resizeCol_)) return;
    geometry_.SetColumnWidth(resizeCol_, width);
    InvalidateAll();
    RequestScrollBarUpdate();
  } else if (drag_ == Drag::SelectRows) {
    DragRowsTo(y);
  }
}

void GridControl::DragRowsTo(int y) {
  int row = RowForDrag(geometry_, y);
  if (row >= 0) table_.SelectRow(row);
  // Held above or below the rows, the pointer keeps the rows scrolling by itself.
  bool outside = y < geometry_.BodyTop() || y >= geometry_.ClientHeight();
  if (outside && !autoScrolling_) {
    SetTimer(window_, kAutoScrollTimer, kAutoScrollMilliseconds, nullptr);
  } else if (!outside && autoScrolling_) {
    KillTimer(window_, kAutoScrollTimer);
  }
  autoScrolling_ = outside;
}

void GridControl::AutoScrollTick() {
  if (drag_ == Drag::SelectRows) DragRowsTo(PointerInClient(window_).y);
}

void GridControl::BlockInput(bool blocked) {
  inputBlocked_ = blocked;
  if (blocked) CancelDrag();
}

// The button came up, or another window took the mouse mid-drag: either way the drag ends.
void GridControl::FinishDrag() {
  if (drag_ == Drag::None) return;
  bool selecting = drag_ == Drag::SelectRows;
  CancelDrag();
  // One click, for the row where the press or the drag ended.
  if (selecting) table_.Click();
}

void GridControl::CancelDrag() {
  if (drag_ == Drag::None) return;
  // Cleared first: releasing the capture sends WM_CAPTURECHANGED, which must find no drag.
  drag_ = Drag::None;
  if (autoScrolling_) KillTimer(window_, kAutoScrollTimer);
  autoScrolling_ = false;
  if (window_ && GetCapture() == window_) ReleaseCapture();
}

void GridControl::RightButtonDown() {
  // Focus only: the current row stays. DefWindowProc turns the release into WM_CONTEXTMENU.
  SetFocus(window_);
}

void GridControl::ContextMenu(LPARAM lParam) {
  if (!OnContextMenu) return;
  POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (lParam == -1) {
    // From the keyboard: there is no pointer position to use.
    screen = POINT{0, 0};
    ClientToScreen(window_, &screen);
  }
  OnContextMenu(screen);
}

void GridControl::Wheel(int delta) {
  int notches = wheel_.Add(delta);
  GridKey step = notches > 0 ? GridKey::Up : GridKey::Down;
  for (int notch = 0; notch < std::abs(notches); ++notch) {
    table_.SetRow(RowAfterKey(geometry_, table_.Row(), step, false));
  }
}

bool GridControl::SetCursorShape(LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  POINT pointer = PointerInClient(window_);
  bool onBorder = drag_ == Drag::ResizeColumn ||
                  geometry_.ResizeBorderAt(pointer.x, pointer.y, borderSlack_) >= 0;
  if (!onBorder) return false;
  SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
  return true;
}

}  // namespace tarnwick
