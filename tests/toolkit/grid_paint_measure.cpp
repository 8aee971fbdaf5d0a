// Run by hand, not by ctest: the time one full paint of the entry grid takes with 100,000 rows
// against 100 rows, painted alternately into a memory bitmap; their ratio should stay near 1.
//   cmake --build build/win32-grid --target grid_paint_measure
//   (in a Wine session) wine build/win32-grid/tests/toolkit/grid_paint_measure.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cache/EntryTable.h"
#include "toolkit/win32/grid/GridControl.h"

namespace tarnwick {
namespace {

constexpr int kBatches = 21;
constexpr int kPaintsPerBatch = 100;

// Every cell filled, as after a Content listing.
void Fill(EntryTable& table, int entries) {
  table.SetRowCount(entries + 1);
  for (int row = 1; row <= entries; ++row) {
    std::string id = std::to_string(row);
    table.AppendToRow(row, std::vector<std::string>{
        "http://www.example.com/images/photo" + id + ".jpg?size=large",
        "C:\\users\\user\\Temporary Internet Files\\Content.IE5\\AB12CD34\\photo" + id + "[1].jpg",
        "Normal", "3", "1", "48213", "3/5/2024 2:07:09 PM", "4/5/2024 2:07:09 PM",
        "3/5/2024 2:07:09 PM", "3/5/2024 2:07:09 PM",
        "HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: 48213\r\n\r\n"});
  }
  table.SelectRow(entries / 2);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double PaintBatch(HWND grid, HDC dc) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (int paint = 0; paint < kPaintsPerBatch; ++paint) {
    SendMessageA(grid, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  }
  QueryPerformanceCounter(&end);
  return Seconds(start, end) / kPaintsPerBatch;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int Measure() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "GridPaintMeasure";
  RegisterClassA(&windowClass);
  HWND host = CreateWindowExA(0, "GridPaintMeasure", "", WS_OVERLAPPEDWINDOW, 0, 0, 700, 600,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
  EntryTable small, large;
  Fill(small, 100);
  Fill(large, 100000);
  GridControl smallGrid(small), largeGrid(large);
  smallGrid.Create(host, 1, RECT{8, 32, 609, 257}, font, 1, 1);
  largeGrid.Create(host, 2, RECT{8, 300, 609, 525}, font, 1, 1);

  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 601, 225);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);

  std::vector<double> smallTimes, largeTimes;
  for (int batch = 0; batch < kBatches; ++batch) {
    smallTimes.push_back(PaintBatch(smallGrid.Handle(), dc));
    largeTimes.push_back(PaintBatch(largeGrid.Handle(), dc));
  }
  double smallMedian = Median(smallTimes);
  double largeMedian = Median(largeTimes);
  std::printf("paint of a 601x225 grid, median of %d batches of %d paints\n", kBatches,
              kPaintsPerBatch);
  std::printf("100 rows:     %.1f us\n100000 rows:  %.1f us\nratio:        %.2f\n",
              smallMedian * 1e6, largeMedian * 1e6, largeMedian / smallMedian);

  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  DestroyWindow(host);
  DeleteObject(font);
  return 0;
}

}  // namespace
}  // namespace tarnwick

int main() { return tarnwick::Measure(); }
