// The main window's life in this process: its last message, and errors that escape a handler,
// running out of memory among them, reported in the error box while the window carries on.
#include <string>
#include <string_view>
#include <vector>

#include "FormWindowTest.h"
#include "cache/Columns.h"

namespace tarnwick {
namespace {

using testing::allocationsLeft;
using testing::BoundsInParent;
using testing::TextOf;

// What a thread timer found in a message box before closing it.
struct ModalProbe {
  std::vector<std::string> texts;
  int ticks = 0;
};
ModalProbe probe;

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
  allocationsLeft = -1;
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
  return run.ends_with("\\Form_Errors_Window_TEST.v2.exe") ? "Form_errors_window_test"
                                                           : "form_errors_window_test";
}

// Each test's box probe starts afresh.
class FormWindowTest : public testing::FormWindowTest {
 protected:
  FormWindowTest() { probe = {}; }
};

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
  allocationsLeft = -1;
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
