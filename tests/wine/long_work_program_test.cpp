// Long work in the real program, over thousands of seeded entries, as other programs meet it from
// outside: what they post to the window meanwhile never runs, not even once the work is over,
// and the end of the session ends the program between two records.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "CacheRecords.h"
#include "RealPlatform.h"
#include "SeedSuites.h"
#include "StartedProgram.h"
#include "cache/StatusTexts.h"
#include "support/WindowText.h"

namespace tarnwick {
namespace {

using testing::ChildOf;
using testing::StartedProgram;
using testing::StatusOf;
using testing::TextOf;
using testing::WaitForStatus;

std::vector<std::string> ContentKeys() {
  WinInetCache cache;
  return testing::ContentKeys(cache);
}

HWND Button(HWND form, const char* caption) {
  return FindWindowExA(form, nullptr, "Button", caption);
}

class LongWorkProgramTest : public testing::SyntheticSeedSuite<3000> {
 protected:
  std::string Summary() {
    return FormatSummary(kEntries, SeededBytes(), real.locale.ReadNumberSeparators());
  }

  testing::RealPlatform real;
};

// What automation and assistive tools post to carry out a button's action: were any of it kept
// for later, the Clear would delete every entry just listed once the listing ended.
TEST_F(LongWorkProgramTest, ClicksAndCommandsPostedDuringAListingNeverRun) {
  StartedProgram program(TARNWICK_EXE);
  HWND form = program.Window();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(WaitForStatus(form, "Listing... ")) << "the window shows while the listing runs";
  HWND clear = Button(form, "Clear");
  PostMessageA(clear, BM_CLICK, 0, 0);
  PostMessageA(Button(form, "Cookies"), BM_CLICK, 0, 0);
  PostMessageA(form, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(clear), BN_CLICKED),
               reinterpret_cast<LPARAM>(clear));
  ASSERT_TRUE(StatusOf(form).starts_with("Listing... ")) << "posted while the listing ran";

  // Idle at last: a character posted to the search box is typed. Whatever was posted before it
  // has been taken by then.
  HWND search = testing::SearchBox(form);
  for (int wait = 0; wait < 600 && TextOf(search).empty(); ++wait) {
    PostMessageA(search, WM_CHAR, 'x', 1);
    Sleep(50);
  }
  EXPECT_EQ(TextOf(search), "x");
  EXPECT_EQ(ContentKeys().size(), static_cast<size_t>(kEntries)) << "nothing deleted";
  EXPECT_EQ(SendMessageA(Button(form, "Content"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(StatusOf(form), Summary());
}

// The end of the session during long work: sign-out or shutdown, or another program refusing
// it. The cases run in order over the same cache: the last Clear deletes what the one before
// left.
TEST_F(LongWorkProgramTest, TheEndOfTheSessionEndsTheWorkBetweenTwoRecords) {
  struct Case {
    const char* work;
    bool sessionEnds;
  };
  for (const Case& each :
       {Case{"Listing... ", true}, Case{"Deleting... ", true}, Case{"Deleting... ", false}}) {
    SCOPED_TRACE(std::string(each.work) + (each.sessionEnds ? "the session ends" : "it goes on"));
    const std::vector<std::string> listed = ContentKeys();
    StartedProgram program(TARNWICK_EXE);
    HWND form = program.Window();
    ASSERT_NE(form, nullptr);
    const bool clear = std::string(each.work) == "Deleting... ";
    if (clear) {
      ASSERT_TRUE(WaitForStatus(form, "Listing... ", false));
      PostMessageA(Button(form, "Clear"), BM_CLICK, 0, 0);
    }
    ASSERT_TRUE(WaitForStatus(form, each.work));

    DWORD_PTR agreed = FALSE;
    ASSERT_TRUE(SendMessageTimeoutA(form, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                                    5000, &agreed));
    EXPECT_TRUE(agreed);
    const DWORD sent = GetTickCount();
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(form, WM_ENDSESSION, each.sessionEnds ? TRUE : FALSE, ENDSESSION_LOGOFF,
                        SMTO_NORMAL, 5000, &ignored);
    if (each.sessionEnds) {
      EXPECT_EQ(program.Exit(1000 - (GetTickCount() - sent)), 0) << "ended within a second";
    } else {
      EXPECT_TRUE(WaitForStatus(form, each.work, false)) << "the Clear went on to its end";
      EXPECT_EQ(program.Exit(0), -1) << "still running";
    }

    // What is left is exactly what the work had not reached: the rows after the last deleted.
    const std::vector<std::string> left = ContentKeys();
    if (!clear || !each.sessionEnds) {
      EXPECT_EQ(left.size(), clear ? 0 : listed.size());
      continue;
    }
    ASSERT_GT(left.size(), 0u) << "ended during the Clear";
    ASSERT_LT(left.size(), listed.size()) << "ended during the Clear";
    EXPECT_EQ(
        std::set<std::string>(left.begin(), left.end()),
        std::set<std::string>(listed.end() - static_cast<ptrdiff_t>(left.size()), listed.end()));
  }
}

}  // namespace
}  // namespace tarnwick
