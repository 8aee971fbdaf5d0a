// Search, deletion and Clear through the real window, against Wine's real URL cache: the only
// entries that go are the ones the user asked to delete.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "CacheRecords.h"
#include "RealPlatform.h"
#include "cache/Columns.h"
#include "seed/SeedSets.h"
#include "support/ListedUrls.h"
#include "support/PumpMessages.h"
#include "support/WindowInput.h"
#include "support/WindowText.h"
#include "window/win32/FormHost.h"

namespace tarnwick {
namespace {

using testing::TextOf;

// Every key the cache holds for `pattern`, through the adapter.
std::set<std::string> KeysInCache(UrlCache& cache, const char* pattern) {
  std::set<std::string> keys;
  testing::ForEachRecord(cache, pattern, [&](const CacheEntryRecord& record) {
    keys.insert(record.lpszSourceUrlName);
  });
  return keys;
}

// The rows after row 1, the current one after a listing, that hold `upperText` in some cell, its
// ASCII letters compared in capitals: the rows a search for it visits, in order.
std::vector<int> RowsHoldingAfterTheFirst(const EntryTable& table, std::string_view upperText) {
  std::vector<int> rows;
  for (int row = kFirstEntryRow + 1; row < table.RowCount(); ++row) {
    for (int col = 0; col < table.ColCount(); ++col) {
      std::string cell(TextUpToNul(table.Cell(col, row)));
      for (char& c : cell)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      if (cell.find(upperText) == std::string::npos) continue;
      rows.push_back(row);
      break;
    }
  }
  return rows;
}

class ActionsWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(seed::SeedRealisticSet(seeder)) << seeder.Error();
    ASSERT_TRUE(host.Create());
    host.Show(SW_SHOWNORMAL);
    SetForegroundWindow(host.Handle());
    Pump();
  }
  void TearDown() override {
    DestroyWindow(host.Handle());
    seeder.RemoveAll();
  }

  void Pump() { testing::PumpMessages(host); }
  void Press(HWND target, UINT key) {
    testing::PostKeyPress(target, key);
    Pump();
  }
  void Click(const Control& button) {
    SendMessageA(host.WindowOf(button), BM_CLICK, 0, 0);
    Pump();
  }
  void ChoosePopupItem(int index) {
    testing::UsePopupMenu(host.WindowOf(form.grd), index);
    Pump();
  }
  // Types `text` into the search box and presses Enter there.
  void SearchWithEnter(const char* text) {
    HWND search = host.WindowOf(form.edt_Search);
    SetFocus(search);
    SetWindowTextA(search, text);
    Pump();
    PostMessageA(search, WM_CHAR, '\r', 1);
    Pump();
  }
  std::vector<std::string> ListedKeys() const { return testing::ListedUrls(form.grd); }

  seed::CacheSeeder seeder;
  testing::RealPlatform real;
  WinInetCache& cache = real.cache;
  Platform& platform = real.platform;
  TForm1 form{platform};
  FormHost host{form};
};

TEST_F(ActionsWindowTest, DeleteThisEntryRemovesExactlyThatEntry) {
  const std::set<std::string> before = KeysInCache(cache, nullptr);
  SetFocus(host.WindowOf(form.grd));
  Press(host.WindowOf(form.grd), VK_DOWN);
  ASSERT_EQ(form.grd.Row(), 2);
  const std::string chosen(form.grd.Cell(kColSourceUrl, 2));

  ChoosePopupItem(0);
  EXPECT_EQ(form.grd.Cell(kColUseCount, 2), "DELETED");
  std::set<std::string> expected = before;
  expected.erase(chosen);
  EXPECT_EQ(KeysInCache(cache, nullptr), expected);

  ChoosePopupItem(0);
  EXPECT_EQ(form.grd.Cell(kColUseCount, 2), "FILE_NOT_FOUND");
  EXPECT_EQ(KeysInCache(cache, nullptr), expected);
}

