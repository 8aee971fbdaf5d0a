// The grid window driven with real messages: which inputs move the table's current row and how
// often the table's click notification comes.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>
#include <wrl/client.h>

#include <string>
#include <tuple>
#include <vector>

#include "cache/Columns.h"
#include "cache/EntryTable.h"
#include "toolkit/grid/GridAccessibleLayout.h"
#include "toolkit/win32/grid/GridControl.h"

namespace tarnwick {
namespace {

constexpr int kRows = 300;

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

// The middle of column 0 of a row, in client pixels (16-pixel rows, row 0 the header).
LPARAM OnRow(int row) { return At(100, row * 16 + 8); }

class GridControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "GridControlTestHost";
    RegisterClassA(&windowClass);
    host_ = CreateWindowExA(0, "GridControlTestHost", "host", WS_OVERLAPPEDWINDOW, 0, 0, 700, 400,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
    ShowWindow(host_, SW_SHOW);

    table_.SetRowCount(kRows + 1);
    table_.SetCell(0, 0, "Source URL");
    for (int row = 1; row <= kRows; ++row) table_.SetCell(0, row, "row " + std::to_string(row));
    table_.OnClick = [this] { clickedRows_.push_back(table_.Row()); };
    grid_.OnContextMenu = [this](POINT screen) { menuPoints_.push_back(screen); };
    auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    grid_.Create(host_, 100, RECT{8, 32, 609, 257}, font);
    ASSERT_NE(grid_.Handle(), nullptr);
    SetFocus(grid_.Handle());
    Pump();
  }

  void TearDown() override { DestroyWindow(host_); }

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageA(grid_.Handle(), message, wParam, lParam);
  }

  void Key(WPARAM key) {
    Send(WM_KEYDOWN, key, 1);
    Send(WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
  }

  void Click(LPARAM where) {
    Send(WM_LBUTTONDOWN, MK_LBUTTON, where);
    Send(WM_LBUTTONUP, 0, where);
  }

  static void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }

  SCROLLINFO VerticalBar() const {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid_.Handle(), SB_VERT, &info);
    return info;
  }

  HWND host_ = nullptr;
  EntryTable table_;
  GridControl grid_{table_, ColumnDesignWidths(), 16, {2, 3, 4}};
  std::vector<int> clickedRows_;
  std::vector<POINT> menuPoints_;
};

VARIANT Child(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

// What assistive technology in this process gets from the grid.
class AccessibleGridControlTest : public GridControlTest {
 protected:
  void SetUp() override {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    GridControlTest::SetUp();
    ASSERT_EQ(AccessibleObjectFromWindow(grid_.Handle(), static_cast<DWORD>(OBJID_CLIENT),
                                         IID_PPV_ARGS(&table)),
              S_OK);
  }
  void TearDown() override {
    GridControlTest::TearDown();
    table.Reset();
    CoUninitialize();
  }

  Microsoft::WRL::ComPtr<IAccessible> Row(int row) {
    IDispatch* child = nullptr;
    Microsoft::WRL::ComPtr<IAccessible> object;
    if (table->get_accChild(Child(ChildOfRow(row)), &child) == S_OK) {
      child->QueryInterface(IID_PPV_ARGS(&object));
      child->Release();
    }
    return object;
  }
  std::wstring Name(IAccessible* object, HRESULT expected = S_OK) {
    BSTR name = nullptr;
    EXPECT_EQ(object->get_accName(Child(CHILDID_SELF), &name), expected);
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
  }

  Microsoft::WRL::ComPtr<IAccessible> table;
};

// The grid's events; the system's own, for the host window, are left out.
HWND watched = nullptr;
std::vector<std::tuple<DWORD, HWND, LONG>> events;
void CALLBACK RecordEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                          DWORD) {
  if (window == watched && object == OBJID_CLIENT) events.emplace_back(event, window, child);
}

