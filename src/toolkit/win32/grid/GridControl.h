#pragma once
// The window that shows a grid model: a text grid with fixed header rows, whole-row selection,
// sideways scrolling by column and user-sizable columns. It paints straight from the model's
// cells and turns the user's keys, clicks and wheel turns into moves of the model's current row,
// so the model raises its click notification exactly where a user's click would.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Scaling.h"
#include "toolkit/grid/GridGeometry.h"
#include "toolkit/grid/GridModel.h"
#include "toolkit/grid/GridNavigation.h"
#include "toolkit/win32/grid/GridAccessibleObjects.h"

namespace tarnwick {

class GridControl : private GridModelObserver {
 public:
  // One column width per column of the table, the row height and the drawing sizes, in pixels at
  // 96 dots per inch.
  GridControl(GridModel& table, std::vector<int> columnWidths, int rowHeight, GridSpacing spacing);
  ~GridControl() override;
  GridControl(const GridControl&) = delete;
  GridControl& operator=(const GridControl&) = delete;

  // Creates the child window, with the 96-DPI row height, column widths and margins drawn at
  // `scale`.
  HWND Create(HWND parent, int controlId, RECT bounds, HFONT font, Scale scale = {});
  HWND Handle() const { return window_; }
  // Another screen density: the new font, and the row height, the column widths (as the user
  // left them) and the margins drawn at `scale`.
  void Rescale(HFONT font, Scale scale);

  // While blocked, the grid drops keyboard and mouse input and accessible actions, whoever sends
  // them, so it never moves the table's current row or opens its menu; a drag under way ends
  // without a click.
  void BlockInput(bool blocked);
  bool InputBlocked() const { return inputBlocked_; }

  // Right click: at the pointer; menu key or Shift+F10: at the grid's top-left corner.
  std::function<void(POINT screen)> OnContextMenu;

  // What assistive technology reads and does (GridAccessibleWindow.cpp): the table object reads
  // the grid's own model and layout, and gives the grid its name.
  const GridModel& Table() const { return table_; }
  const GridGeometry& Geometry() const { return geometry_; }
  const std::string& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }
  // Makes `row` current and raises the click notification, as a left click on it does. Every
  // accessible action that moves the current row comes through here; while input is blocked it
  // does nothing.
  void ClickRow(int row);

 private:
  enum class Drag { None, SelectRows, ResizeColumn };

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Life cycle and layout (GridControl.cpp).
  void Unbind();
  void Created();
  void ScaleMargins();
  void MeasureFont();
  void Resized(int width, int height);
  void FocusGained();

  // The table's notifications (GridControl.cpp).
  void TableReshaped() override;
  void RowTextChanged(int row) override;
  void CurrentRowMoved(int row, bool scrollToTop) override;

  // Scrolling (GridScrolling.cpp).
  void VerticalScroll(int request);
  void HorizontalScroll(int request);
  void ScrollColumns(int delta);
  void Scrolled();
  void RequestScrollBarUpdate();
  void UpdateScrollBars();
  void PostCatchUp();
  void CatchUp();
  int TrackPosition(int bar) const;

  // Input (GridInput.cpp).
  void KeyDown(WPARAM key);
  LRESULT KeyUp(WPARAM key, LPARAM lParam);
  void LeftButtonDown(int x, int y);
  void MouseMove(int x, int y);
  void AutoScrollTick();
  void FinishDrag();
  void CancelDrag();
  void RightButtonDown();
  void ContextMenu(LPARAM lParam);
  void Wheel(int delta);
  bool SetCursorShape(LPARAM lParam);
  void DragRowsTo(int y);

  // Painting (GridPaint.cpp).
  void PaintMessage();
  void Paint(HDC target, const RECT& area);
  void DrawCells(HDC dc, const RECT& area);
  void DrawRow(HDC dc, int row, GridSpan cols);
  void DrawFocusFrame(HDC dc);
  void InvalidateRow(int row);
  void Invalidate(const GridRect& area);
  void InvalidateAll();

  // Assistive technology (GridAccessibleWindow.cpp).
  LRESULT AccessibleObject(WPARAM flags, LPARAM objectId);
  void RaiseAccessibleEvents();
  void DisconnectAccessibleObjects();

  GridModel& table_;
  const std::vector<int> designWidths_;
  const int designRowHeight_;
  const GridSpacing designSpacing_;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  GridGeometry geometry_;
  // The margins at the grid's scale (ScaleMargins), and the text's offset in a row for its font.
  int textLeft_ = 0;
  int textTop_ = 0;
  int borderSlack_ = 0;
  int minColumnWidth_ = 0;
  Scale scale_;
  // The row drawn as current, so the old one is repainted when the table moves it.
  int shownRow_ = -1;

  // Scroll bars and assistive technology catch up once per message-loop pass: a listing reshapes
  // the table once a row, and runs to its end before the loop takes the next posted message.
  bool catchUpPosted_ = false;
  bool scrollBarsStale_ = false;
  ScrollBarState shownVertical_{0, -1, 0, 0};
  ScrollBarState shownHorizontal_{0, -1, 0, 0};

  Drag drag_ = Drag::None;
  int resizeCol_ = -1;
  int resizeStartX_ = 0;
  int resizeStartWidth_ = 0;
  bool autoScrolling_ = false;
  bool inputBlocked_ = false;
  WheelNotches wheel_;

  std::string accessibleName_;
  std::shared_ptr<GridAccessLink> accessLink_;
  bool reorderEventPending_ = false;
  bool selectionEventPending_ = false;
  bool focusEventPending_ = false;
};

}  // namespace tarnwick
