// The main window's search, deletion and opening handlers over an in-memory URL cache.
#include <gtest/gtest.h>

#include "cache/Columns.h"
#include "support/PortableForm.h"
#include "support/TestEntries.h"
#include "toolkit/Keys.h"
#include "window/Form1.h"

namespace tarnwick {
namespace {

using testing::TestEntry;

class FormActionsTest : public testing::PortableFormTest<> {
 protected:
  FormActionsTest() {
    cache.Add(TestEntry("Cookie:user@example.com/", 0x0010'0000));
    cache.Add(TestEntry("Visited: user@http://example.com/", 0x0020'0000));
    cache.Add(TestEntry("http://example.com/index.html?q=1", 0x1));
    MemoryCacheEntry logo = TestEntry("http://example.com/Logo.PNG", 0x1);
    logo.localFile = "C:\\cache\\logo.png";
    cache.Add(logo);
    cache.Add(TestEntry("calc.exe", 0x1));
    form.SetHandle(&window);
    form.FormCreate();
  }

  std::string Memo() const { return form.Memo1.Text(); }

  int window = 0;
};

// Each control and menu item clicked through its model, as the window's peers click them: each
// reaches its own handler, not a neighbour's.
TEST_F(FormActionsTest, EveryControlAndMenuItemRunsItsOwnHandler) {
  form.edt_Search.SetText("logo");
  form.btn_Search.Click();
  EXPECT_EQ(form.grd.Row(), 2);
  EXPECT_TRUE(Memo().starts_with("http://example.com/Logo.PNG\r\n")) << "the grid's click";
  form.edt_Search.SetText("calc");
  EXPECT_EQ(form.edt_Search.KeyPress('\r'), 0);
  EXPECT_EQ(form.grd.Row(), 3);
  form.grd.SetRow(2);

  form.OpeninBrowser1.Click();
  form.Openlocalfile1.Click();
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[0].file, "http://example.com/Logo.PNG");
  EXPECT_EQ(shell.calls[1].file, "C:\\cache\\logo.png");

  form.Deletethisentry1.Click();
  EXPECT_FALSE(cache.Contains("http://example.com/Logo.PNG"));
  EXPECT_EQ(cache.EntryCount(), 4u);
  form.btn_Refresh.Click();
  EXPECT_EQ(form.grd.RowCount(), 3);

  const std::pair<RadioButton*, TViewMode> views[] = {{&form.rdo_History, vmHistory},
                                                      {&form.rdo_Cookie, vmCookies},
                                                      {&form.rdo_Content, vmContent}};
  for (const auto& [button, view] : views) {
    button->Click();
    EXPECT_EQ(form.FViewMode, view) << button->Caption();
  }
  form.bnt_Clear.Click();
  EXPECT_EQ(cache.EntryCount(), 2u);
}

TEST_F(FormActionsTest, DeletingTheCurrentRowTwiceReportsTheMissingEntry) {
  form.grd.SetRow(2);
  form.Deletethisentry1Click();
  EXPECT_EQ(form.grd.Cell(kColUseCount, 2), "DELETED");
  EXPECT_FALSE(cache.Contains("http://example.com/Logo.PNG"));
  form.Deletethisentry1Click();
  EXPECT_EQ(form.grd.Cell(kColUseCount, 2), "FILE_NOT_FOUND");
  EXPECT_EQ(form.grd.RowCount(), 4) << "rows stay until the next listing";
  EXPECT_NE(Memo().find("\n0\r\n"), std::string::npos) << "the detail box keeps the old use count";
}

TEST_F(FormActionsTest, ClearInOneViewLeavesEveryOtherView) {
  form.bnt_ClearClick();
  EXPECT_EQ(cache.EntryCount(), 2u);
  EXPECT_TRUE(cache.Contains("Cookie:user@example.com/"));
  EXPECT_TRUE(cache.Contains("Visited: user@http://example.com/"));

  form.rdo_Cookie.Click();
  form.bnt_ClearClick();
  EXPECT_EQ(cache.EntryCount(), 1u);
  EXPECT_TRUE(cache.Contains("Visited: user@http://example.com/"));

  form.btn_RefreshClick();
  EXPECT_EQ(form.grd.RowCount(), 1) << "nothing left to list in this view";
  EXPECT_EQ(form.lbl_Status.Caption(), "0 entries in 0 bytes (0.00 MB)");
}

TEST_F(FormActionsTest, F3AndEnterSearchAndTheDetailBoxFollowsTheHit) {
  form.edt_Search.TextEdited("logo");
  uint16_t key = kKeyF3;
  form.FormKeyDown(key, ssCtrl);
  EXPECT_EQ(key, kKeyF3) << "F3 goes on to the focused control";
  EXPECT_EQ(form.grd.Row(), 2);
  EXPECT_EQ(Memo().substr(0, 28), "http://example.com/Logo.PNG\r");

  form.edt_Search.TextEdited("example");
  char enter = '\r';
  form.edt_SearchKeyPress(enter);
  EXPECT_EQ(enter, 0) << "Enter is swallowed";
  EXPECT_EQ(form.grd.Row(), 1);
  char letter = 'x';
  form.edt_SearchKeyPress(letter);
  EXPECT_EQ(letter, 'x');
  EXPECT_EQ(form.grd.Row(), 1);
  EXPECT_TRUE(shell.beeps.empty());
}

TEST_F(FormActionsTest, SearchWithoutHitBeepsAndKeepsTheRow) {
  form.grd.SetRow(3);
  const std::string memoBefore = Memo();
  form.edt_Search.TextEdited("nowhere");
  form.btn_SearchClick();
  form.edt_Search.TextEdited("");
  form.btn_SearchClick();
  EXPECT_EQ(shell.beeps, (std::vector<uint32_t>{0, 0}));
  EXPECT_EQ(form.grd.Row(), 3);
  EXPECT_EQ(Memo(), memoBefore);
}

TEST_F(FormActionsTest, OpeningHandsWebUrlsAndLocalFilesToTheShell) {
  form.grd.SetRow(1);
  form.OpeninBrowser1Click();
  form.Openlocalfile1Click();
  form.grd.SetRow(3);
  form.OpeninBrowser1Click();
  ASSERT_EQ(shell.calls.size(), 2u) << "calc.exe is no URL to open";
  EXPECT_EQ(shell.calls[0].file, "http://example.com/index.html?q=1");
  EXPECT_EQ(shell.calls[0].request.hwnd, &window);
  EXPECT_EQ(shell.calls[1].file, "C:\\cache\\file.htm");

  form.rdo_Cookie.Click();
  form.OpeninBrowser1Click();
  EXPECT_EQ(shell.calls.size(), 2u) << "cookie keys are never handed to the shell";
}

}  // namespace
}  // namespace tarnwick
