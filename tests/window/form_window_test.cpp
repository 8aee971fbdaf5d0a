// The main window in this process, on the session's display, over an in-memory URL cache:
// geometry, the keyboard's way around the controls, the detail box and the popup menu.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cache/Columns.h"
#include "support/BoundsPrinting.h"
#include "support/PortableForm.h"
#include "support/PumpMessages.h"
#include "support/TestEntries.h"
#include "support/WindowInput.h"
#include "support/WindowText.h"
#include "window/win32/FormHost.h"

namespace tarnwick {
namespace {

using testing::TestEntry;

using testing::TextOf;

Bounds BoundsInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The window's pixels as they are on the screen, one 32-bit value each.
std::vector<uint32_t> ScreenPixels(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  std::vector<uint32_t> pixels(first, first + static_cast<size_t>(width * height));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// What a thread timer found in a message box before closing it.
struct ModalProbe {
  std::vector<std::string> texts;
  int ticks = 0;
};
ModalProbe probe;

// Every allocation fails while this is set, as when memory has run out.
std::atomic<bool> outOfMemory = false;

// A probe that has found nothing after five seconds stops, so it cannot fire into a later test.
void StopWhenOutOfTime(UINT_PTR timer) {
  if (++probe.ticks >= 250) KillTimer(nullptr, timer);
}

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

void CALLBACK ProbeMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  // A box is up: whatever ran out of memory has been reported.
  outOfMemory = false;
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return StopWhenOutOfTime(timer);
  KillTimer(nullptr, timer);
  probe.texts = {TextOf(box), TextOf(GetDlgItem(box, 0xFFFF))};
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// The error box's title for the file name this program runs under: ctest runs it under its own
// name and under a mixed-case one.
std::string ExpectedErrorTitle() {
  char path[MAX_PATH] = {};
  const std::string_view run(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return run.ends_with("\\Form_Window_TEST.v2.exe") ? "Form_window_test" : "form_window_test";
}

// Reading the number settings can be made to fail, as a broken locale setting would.
class FailingLocale : public FixedLocale {
 public:
  NumberSeparators ReadNumberSeparators() override {
    if (failReading) throw std::runtime_error("Unreadable");
    return FixedLocale::ReadNumberSeparators();
  }
  bool failReading = false;
};

class FormWindowTest : public testing::PortableFormTest<FailingLocale> {
 protected:
  FormWindowTest() {
    for (const char* url : {"http://a.example/", "http://b.example/", "http://c.example/"}) {
      cache.Add(TestEntry(url, 0x1));
    }
    cache.Add(TestEntry("Cookie:user@a.example/", 0x0010'0001));
    probe = {};
  }

  void SetUp() override {
    ASSERT_TRUE(host.Create());
    host.Show(SW_SHOWNORMAL);
    SetForegroundWindow(host.Handle());
    Pump();
  }

  void Pump() { testing::PumpMessages(host); }

  void Press(UINT key) {
    testing::PostKeyPress(GetFocus(), key);
    Pump();
  }

  HWND Window(const Control& control) const { return host.WindowOf(control); }

  // The host's clock, moved on by hand or by `tick` at every reading, so the timing of progress
  // needs no waiting. Long work reads it once as it starts and once a record; memory can run out
  // at a given reading.
  uint32_t now = 0, tick = 0;
  int clockReads = 0, memoryRunsOutAt = 0;
  // The density of the monitor the window opens on, when not the platform's answer.
  int windowDpi = 0;
  FormHost host{form,
                [this] {
                  if (++clockReads == memoryRunsOutAt) outOfMemory = true;
                  return now += tick;
                },
                [this](HWND window) { return windowDpi ? windowDpi : WindowDpi(window); }};
};

// The layout is designed for a client area of 617 x 421, which the outer size of 625 x 455 gives
// with the platform's classic frame; Wine's caption is lower, and the anchors absorb the rest.
Size ClientGrowth(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right - TForm1::kDesignClient.width, client.bottom - TForm1::kDesignClient.height};
}

// Every control's window where its model is, after the model's own layout for the client area.
void ExpectWindowsWhereTheModelsAre(const TForm1& form, const FormHost& host) {
  for (const Control* control : form.Controls()) {
    EXPECT_EQ(BoundsInParent(host.WindowOf(*control)), control->GetBounds())
        << TextOf(host.WindowOf(*control));
  }
  EXPECT_EQ(form.lbl_Status.Top(), form.grd.GetBounds().Bottom() + TForm1::kStatusGap);
}

TEST_F(FormWindowTest, OpensListedAtItsDesignGeometry) {
  EXPECT_EQ(TextOf(host.Handle()), TForm1::kCaption);
  EXPECT_EQ(BoundsInParent(host.Handle()), TForm1::kBounds);
  // Wine's lower caption leaves the client area taller: the anchors absorb the difference.
  ASSERT_EQ(ClientGrowth(host.Handle()).width, 0);
  ExpectWindowsWhereTheModelsAre(form, host);

  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Window(form.Memo1), WM_GETFONT, 0, 0)),
             sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -11);
  EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

  EXPECT_EQ(SendMessageA(Window(form.rdo_Content), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "3 entries in 30 bytes (0.00 MB)");
  EXPECT_EQ(GetFocus(), Window(form.rdo_Content));
}

// Run at 96, 120, 144 and 192 dots per inch (scripts/wine-exec-dpi): the designed layout,
// scaled with the font, fits the window whole.
TEST_F(FormWindowTest, LayoutFitsWholeAtThisDensity) {
  HDC dc = GetDC(Window(form.Memo1));
  HGDIOBJ previous =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Window(form.Memo1), WM_GETFONT, 0, 0)));
  SIZE zero{};
  GetTextExtentPoint32A(dc, "0", 1, &zero);
  const int scale = zero.cy;
  const int design = 13;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  RecordProperty("dpi", dpi);

