#include "toolkit/win32/grid/GridControl.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "toolkit/win32/ErrorBox.h"
#include "toolkit/win32/WindowClass.h"
#include "toolkit/win32/grid/GridMessages.h"

namespace tarnwick {

namespace {

constexpr char kClassName[] = "TarnwickGrid";

std::vector<int> Scaled(std::vector<int> widths, Scale scale) {
  for (int& width : widths) width = scale.Of(width);
  return widths;
}

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_CONTEXTMENU ||
         message == WM_TIMER;
}

}  // namespace

GridControl::GridControl(GridModel& table, std::vector<int> columnWidths, int rowHeight,
                         GridSpacing spacing)
    : table_(table),
      designWidths_(std::move(columnWidths)),
      designRowHeight_(rowHeight),
      designSpacing_(spacing),
      geometry_(rowHeight, designWidths_) {
  ScaleMargins();
}

GridControl::~GridControl() {
  if (!window_) return;
  HWND window = window_;
  Unbind();
  DestroyWindow(window);
}

HWND GridControl::Create(HWND parent, int controlId, RECT bounds, HFONT font, Scale scale) {
  geometry_ = GridGeometry(scale.Of(designRowHeight_), Scaled(designWidths_, scale));
  scale_ = scale;
  ScaleMargins();
  font_ = font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));

  HINSTANCE instance = GetModuleHandleA(nullptr);
  RegisterWindowClassOnce(kClassName, WindowProc, nullptr, LoadCursorA(nullptr, IDC_ARROW),
                          nullptr);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL;
  // The instance pointer travels in lpCreateParams; WindowProc binds it at WM_NCCREATE.
  CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, "", style, bounds.left, bounds.top,
                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, this);
  return window_;
}

LRESULT CALLBACK GridControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = WindowObject<GridControl>(window, message, lParam);
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCCREATE) self->window_ = window;
  // Nothing thrown (by the table, or by a handler behind its click) may cross into the
  // system's message dispatch.
  LRESULT result = 0;
  RunGuarded(GetAncestor(window, GA_ROOT),
             [&] { result = self->HandleMessage(message, wParam, lParam); });
  return result;
}

LRESULT GridControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = window_;
  if (inputBlocked_ && IsInput(message)) return 0;
  switch (message) {
    case WM_CREATE:
      Created();
      return 0;
    case WM_NCDESTROY:
      Unbind();
      break;
    case WM_SIZE:
      Resized(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      PaintMessage();
      return 0;
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(window, &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_SETFOCUS:
      FocusGained();
      return 0;
    case WM_KILLFOCUS:
      InvalidateRow(table_.Row());
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      KeyDown(wParam);
      return 0;
    case WM_KEYUP:
      return KeyUp(wParam, lParam);
    case WM_LBUTTONDOWN:
      LeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      FinishDrag();
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_TIMER:
      AutoScrollTick();
      return 0;
    case WM_CAPTURECHANGED:
      FinishDrag();
      return 0;
    case WM_RBUTTONDOWN:
      RightButtonDown();
      return 0;
    case WM_CONTEXTMENU:
      ContextMenu(lParam);
      return 0;
    case WM_MOUSEWHEEL:
      Wheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_SETCURSOR:
      if (SetCursorShape(lParam)) return TRUE;
      break;
    case WM_VSCROLL:
      VerticalScroll(LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
      HorizontalScroll(LOWORD(wParam));
      return 0;
    case kCatchUpMessage:
      CatchUp();
      return 0;
    case WM_GETOBJECT:
      return AccessibleObject(wParam, lParam);
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void GridControl::Unbind() {
  table_.SetObserver(nullptr);
  DisconnectAccessibleObjects();
  KillTimer(window_, kAutoScrollTimer);
  UnbindWindowObject(window_);
  window_ = nullptr;
}

void GridControl::Created() {
  table_.SetObserver(this);
  geometry_.SetShape(table_.RowCount(), table_.FixedRows());
  shownRow_ = table_.Row();
  MeasureFont();

  RECT client;
  GetClientRect(window_, &client);
  geometry_.SetClientSize(client.right, client.bottom);
  UpdateScrollBars();
}

void GridControl::ScaleMargins() {
  textLeft_ = scale_.Of(designSpacing_.textLeft);
  borderSlack_ = scale_.Of(designSpacing_.borderSlack);
  minColumnWidth_ = scale_.Of(designSpacing_.minColumnWidth);
}

void GridControl::MeasureFont() {
  HDC dc = GetDC(window_);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, oldFont);
  ReleaseDC(window_, dc);
  // Centred in the row above its grid line.
  textTop_ = (geometry_.RowHeight() - 1 - static_cast<int>(metrics.tmHeight)) / 2;
}

void GridControl::Rescale(HFONT font, Scale scale) {
  const Scale step = scale.StepFrom(scale_);
  geometry_ = geometry_.Rescaled(scale.Of(designRowHeight_), step.num, step.den);
  scale_ = scale;
  ScaleMargins();
  font_ = font;
  if (!window_) return;
  MeasureFont();
  InvalidateAll();
  RequestScrollBarUpdate();
}

void GridControl::Resized(int width, int height) {
  geometry_.SetClientSize(width, height);
  // Which rows and columns are cut off, and the scroll limits, all depend on the size.
  InvalidateAll();
  RequestScrollBarUpdate();
}

void GridControl::FocusGained() {
  InvalidateRow(table_.Row());
  // The current row is announced once the system has announced the grid itself.
  focusEventPending_ = true;
  PostCatchUp();
}

void GridControl::PostCatchUp() {
  if (catchUpPosted_ || !window_) return;
  catchUpPosted_ = PostMessageA(window_, kCatchUpMessage, 0, 0) != FALSE;
}

void GridControl::CatchUp() {
  catchUpPosted_ = false;
  UpdateScrollBars();
  RaiseAccessibleEvents();
}

void GridControl::TableReshaped() {
  int oldRowCount = geometry_.RowCount();
  int oldFixedRows = geometry_.FixedRows();
  int oldTopRow = geometry_.TopRow();
  geometry_.SetShape(table_.RowCount(), table_.FixedRows());
  if (!window_) return;
  reorderEventPending_ = true;
  RequestScrollBarUpdate();
  if (geometry_.FixedRows() != oldFixedRows || geometry_.TopRow() != oldTopRow) {
    InvalidateAll();
    return;
  }
  // Rows come and go only at the end: repaint from the first of them down, if that is in view.
  Invalidate(geometry_.AreaFromRow(std::min(oldRowCount, geometry_.RowCount())));
}

void GridControl::RowTextChanged(int row) {
  if (window_) InvalidateRow(row);
}

void GridControl::CurrentRowMoved(int row, bool scrollToTop) {
  bool scrolled =
      scrollToTop ? geometry_.SetTopRow(geometry_.FixedRows()) : geometry_.ScrollIntoView(row);
  // Every move of the current row brings back the first column.
  scrolled = geometry_.SetLeftCol(0) || scrolled;
  if (window_) {
    selectionEventPending_ = focusEventPending_ = true;
    PostCatchUp();
    if (scrolled) {
      InvalidateAll();
      RequestScrollBarUpdate();
    } else {
      InvalidateRow(shownRow_);
      InvalidateRow(row);
    }
  }
  shownRow_ = row;
}

}  // namespace tarnwick