TEST_F(ActionsWindowTest, ClearTakesOnlyTheListedViewAndRefreshShowsWhatIsLeft) {
  const std::set<std::string> cookies = KeysInCache(cache, "Cookie:");
  const std::set<std::string> history = KeysInCache(cache, "Visited:");
  ASSERT_FALSE(cookies.empty());
  ASSERT_FALSE(history.empty());
  const std::vector<std::string> listed = ListedKeys();
  ASSERT_GT(listed.size(), 3u);

  Click(form.bnt_Clear);
  for (int row = 1; row < form.grd.RowCount(); ++row)
    EXPECT_EQ(form.grd.Cell(kColUseCount, row), "DELETED");
  for (const std::string& key : listed)
    EXPECT_EQ(KeysInCache(cache, nullptr).count(key), 0u) << key;
  EXPECT_EQ(KeysInCache(cache, "Cookie:"), cookies);
  EXPECT_EQ(KeysInCache(cache, "Visited:"), history);

  Click(form.btn_Refresh);
  EXPECT_EQ(form.grd.RowCount(), 1) << "no content entry left to list";
  EXPECT_EQ(TextOf(host.WindowOf(form.lbl_Status)), "0 entries in 0 bytes (0.00 MB)");

  Click(form.rdo_Cookie);
  ASSERT_EQ(form.FViewMode, vmCookies);
  EXPECT_EQ(ListedKeys().size(), cookies.size());
  Click(form.bnt_Clear);
  EXPECT_TRUE(KeysInCache(cache, "Cookie:").empty());
  EXPECT_EQ(KeysInCache(cache, "Visited:"), history);
}

TEST_F(ActionsWindowTest, EnterAndF3SearchFromTheWindowAndTheDetailBoxFollows) {
  const std::vector<int> hits = RowsHoldingAfterTheFirst(form.grd, "EXAMPLE.COM/");
  ASSERT_GE(hits.size(), 2u);
  HWND search = host.WindowOf(form.edt_Search);
  SearchWithEnter("EXAMPLE.COM/");
  const int first = form.grd.Row();
  EXPECT_EQ(first, hits[0]) << "the search starts after the current row";
  EXPECT_EQ(TextOf(search), "EXAMPLE.COM/") << "Enter is not typed into the box";
  const std::string memo = TextOf(host.WindowOf(form.Memo1));
  EXPECT_EQ(memo.substr(0, memo.find("\r\n")), form.grd.Cell(kColSourceUrl, first));

  Press(search, VK_F3);
  EXPECT_EQ(form.grd.Row(), hits[1]);
  EXPECT_TRUE(real.shell.beeps.empty());

  SetWindowTextA(search, "no such text anywhere");
  Pump();
  const int row = form.grd.Row();
  Press(search, VK_F3);
  EXPECT_EQ(form.grd.Row(), row);
  EXPECT_EQ(real.shell.beeps.size(), 1u);
}

// The search box's text goes to the search in the system's code page, and its letters match
// whatever their case: "CRÈME" (code page 1252) finds the title "Crème brûlée".
TEST_F(ActionsWindowTest, ANonAsciiSearchIgnoresCaseThroughTheSystemCodePage) {
  Click(form.rdo_History);
  int expected = 0;
  for (int row = kFirstEntryRow; row < form.grd.RowCount(); ++row)
    if (form.grd.Cell(kColSourceUrl, row).find("recettes.example.fr") != std::string_view::npos)
      expected = row;
  ASSERT_GT(expected, kFirstEntryRow) << "the seeded history lists the titled page after row 1";

  // "CRÈME BRÛLÉE" in code page 1252, in octal escapes: a hex escape would swallow the E after it.
  SearchWithEnter("CR\310ME BR\333L\311E");
  EXPECT_EQ(form.grd.Row(), expected);
  EXPECT_TRUE(real.shell.beeps.empty());
}

}  // namespace
}  // namespace tarnwick