  RECT outer{};
  RECT client{};
  GetWindowRect(host.Handle(), &outer);
  GetClientRect(host.Handle(), &client);
  EXPECT_EQ(outer.left, TForm1::kBounds.left);
  EXPECT_EQ(outer.top, TForm1::kBounds.top);
  if (scale != design) {
    EXPECT_EQ(client.right, MulDiv(TForm1::kDesignClient.width, scale, design)) << dpi;
    EXPECT_EQ(client.bottom, MulDiv(TForm1::kDesignClient.height, scale, design)) << dpi;
  }

  std::vector<Control*> controls = form.Controls();
  for (Control* control : controls) {
    const Bounds b = BoundsInParent(Window(*control));
    EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.Right() <= client.right &&
                b.Bottom() <= client.bottom)
        << TextOf(Window(*control)) << " at " << dpi << " dpi";
    // The caption's text, beside a radio button's circle, fits inside its control.
    const std::string caption = TextOf(Window(*control));
    if (caption.empty() || control == &form.grd) continue;
    SIZE extent{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    const bool radio = control->Kind() == ControlKind::kRadioButton;
    const int room = b.width - (radio ? GetSystemMetrics(SM_CXMENUCHECK) : 4);
    EXPECT_LE(extent.cx, room) << caption << " at " << dpi << " dpi";
    EXPECT_LE(extent.cy, b.height) << caption << " at " << dpi << " dpi";
  }
  SelectObject(dc, previous);
  ReleaseDC(Window(form.Memo1), dc);

  // No two controls overlap more than the design has them overlap, scaled (Cookies reaches
  // into History by a pixel).
  const auto scaled = [&](int design96) { return MulDiv(design96, scale, design); };
  for (size_t i = 0; i < controls.size(); ++i) {
    for (size_t j = i + 1; j < controls.size(); ++j) {
      const Bounds a = BoundsInParent(Window(*controls[i]));
      const Bounds b = BoundsInParent(Window(*controls[j]));
      const Bounds da = form.DesignBoundsOf(*controls[i]);
      const Bounds db = form.DesignBoundsOf(*controls[j]);
      const int overlapX = std::min(a.Right(), b.Right()) - std::max(a.left, b.left);
      const int overlapY = std::min(a.Bottom(), b.Bottom()) - std::max(a.top, b.top);
      const int designedX = std::min(scaled(da.Right()), scaled(db.Right())) -
                            std::max(scaled(da.left), scaled(db.left));
      const int designedY = std::min(da.Bottom(), db.Bottom()) - std::max(da.top, db.top);
      if (overlapX <= 0 || overlapY <= 0) continue;
      EXPECT_TRUE(designedY > 0 && overlapX <= designedX)
          << TextOf(Window(*controls[i])) << " and " << TextOf(Window(*controls[j])) << " at "
          << dpi << " dpi";
    }
  }

