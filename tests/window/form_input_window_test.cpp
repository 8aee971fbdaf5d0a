// The user's input to the main window in this process: the keyboard's way around the controls,
// the detail box following the grid's row, and the popup menu.
#include <algorithm>
#include <string>
#include <vector>

#include "FormWindowTest.h"
#include "cache/Columns.h"

namespace tarnwick {
namespace {

using testing::BoundsInParent;
using testing::FormWindowTest;
using testing::TextOf;

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

}  // namespace
}  // namespace tarnwick
