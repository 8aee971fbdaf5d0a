// The entry grid with 100,000 rows against the same grid with 100 rows, under Wine: one full
// paint into a memory bitmap, scrolling one page (the scroll and the paint it causes), and what a
// screen reader asks of the current row. Both grids are shown side by side and measured
// alternately.
#include <oleacc.h>
#include <windows.h>

#include <string>
#include <vector>

#include "Ratio.h"
#include "cache/Columns.h"
#include "cache/EntryTable.h"
#include "toolkit/win32/grid/GridControl.h"
#include "window/Form1.h"

namespace tarnwick::bench {
namespace {

constexpr int kBatches = 21;
constexpr int kPerBatch = 100;

// A cell's text in row `n` of a Content listing of photos.
std::string CellText(CellSource source, int n) {
  const std::string id = std::to_string(n);
  switch (source) {
    case CellSource::kSourceUrl:
      return "http://www.example.com/images/photo" + id + ".jpg?size=large";
    case CellSource::kLocalFile:
      return "C:\\users\\user\\Temporary Internet Files\\Content.IE5\\AB12CD34\\photo" + id +
             "[1].jpg";
    case CellSource::kType:
      return "Normal";
    case CellSource::kUseCount:
      return "3";
    case CellSource::kHitRate:
      return "1";
    case CellSource::kSize:
      return "48213";
    case CellSource::kExpires:
      return "4/5/2024 2:07:09 PM";
    case CellSource::kViewsLast:
      return "HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: 48213\r\n\r\n";
    default:
      return "3/5/2024 2:07:09 PM";
  }
}

// Every cell filled, as after a Content listing; the current row in the middle.
void Fill(EntryTable& table, int entries) {
  table.SetRowCount(entries + 1);
  for (int row = 1; row <= entries; ++row) {
    std::vector<std::string> texts;
    for (const Column& column : kColumns) texts.push_back(CellText(column.Source(), row));
    table.AppendToRow(row, texts);
  }
  table.SelectRow(entries / 2);
}

void PaintBatch(HWND grid, HDC dc) {
  for (int paint = 0; paint < kPerBatch; ++paint)
    SendMessageA(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
}

// A page down and back up, each painted before the next: the grid stays where it was.
void ScrollBatch(HWND grid) {
  for (int scroll = 0; scroll < kPerBatch / 2; ++scroll) {
    SendMessageA(grid, WM_VSCROLL, SB_PAGEDOWN, 0);
    UpdateWindow(grid);
    SendMessageA(grid, WM_VSCROLL, SB_PAGEUP, 0);
    UpdateWindow(grid);
  }
}

// What a screen reader asks when the current row changes: how many rows, which one is current,
// and the names of its cells. Each read takes microseconds, so a batch holds more of them.
void ReadCurrentRowBatch(IAccessible* table) {
  for (int read = 0; read < 10 * kPerBatch; ++read) {
    LONG rows = 0;
    table->get_accChildCount(&rows);
    VARIANT selection;
    VariantInit(&selection);
    table->get_accSelection(&selection);
    IAccessible* row = nullptr;
    selection.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&row));
    VariantClear(&selection);
    for (LONG cell = 1; cell <= kColumnCount; ++cell) {
      VARIANT child;
      child.vt = VT_I4;
      child.lVal = cell;
      BSTR name = nullptr;
      row->get_accName(child, &name);
      SysFreeString(name);
    }
    row->Release();
  }
}

IAccessible* AccessibleTable(HWND grid) {
  IAccessible* table = nullptr;
  AccessibleObjectFromWindow(grid, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                             reinterpret_cast<void**>(&table));
  return table;
}

// Lets the grids finish their own queued work (scroll bar updates, first paints).
void Settle() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

int Measure() {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "GridPaintBench";
  RegisterClassA(&windowClass);
  HWND host = CreateWindowExA(0, "GridPaintBench", "", WS_OVERLAPPEDWINDOW, 0, 0, 1260, 320,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
  EntryTable small, large;
  Fill(small, 100);
  Fill(large, 100000);
  const std::vector<int> widths = ColumnDesignWidths();
  GridControl smallGrid(small, widths, TForm1::kRowHeight, TForm1::kGridSpacing),
      largeGrid(large, widths, TForm1::kRowHeight, TForm1::kGridSpacing);
  smallGrid.Create(host, 1, RECT{8, 8, 609, 233}, font);
  largeGrid.Create(host, 2, RECT{620, 8, 1221, 233}, font);
  ShowWindow(host, SW_SHOW);
  Settle();

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 601, 225);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);

  const double paint = ReportRatio(
      "grid paint, 100,000 rows vs 100 rows", [&] { PaintBatch(largeGrid.Handle(), dc); },
      [&] { PaintBatch(smallGrid.Handle(), dc); }, kBatches, 1.1);
  const double scroll = ReportRatio(
      "grid scroll one page, 100,000 rows vs 100 rows", [&] { ScrollBatch(largeGrid.Handle()); },
      [&] { ScrollBatch(smallGrid.Handle()); }, kBatches, 1.1);

  IAccessible* largeTable = AccessibleTable(largeGrid.Handle());
  IAccessible* smallTable = AccessibleTable(smallGrid.Handle());
  const double read = ReportRatio(
      "grid read by a screen reader, 100,000 rows vs 100 rows",
      [&] { ReadCurrentRowBatch(largeTable); }, [&] { ReadCurrentRowBatch(smallTable); }, kBatches,
      1.1);
  largeTable->Release();
  smallTable->Release();

  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  DestroyWindow(host);
  DeleteObject(font);
  CoUninitialize();
  return paint > 0 && scroll > 0 && read > 0 ? 0 : 1;
}

}  // namespace
}  // namespace tarnwick::bench

int main() { return tarnwick::bench::Measure(); }
