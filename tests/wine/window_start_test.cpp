// Starts the real program and reads it from outside, as a user or a script would: its window's
// caption, place and size over an empty cache; over a seeded cache, the status line and the
// detail box after a key press, against the same listing made in this process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "RealPlatform.h"
#include "RealisticSeedSuite.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForWindow(DWORD processId) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    WindowSearch search{processId, nullptr};
    EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

std::string TextOf(HWND window) {
  std::string text(1 << 20, '\0');
  const auto length =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return text;
}

struct ChildSearch {
  const char* className;
  LONG_PTR style;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, search->className) != 0) return TRUE;
  if ((GetWindowLongPtrA(child, GWL_STYLE) & search->style) != search->style) return TRUE;
  search->found = child;
  return FALSE;
}

// The child of `window` of that class whose style has all of `style`'s bits.
HWND ChildOf(HWND window, const char* className, LONG_PTR style = 0) {
  ChildSearch search{className, style, nullptr};
  EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Press(HWND target, WPARAM key) {
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC000'0001u));
}

// Whether `control` has the focus in the thread of `window`.
bool Focused(HWND window, HWND control) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
         info.hwndFocus == control;
}

// The real program, started and, at the end, closed by its window as a user closes it.
class Program {
 public:
  Program() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string command = TARNWICK_EXE;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process_))
      window_ = WaitForWindow(process_.dwProcessId);
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ~Program() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND Window() const { return window_; }
  // Waits for the program to end; its exit code, or -1 when it did not end in time.
  long Exit() {
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) return -1;
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

TEST(WindowStart, OpensCaptionedWindowAtItsPlaceAndClosesOnRequest) {
  Program program;
  HWND window = program.Window();
  ASSERT_NE(window, nullptr);
  char caption[64] = {};
  SendMessageA(window, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption));
  EXPECT_STREQ(caption, "Tarnwick");
  RECT bounds{};
  GetWindowRect(window, &bounds);
  EXPECT_EQ(bounds.left, 222);
  EXPECT_EQ(bounds.top, 119);
  EXPECT_EQ(bounds.right - bounds.left, 625);
  EXPECT_EQ(bounds.bottom - bounds.top, 455);

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.Exit(), 0);
}

using SeededProgramTest = testing::RealisticSeedSuite<>;

TEST_F(SeededProgramTest, StatusLineAndDetailBoxShowWhatTheListingGives) {
  testing::RealPlatform real;
  TForm1 expected{real.platform};
  expected.FormCreate();
  ASSERT_GE(expected.grd.RowCount(), 3);
  expected.grd.SetRow(2);

  Program program;
  ASSERT_NE(program.Window(), nullptr);
  HWND status = ChildOf(program.Window(), "Static");
  HWND grid = ChildOf(program.Window(), "TarnwickGrid");
  HWND detail = ChildOf(program.Window(), "Edit", ES_MULTILINE);
  ASSERT_TRUE(status && grid && detail);
  EXPECT_EQ(TextOf(status), expected.lbl_Status.Caption());
  EXPECT_EQ(TextOf(detail), "") << "no row was clicked yet";

  // Keys go where the focus is: Tab twice from "Content" over "Clear" to the grid, then Down.
  for (int tab = 0; tab < 2; ++tab) Press(program.Window(), VK_TAB);
  for (int tries = 0; tries < 100 && !Focused(program.Window(), grid); ++tries) Sleep(50);
  Press(grid, VK_DOWN);
  for (int tries = 0; tries < 100 && TextOf(detail).empty(); ++tries) Sleep(50);
  EXPECT_EQ(TextOf(detail), expected.Memo1.Text());
}

}  // namespace
}  // namespace tarnwick