  // The grid keeps its share of the height against the detail box.
  const double proportion = static_cast<double>(BoundsInParent(Window(form.grd)).height) /
                            BoundsInParent(Window(form.Memo1)).height;
  const double designed = static_cast<double>(form.DesignBoundsOf(form.grd).height) /
                          form.DesignBoundsOf(form.Memo1).height;
  EXPECT_NEAR(proportion, designed, 0.1 * designed) << dpi << " dpi";
}

LOGFONTA FontOf(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

TEST_F(FormWindowTest, ADensityChangeRescalesFontAndControlsAndTakesTheSuggestedPlace) {
  std::vector<Bounds> before;
  for (Control* control : form.Controls()) before.push_back(BoundsInParent(Window(*control)));
  RECT outer{};
  GetWindowRect(host.Handle(), &outer);

  RECT suggested{300, 150, 300 + 959, 150 + 686};
  SendMessageA(host.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
               reinterpret_cast<LPARAM>(&suggested));
  Pump();
  EXPECT_EQ(BoundsInParent(host.Handle()), (Bounds{300, 150, 959, 686}));
  EXPECT_EQ(FontOf(Window(form.Memo1)).lfHeight, -17);
  EXPECT_EQ(FontOf(Window(form.bnt_Clear)).lfHeight, -17);
  // Every control by the new font's "0" over the old one's: 20 / 13 with Wine's fonts.
  const Control* const leftTopAnchored[] = {&form.rdo_Content, &form.edt_Search};
  for (const Control* control : leftTopAnchored) {
    EXPECT_EQ(BoundsInParent(Window(*control)),
              ScaledBounds(form.DesignBoundsOf(*control), 20, 13));
  }
  RECT client{};
  GetClientRect(host.Handle(), &client);
  const int clearMargin = TForm1::kDesignClient.width - form.DesignBoundsOf(form.bnt_Clear).Right();
  EXPECT_EQ(BoundsInParent(Window(form.bnt_Clear)).Right(),
            client.right - MulDiv(clearMargin, 20, 13));

  // And back: the layout it started with.
  SendMessageA(host.Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&outer));
  Pump();
  EXPECT_EQ(FontOf(Window(form.Memo1)).lfHeight, -11);
  std::vector<Bounds> after;
  for (Control* control : form.Controls()) after.push_back(BoundsInParent(Window(*control)));
  EXPECT_EQ(after, before);
}

// A window that opens on a monitor of 144 dots per inch, whatever the system's density is.
class OnA144DpiMonitorTest : public FormWindowTest {
 protected:
  OnA144DpiMonitorTest() { windowDpi = 144; }
};

TEST_F(OnA144DpiMonitorTest, OpensWithTheLayoutOfItsMonitor) {
  EXPECT_EQ(FontOf(Window(form.Memo1)).lfHeight, -17);
  RECT client{};
  GetClientRect(host.Handle(), &client);
  // 20 / 13: the 144-dpi font's "0" over the design font's, with Wine's fonts.
  EXPECT_EQ(client.right, MulDiv(TForm1::kDesignClient.width, 20, 13));
  EXPECT_EQ(client.bottom, MulDiv(TForm1::kDesignClient.height, 20, 13));
  EXPECT_EQ(BoundsInParent(Window(form.rdo_Content)),
            ScaledBounds(form.DesignBoundsOf(form.rdo_Content), 20, 13));
}