TEST_F(AccessibleGridControlTest, RowObjectsFollowTheTableAndFailOnceTheWindowIsGone) {
  // The row and cell under a point on screen: row 2, column 1.
  POINT point{200, 2 * 16 + 8};
  ClientToScreen(grid_.Handle(), &point);
  VARIANT hit;
  VariantInit(&hit);
  ASSERT_EQ(table->accHitTest(point.x, point.y, &hit), S_OK);
  ASSERT_EQ(hit.vt, VT_DISPATCH);
  Microsoft::WRL::ComPtr<IAccessible> hitRow;
  hit.pdispVal->QueryInterface(IID_PPV_ARGS(&hitRow));
  VariantClear(&hit);
  EXPECT_EQ(Name(hitRow.Get()), L"row 2");
  ASSERT_EQ(hitRow->accHitTest(point.x, point.y, &hit), S_OK);
  EXPECT_EQ(hit.lVal, 2);

  auto last = Row(kRows);
  ASSERT_TRUE(last);
  EXPECT_EQ(Name(last.Get()), L"row 300");
  // Relisted shorter, the old row object fails; longer again, it reads the row at its index.
  table_.SetRowCount(10);
  Name(last.Get(), E_FAIL);
  table_.SetRowCount(kRows + 1);
  table_.SetCell(0, kRows, "relisted");
  EXPECT_EQ(Name(last.Get()), L"relisted");

  // The default action and selecting are a click on the row; the header row has neither.
  EXPECT_EQ(last->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
  EXPECT_EQ(table->accSelect(SELFLAG_TAKESELECTION, Child(ChildOfRow(3))), S_OK);
  EXPECT_EQ(table->accDoDefaultAction(Child(ChildOfRow(0))), DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(table->accSelect(SELFLAG_TAKESELECTION, Child(ChildOfRow(0))), E_INVALIDARG);
  EXPECT_EQ(clickedRows_, (std::vector<int>{kRows, 3}));
  // While a listing or a Clear runs the grid takes no input, and no accessible action either:
  // the caller learns that it was refused.
  grid_.BlockInput(true);
  const HRESULT busy = HRESULT_FROM_WIN32(ERROR_BUSY);
  EXPECT_EQ(last->accDoDefaultAction(Child(CHILDID_SELF)), busy);
  EXPECT_EQ(table->accSelect(SELFLAG_TAKESELECTION, Child(ChildOfRow(7))), busy);
  EXPECT_EQ(table->accSelect(SELFLAG_TAKEFOCUS, Child(CHILDID_SELF)), busy);
  grid_.BlockInput(false);
  EXPECT_EQ(table_.Row(), 3);
  EXPECT_EQ(clickedRows_.size(), 2u);

  DestroyWindow(host_);
  LONG count = 0;
  EXPECT_EQ(table->get_accChildCount(&count), RPC_E_DISCONNECTED);
  Name(last.Get(), RPC_E_DISCONNECTED);
  EXPECT_EQ(last->accDoDefaultAction(Child(CHILDID_SELF)), RPC_E_DISCONNECTED);
}

TEST_F(AccessibleGridControlTest, EventsComeOncePerPassAndFocusOnlyWithTheKeyboardFocus) {
  events.clear();
  watched = grid_.Handle();
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_SELECTION, nullptr, RecordEvent,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_NE(hook, nullptr);
  HWND grid = grid_.Handle();
  // A listing: reset, one row at a time, the last one dropped; told once it has run.
  table_.SetFixedRows(0);
  table_.SetRowCount(1);
  for (int rows = 2; rows <= 1000; ++rows) table_.SetRowCount(rows);
  table_.SetFixedRows(1);
  table_.SetRowCount(999);
  Pump();
  using Event = std::tuple<DWORD, HWND, LONG>;
  const LONG firstEntry = ChildOfRow(1);
  EXPECT_EQ(events, (std::vector<Event>{{EVENT_OBJECT_REORDER, grid, CHILDID_SELF},
                                        {EVENT_OBJECT_SELECTION, grid, firstEntry},
                                        {EVENT_OBJECT_FOCUS, grid, firstEntry}}));

  // With the focus elsewhere (a search from the search box), the row is selected, not focused.
  events.clear();
  SetFocus(host_);
  table_.SetRow(5);
  Pump();
  EXPECT_EQ(events, (std::vector<Event>{{EVENT_OBJECT_SELECTION, grid, ChildOfRow(5)}}));
  UnhookWinEvent(hook);
}

TEST_F(GridControlTest, KeysMoveTheRowAndClickOncePerMove) {
  Key(VK_DOWN);
  Key(VK_END);
  Key(VK_DOWN);  // already on the last row: nothing
  Key(VK_HOME);
  Key(VK_UP);  // never onto the header row: nothing
  Key(VK_NEXT);
  int page = static_cast<int>(VerticalBar().nPage);
  EXPECT_EQ(clickedRows_, (std::vector<int>{2, kRows, 1, 1 + page}));
  EXPECT_EQ(Send(WM_GETDLGCODE) & DLGC_WANTTAB, 0);
  EXPECT_NE(Send(WM_GETDLGCODE) & DLGC_WANTARROWS, 0);

  // Ctrl with Up and Down scrolls by one row and leaves the current row, raising nothing.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  Pump();
  const int top = VerticalBar().nPos;
  ASSERT_GE(top, 1);
  Key(VK_DOWN);
  EXPECT_EQ(VerticalBar().nPos, top + 1);
  Key(VK_UP);
  Key(VK_UP);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(VerticalBar().nPos, top - 1);
  EXPECT_EQ(table_.Row(), 1 + page);
  EXPECT_EQ(clickedRows_.size(), 4u);

  // The scroll bar follows once the posted update has run.
  Key(VK_END);
  Pump();
  SCROLLINFO bar = VerticalBar();
  EXPECT_EQ(bar.nMax, kRows - 1);
  EXPECT_EQ(bar.nPos + static_cast<int>(bar.nPage) - 1, bar.nMax);
}

TEST_F(GridControlTest, LeftPressSelectsAndReleaseClicksOnceWhereTheDragEnded) {
  Click(OnRow(3));
  EXPECT_EQ(clickedRows_, (std::vector<int>{3}));

  Send(WM_LBUTTONDOWN, MK_LBUTTON, OnRow(4));
  EXPECT_EQ(table_.Row(), 4);
  Send(WM_MOUSEMOVE, MK_LBUTTON, OnRow(6));
  EXPECT_EQ(table_.Row(), 6);
  EXPECT_EQ(clickedRows_.size(), 1u);
  Send(WM_LBUTTONUP, 0, OnRow(6));
  EXPECT_EQ(clickedRows_, (std::vector<int>{3, 6}));

  // Dragged above the rows, the grid keeps stepping up (here: to the first row).
  Send(WM_LBUTTONDOWN, MK_LBUTTON, OnRow(2));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(100, -20));
  Send(WM_LBUTTONUP, 0, At(100, -20));
  EXPECT_EQ(clickedRows_, (std::vector<int>{3, 6, 1}));
}

TEST_F(GridControlTest, HeaderPressesSelectNothing) {
  table_.SetRow(5);
  clickedRows_.clear();
  Click(At(100, 8));
  // On a column border the press starts a resize instead: still no row moves.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(170, 8));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(200, 8));
  Send(WM_LBUTTONUP, 0, At(200, 8));
  EXPECT_EQ(table_.Row(), 5);
  EXPECT_TRUE(clickedRows_.empty());
}

TEST_F(GridControlTest, RightClickFocusesAndOpensTheMenuWithoutMovingTheRow) {
  SetFocus(host_);
  Send(WM_RBUTTONDOWN, MK_RBUTTON, OnRow(7));
  Send(WM_RBUTTONUP, 0, OnRow(7));
  EXPECT_EQ(GetFocus(), grid_.Handle());
  EXPECT_EQ(table_.Row(), 1);
  EXPECT_TRUE(clickedRows_.empty());
  POINT pointer{100, 7 * 16 + 8};
  ClientToScreen(grid_.Handle(), &pointer);
  ASSERT_EQ(menuPoints_.size(), 1u);
  EXPECT_EQ(menuPoints_[0].x, pointer.x);
  EXPECT_EQ(menuPoints_[0].y, pointer.y);

  // From the keyboard (Shift+F10 arrives as the first, the menu key as the second) the menu
  // opens at the grid's top-left corner.
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid_.Handle()), -1);
  Key(VK_APPS);
  POINT corner{0, 0};
  ClientToScreen(grid_.Handle(), &corner);
  ASSERT_EQ(menuPoints_.size(), 3u);
  EXPECT_TRUE(menuPoints_[1].x == corner.x && menuPoints_[1].y == corner.y);
  EXPECT_TRUE(menuPoints_[2].x == corner.x && menuPoints_[2].y == corner.y);
}

