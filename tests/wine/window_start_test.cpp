// Starts the real program and reads it from outside, as a user or a script would: its window's
// caption, place and size over an empty cache; over a seeded cache, the status line and the
// detail box after a key press, against the same listing made in this process.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "RealPlatform.h"
#include "SeedSuites.h"
#include "StartedProgram.h"
#include "support/WindowInput.h"
#include "support/WindowText.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

using testing::ChildOf;
using testing::StartedProgram;
using testing::TextOf;

// Whether `control` has the focus in the thread of `window`.
bool Focused(HWND window, HWND control) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
         info.hwndFocus == control;
}

TEST(WindowStart, OpensCaptionedWindowAtItsPlaceAndClosesOnRequest) {
  StartedProgram program(TARNWICK_EXE);
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

  StartedProgram program(TARNWICK_EXE);
  ASSERT_NE(program.Window(), nullptr);
  HWND status = ChildOf(program.Window(), "Static");
  HWND grid = ChildOf(program.Window(), "TarnwickGrid");
  HWND detail = ChildOf(program.Window(), "Edit", ES_MULTILINE);
  ASSERT_TRUE(status && grid && detail);
  EXPECT_EQ(TextOf(status), expected.lbl_Status.Caption());
  EXPECT_EQ(TextOf(detail), "") << "no row was clicked yet";

  // Keys go where the focus is: Tab from "Content" until the grid has it, then Down.
  for (int tab = 0; tab < 10 && !Focused(program.Window(), grid); ++tab) {
    testing::PostKeyPress(program.Window(), VK_TAB);
    for (int tries = 0; tries < 20 && !Focused(program.Window(), grid); ++tries) Sleep(50);
  }
  testing::PostKeyPress(grid, VK_DOWN);
  for (int tries = 0; tries < 100 && TextOf(detail).empty(); ++tries) Sleep(50);
  EXPECT_EQ(TextOf(detail), expected.Memo1.Text());
}

}  // namespace
}  // namespace tarnwick
