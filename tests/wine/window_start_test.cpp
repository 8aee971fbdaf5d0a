// Starts the real program, finds its window, checks caption, place and size, and closes it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ProgramWindow.h"

namespace {

HWND WaitForWindow(DWORD processId) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    if (HWND window = tarnwick::testing::VisibleWindowOf(processId)) return window;
    Sleep(50);
  }
  return nullptr;
}

TEST(WindowStart, OpensCaptionedWindowAtItsPlaceAndClosesOnRequest) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string command = TARNWICK_EXE;
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));

  HWND window = WaitForWindow(process.dwProcessId);
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
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

}  // namespace
