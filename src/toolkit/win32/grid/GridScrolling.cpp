// The scroll bars: what they show, and scrolling the grid from them and from Left and Right.
#include "toolkit/win32/grid/GridControl.h"

namespace tarnwick {

namespace {

// Sets the bar's range, page and position; the system shows or hides it by them.
void SetScrollBarState(HWND window, int bar, const ScrollBarState& state) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = state.min;
  info.nMax = state.max;
  info.nPage = static_cast<UINT>(state.page);
  info.nPos = state.pos;
  SetScrollInfo(window, bar, &info, TRUE);
}

}  // namespace

void GridControl::VerticalScroll(int request) {
  int top = geometry_.TopRow();
  int page = geometry_.PageRows();
  switch (request) {
    case SB_LINEUP:
      top -= 1;
      break;
    case SB_LINEDOWN:
      top += 1;
      break;
    case SB_PAGEUP:
      top -= page;
      break;
    case SB_PAGEDOWN:
      top += page;
      break;
    case SB_TOP:
      top = geometry_.FixedRows();
      break;
    case SB_BOTTOM:
      top = geometry_.MaxTopRow();
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      top = geometry_.FixedRows() + TrackPosition(SB_VERT);
      break;
    default:
      return;
  }
  if (geometry_.SetTopRow(top)) Scrolled();
}

void GridControl::HorizontalScroll(int request) {
  int left = geometry_.LeftCol();
  int page = geometry_.HorizontalBar().page;
  switch (request) {
    case SB_LINELEFT:
      left -= 1;
      break;
    case SB_LINERIGHT:
      left += 1;
      break;
    case SB_PAGELEFT:
      left -= page;
      break;
    case SB_PAGERIGHT:
      left += page;
      break;
    case SB_LEFT:
      left = 0;
      break;
    case SB_RIGHT:
      left = geometry_.MaxLeftCol();
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      left = TrackPosition(SB_HORZ);
      break;
    default:
      return;
  }
  if (geometry_.SetLeftCol(left)) Scrolled();
}

void GridControl::ScrollColumns(int delta) {
  if (geometry_.SetLeftCol(geometry_.LeftCol() + delta)) Scrolled();
}

void GridControl::Scrolled() {
  InvalidateAll();
  UpdateScrollBars();
}

// The scroll message carries a 16-bit position; the bar itself knows the full 32-bit one.
int GridControl::TrackPosition(int bar) const {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(window_, bar, &info);
  return info.nTrackPos;
}

void GridControl::RequestScrollBarUpdate() {
  scrollBarsStale_ = true;
  PostCatchUp();
}

void GridControl::UpdateScrollBars() {
  scrollBarsStale_ = false;
  // Showing or hiding a bar resizes the client area, which asks for another update.
  ScrollBarState vertical = geometry_.VerticalBar();
  if (!(vertical == shownVertical_)) {
    shownVertical_ = vertical;
    SetScrollBarState(window_, SB_VERT, vertical);
  }
  ScrollBarState horizontal = geometry_.HorizontalBar();
  if (!(horizontal == shownHorizontal_)) {
    shownHorizontal_ = horizontal;
    SetScrollBarState(window_, SB_HORZ, horizontal);
  }
}

}  // namespace tarnwick