TEST_F(FormWindowTest, ResizingStretchesAnchoredControlsAndKeepsTheStatusUnderTheGrid) {
  SetWindowPos(host.Handle(), nullptr, 0, 0, 725, 515, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  ASSERT_EQ(ClientGrowth(host.Handle()).width, 100);
  EXPECT_EQ(form.grd.Width(), form.DesignBoundsOf(form.grd).width + 100);
  ExpectWindowsWhereTheModelsAre(form, host);
}

TEST_F(FormWindowTest, ResizingToAndFroLeavesNoPixelDifferentOnceBack) {
  const std::vector<uint32_t> before = ScreenPixels(host.Handle());
  for (const Size size : {Size{725, 555}, Size{625, 455}, Size{900, 300}, Size{520, 640},
                          Size{700, 500}, Size{625, 455}}) {
    SetWindowPos(host.Handle(), nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
  }
  const std::vector<uint32_t> after = ScreenPixels(host.Handle());
  ASSERT_EQ(after.size(), before.size());
  size_t differing = 0;
  for (size_t at = 0; at < after.size(); ++at) differing += after[at] != before[at];
  EXPECT_EQ(differing, 0u);
}

// The tab stops in the layout's order, from the one the window starts with: the view chosen.
std::vector<HWND> TabStops(const TForm1& form, const FormHost& host) {
  std::vector<HWND> stops;
  for (const Control* control : form.Controls()) {
    if (control->TabStop()) stops.push_back(host.WindowOf(*control));
  }
  return stops;
}

TEST_F(FormWindowTest, TabCyclesTheTabStopsBothWays) {
  std::vector<HWND> expected = TabStops(form, host);
  ASSERT_EQ(expected.front(), Window(form.rdo_Content));
  std::rotate(expected.begin(), expected.begin() + 1, expected.end());
  std::vector<HWND> visited;
  for (size_t step = 0; step < expected.size(); ++step) {
    Press(VK_TAB);
    visited.push_back(GetFocus());
  }
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(TextOf(Window(form.Memo1)), "");

  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = 0x80;
  SetKeyboardState(keys);
  Press(VK_TAB);
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(GetFocus(), expected[expected.size() - 2]);
}

TEST_F(FormWindowTest, ArrowKeyOntoARadioButtonSwitchesTheView) {
  Press(VK_RIGHT);
  EXPECT_EQ(GetFocus(), Window(form.rdo_Cookie));
  EXPECT_EQ(SendMessageA(Window(form.rdo_Cookie), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(Window(form.rdo_Content), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(form.FViewMode, vmCookies);
  EXPECT_EQ(form.grd.Cell(kColSourceUrl, 1), "Cookie:user@a.example/");

  Press(VK_LEFT);
  EXPECT_EQ(GetFocus(), Window(form.rdo_Content));
  EXPECT_EQ(form.FViewMode, vmContent);
  Press(VK_UP);
  EXPECT_EQ(GetFocus(), TabStops(form, host).back()) << "the last control in tab order";
  Press(VK_DOWN);
  EXPECT_EQ(GetFocus(), Window(form.rdo_Content));
  EXPECT_EQ(form.FViewMode, vmContent);
}

TEST_F(FormWindowTest, DetailBoxFollowsTheGridsCurrentRow) {
  SetFocus(Window(form.grd));
  Press(VK_DOWN);
  EXPECT_EQ(form.grd.Row(), 2);
  EXPECT_TRUE(TextOf(Window(form.Memo1)).starts_with("http://b.example/\r\n"));
  Press(VK_DOWN);
  Press(VK_DOWN);
  EXPECT_TRUE(TextOf(Window(form.Memo1)).starts_with("http://c.example/\r\n"));
}

TEST_F(FormWindowTest, PopupMenuOpensOverTheGridAndRunsTheChosenItem) {
  int deletions = 0;
  form.Deletethisentry1.OnClick = [&] { ++deletions; };
  EXPECT_EQ(testing::UsePopupMenu(Window(form.grd)),
            (std::vector<std::string>{"Delete this entry", "Open in browser", "Open local file"}));
  EXPECT_EQ(deletions, 0);

  testing::UsePopupMenu(Window(form.grd), 0);
  EXPECT_EQ(deletions, 1);
}

TEST_F(FormWindowTest, LongListingShowsItsCountAndTakesNoInput) {
  const auto write = [this](const char* caption) {
    return [this, caption](BusyCaption) { form.lbl_Status.SetCaption(caption); };
  };
  host.BusyStarted(BusyWork::kListing);
  PostMessageA(Window(form.btn_Refresh), WM_KEYDOWN, VK_SPACE, 1);
  PostMessageA(Window(form.grd), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 60));
  now += 250;
  EXPECT_TRUE(host.BusyStep(write("Listing... 12,345 entries")));
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "Listing... 12,345 entries");
  MSG message{};
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE));
  EXPECT_FALSE(PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  // Updates come a few times a second, not for every record.
  now += 249;
  host.BusyStep(write("Listing... 12,346 entries"));
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "Listing... 12,345 entries");
  now += 1;
  host.BusyStep(write("Deleting... 7 of 12,346"));
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "Deleting... 7 of 12,346");
  host.BusyFinished();
}