TEST_F(GridControlTest, EachWheelNotchMovesOneRow) {
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), At(100, 100));
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-3 * WHEEL_DELTA)), At(100, 100));
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), At(100, 100));
  EXPECT_EQ(clickedRows_, (std::vector<int>{2, 3, 4, 5, 4}));
}

// Paints the whole client area into a bitmap and reads one pixel of it.
class Snapshot {
 public:
  explicit Snapshot(HWND grid) {
    RECT client;
    GetClientRect(grid, &client);
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    SendMessageA(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
  }
  ~Snapshot() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;

  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST_F(GridControlTest, PaintsHeaderSelectionGridLinesAndResizedColumns) {
  // The first column's grid line is its last pixel.
  const int line = kColumns[0].DesignWidth() - 1;
  {
    Snapshot shot(grid_.Handle());
    EXPECT_EQ(shot.At(line - 20, 8), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shot.At(line - 20, 24), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(shot.At(line - 20, 40), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(shot.At(line, 8), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(line, 40), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(shot.At(line - 20, 47), GetSysColor(COLOR_BTNFACE));
  }
  Send(WM_LBUTTONDOWN, MK_LBUTTON, At(line + 1, 8));
  Send(WM_MOUSEMOVE, MK_LBUTTON, At(line + 31, 8));
  Send(WM_LBUTTONUP, 0, At(line + 31, 8));
  Snapshot shot(grid_.Handle());
  EXPECT_EQ(shot.At(line, 8), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(shot.At(line + 30, 8), GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(GridControlTest, LongListingsKeepTheScrollBarCurrent) {
  table_.SetRowCount(2);
  for (int rows = 3; rows <= 100001; ++rows) table_.SetRowCount(rows);
  Pump();
  EXPECT_EQ(VerticalBar().nMax, 100000 - 1);
  Key(VK_END);
  Pump();
  EXPECT_EQ(table_.Row(), 100000);
  EXPECT_EQ(VerticalBar().nPos + static_cast<int>(VerticalBar().nPage), 100000);
}

}  // namespace
}  // namespace tarnwick