// Another thread (a screen reader, UI automation) sends what a user's input would cause, and a
// close request, while the window is busy.
DWORD WINAPI SendCommandsAndClose(void* param) {
  auto* windows = static_cast<std::vector<HWND>*>(param);
  HWND form = windows->front();
  for (size_t at = 1; at < windows->size(); ++at) SendMessageA((*windows)[at], BM_CLICK, 0, 0);
  HWND grid = windows->back();
  SendMessageA(grid, WM_KEYDOWN, VK_DOWN, 1);
  SendMessageA(grid, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 60));
  SendMessageA(grid, WM_LBUTTONUP, 0, MAKELPARAM(20, 60));
  SendMessageA(grid, WM_CONTEXTMENU, 0, -1);
  SendMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
  return 0;
}

TEST_F(FormWindowTest, WhileBusyNoHandlerRunsAndACloseWaitsForAClearToEnd) {
  int handlers = 0;
  for (Button* button : {&form.bnt_Clear, &form.btn_Refresh, &form.btn_Search})
    button->OnClick = [&] { ++handlers; };
  form.rdo_Cookie.OnClick = [&] { ++handlers; };
  form.grd.OnClick = [&] { ++handlers; };
  form.Deletethisentry1.OnClick = [&] { ++handlers; };
  std::vector<HWND> windows = {
      host.Handle(),           Window(form.bnt_Clear),  Window(form.btn_Refresh),
      Window(form.btn_Search), Window(form.rdo_Cookie), Window(form.grd)};

  host.BusyStarted(BusyWork::kDeletion);
  HANDLE sender = CreateThread(nullptr, 0, SendCommandsAndClose, &windows, 0, nullptr);
  BusyCaption status = BusyCaption::kProgress;
  const auto step = [&] {
    now += 250;
    EXPECT_TRUE(host.BusyStep([&](BusyCaption shown) { status = shown; })) << "a Clear goes on";
  };
  while (WaitForSingleObject(sender, 10) == WAIT_TIMEOUT) step();
  CloseHandle(sender);
  step();
  EXPECT_EQ(status, BusyCaption::kClosing);
  EXPECT_EQ(handlers, 0);
  EXPECT_EQ(form.grd.Row(), 1);
  EXPECT_TRUE(IsWindowVisible(host.Handle()));

  host.BusyFinished();
  Pump();
  EXPECT_EQ(handlers, 0);
  EXPECT_EQ(host.Handle(), nullptr) << "the close request is carried out once the work ends";
}

// The window's own procedure, and what the system still kept for the window once its last
// message was handled.
WNDPROC hostProcedure = nullptr;
LRESULT textLengthAtTheEnd = -1;

LRESULT CALLBACK WatchTheLastMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcA(hostProcedure, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) textLengthAtTheEnd = DefWindowProcA(window, WM_GETTEXTLENGTH, 0, 0);
  return result;
}

TEST_F(FormWindowTest, ItsLastMessageLetsTheSystemFreeWhatItKeptForTheWindow) {
  hostProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      host.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchTheLastMessage)));
  DestroyWindow(host.Handle());
  EXPECT_EQ(textLengthAtTheEnd, 0) << "the caption is freed by the default handling";
  EXPECT_EQ(host.Handle(), nullptr);
}

TEST_F(FormWindowTest, AnEscapingErrorIsReportedAndTheWindowCarriesOn) {
  // A changed setting reaches the form through the real window: the next summary uses it.
  locale.SetNumberSeparators({'.', ','});
  SendMessageA(host.Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("intl"));
  SendMessageA(Window(form.btn_Refresh), BM_CLICK, 0, 0);
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "3 entries in 30 bytes (0,00 MB)");

  form.btn_Refresh.OnClick = [] { throw std::runtime_error("Boom"); };
  SetTimer(nullptr, 0, 20, ProbeMessageBox);
  SendMessageA(Window(form.btn_Refresh), BM_CLICK, 0, 0);
  EXPECT_EQ(probe.texts, (std::vector<std::string>{ExpectedErrorTitle(), "Boom."}));
  EXPECT_TRUE(IsWindow(host.Handle()));

  // Every message's handler is guarded, the settings change too.
  probe = {};
  locale.failReading = true;
  SetTimer(nullptr, 0, 20, ProbeMessageBox);
  SendMessageA(host.Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("intl"));
  EXPECT_EQ(probe.texts, (std::vector<std::string>{ExpectedErrorTitle(), "Unreadable."}));
  EXPECT_TRUE(IsWindow(host.Handle()));

  // Memory runs out at the second record of a listing and nothing more can be had: the report takes
  // none, the table keeps the row listed before, the status line no count, and the window goes on.
  probe = {};
  locale.failReading = false;
  form.btn_Refresh.OnClick = [this] { form.btn_RefreshClick(); };
  memoryRunsOutAt = clockReads + 2;
  SetTimer(nullptr, 0, 20, ProbeMessageBox);
  SendMessageA(Window(form.btn_Refresh), BM_CLICK, 0, 0);
  EXPECT_EQ(probe.texts, (std::vector<std::string>{ExpectedErrorTitle(), "Out of memory."}));
  EXPECT_EQ(form.grd.RowCount(), 2);
  EXPECT_EQ(form.grd.Cell(0, 1), "http://a.example/");
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "");
  SendMessageA(Window(form.btn_Refresh), BM_CLICK, 0, 0);
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "3 entries in 30 bytes (0,00 MB)");

  // Memory runs out as a Clear writes its second count: the status line is the one it found.
  probe = {};
  tick = BusyState::kStatusIntervalMs;
  memoryRunsOutAt = clockReads + 3;
  SetTimer(nullptr, 0, 20, ProbeMessageBox);
  SendMessageA(Window(form.bnt_Clear), BM_CLICK, 0, 0);
  EXPECT_EQ(probe.texts, (std::vector<std::string>{ExpectedErrorTitle(), "Out of memory."}));
  EXPECT_EQ(form.grd.Cell(kColUseCount, 2), "DELETED");
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "3 entries in 30 bytes (0,00 MB)");

  // The same in a Clear the user asked to close: the box is read before the window closes.
  probe = {};
  memoryRunsOutAt = clockReads + 3;
  PostMessageA(host.Handle(), WM_CLOSE, 0, 0);
  SetTimer(nullptr, 0, 20, ProbeMessageBox);
  SendMessageA(Window(form.bnt_Clear), BM_CLICK, 0, 0);
  outOfMemory = false;
  EXPECT_EQ(probe.texts, (std::vector<std::string>{ExpectedErrorTitle(), "Out of memory."}));
  Pump();
  EXPECT_EQ(host.Handle(), nullptr) << "closed once the box was gone";
}

// Memory runs out as the first listing starts, at the first cell it writes: the header's.
class OutOfMemoryAtStartTest : public FormWindowTest {
 protected:
  OutOfMemoryAtStartTest() {
    // The closed window of the test before left its WM_QUIT, which would end the box at once.
    MSG quit{};
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    memoryRunsOutAt = 1;
    SetTimer(nullptr, 0, 20, ProbeMessageBox);
  }
};

TEST_F(OutOfMemoryAtStartTest, TheFirstListingEndsWithNoRowAndTheWindowGoesOn) {
  EXPECT_EQ(probe.texts, (std::vector<std::string>{ExpectedErrorTitle(), "Out of memory."}));
  EXPECT_EQ(form.grd.Cell(kColSourceUrl, 0), "") << "the row storage ran out too";
  EXPECT_EQ(form.grd.RowCount(), 1) << "no row that the listing did not deliver";
  SendMessageA(Window(form.btn_Refresh), BM_CLICK, 0, 0);
  EXPECT_EQ(form.grd.Cell(kColSourceUrl, 0), "Source URL");
  EXPECT_EQ(TextOf(Window(form.lbl_Status)), "3 entries in 30 bytes (0.00 MB)");
}

}  // namespace
}  // namespace tarnwick

// The program's allocations, made to fail on purpose while tarnwick::outOfMemory is set; the
// library's delete frees them.
void* operator new(std::size_t size) {
  void* memory = tarnwick::outOfMemory ? nullptr : std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}
