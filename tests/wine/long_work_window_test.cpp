// Long work in the real window over Wine's real URL cache, seeded with thousands of entries: the
// first listing shows the window while it runs, commands sent from another thread meanwhile run
// no handler while the frame works, a close request ends a listing at once and waits for a
// Clear, which keeps answering, a screen reader's calls included, and shows how far it got.
#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>
#include <wrl/client.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "CacheRecords.h"
#include "RealPlatform.h"
#include "SeedSuites.h"
#include "StartedProgram.h"
#include "cache/Columns.h"
#include "cache/Listing.h"
#include "cache/StatusTexts.h"
#include "seed/SeedSets.h"
#include "support/PumpMessages.h"
#include "support/WindowText.h"
#include "toolkit/win32/MessageLoop.h"
#include "window/win32/FormHost.h"

namespace tarnwick {
namespace {

using testing::SearchBox;
using testing::WaitForStatus;

constexpr int kEntries = 3000;

// A clock that moves 100 ms at every reading, so that listing the seeded entries is long work
// (the window shows after half a second of it) however fast this machine's cache answers.
uint32_t SlowClock() {
  static uint32_t now = 0;
  return now += 100;
}

int ContentKeysInCache() {
  WinInetCache cache;
  return static_cast<int>(testing::ContentKeys(cache).size());
}

// Watches the window from another thread as a screen reader would: whether it is visible, and
// what its status line says, every few milliseconds until told to stop. Given `closeAt`, it posts
// a close request once the status line starts with it. Told to `askGrid`, it also asks the grid
// for its rows through the accessibility interface, from an apartment of its own, and once the
// status line counts deletions it selects and clicks a row that way.
class Watcher {
 public:
  struct Sample {
    bool visible;
    bool answered;
    std::string status;
    // How long the grid took to give its row count; -1 when it was not asked.
    double gridMs = -1;
  };

  explicit Watcher(const char* closeAt = nullptr, bool askGrid = false)
      : closeAt_(closeAt), askGrid_(askGrid) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~Watcher() { Stop(); }
  const std::vector<Sample>& Stop() {
    if (thread_) {
      stop_ = true;
      // Answers the watcher's last question while waiting for it.
      MSG message{};
      while (WaitForSingleObject(thread_, 10) == WAIT_TIMEOUT) {
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
        AnswerComCalls();
      }
      CloseHandle(thread_);
      thread_ = nullptr;
    }
    return samples_;
  }

 private:
  static DWORD WINAPI Run(void* self) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    static_cast<Watcher*>(self)->Watch();
    CoUninitialize();
    return 0;
  }

  // The grid's row count, timed, and the actions once.
  void AskGrid(HWND form, Sample& sample) {
    HWND grid = FindWindowExA(form, nullptr, "TarnwickGrid", nullptr);
    if (!table_ && (!grid || FAILED(AccessibleObjectFromWindow(
                                 grid, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(&table_)))))
      return;
    const auto start = std::chrono::steady_clock::now();
    LONG rows = 0;
    if (FAILED(table_->get_accChildCount(&rows))) return;
    sample.gridMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (acted_ || !sample.status.starts_with("Deleting... ")) return;
    VARIANT third{};
    third.vt = VT_I4;
    third.lVal = 4;
    table_->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, third);
    table_->accDoDefaultAction(third);
    acted_ = true;
  }
  void Watch() {
    while (!stop_) {
      Sleep(20);
      HWND form = FindWindowA("TarnwickForm", nullptr);
      HWND status = form ? FindWindowExA(form, nullptr, "Static", nullptr) : nullptr;
      if (!status) continue;
      char text[256] = {};
      DWORD_PTR length = 0;
      const bool answered =
          SendMessageTimeoutA(status, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                              SMTO_NORMAL, 1000, &length) != 0;
      samples_.push_back({IsWindowVisible(form) != FALSE, answered, text});
      if (askGrid_) AskGrid(form, samples_.back());
      if (!closeAt_ || !samples_.back().status.starts_with(closeAt_)) continue;
      PostMessageA(form, WM_CLOSE, 0, 0);
      closeAt_ = nullptr;
    }
    table_.Reset();
  }

  const char* closeAt_;
  const bool askGrid_;
  Microsoft::WRL::ComPtr<IAccessible> table_;
  bool acted_ = false;
  HANDLE thread_ = nullptr;
  std::atomic<bool> stop_ = false;
  std::vector<Sample> samples_;
};

class LongWorkWindowTest : public testing::SyntheticSeedSuite<kEntries> {
 protected:
  // The program's thread is an apartment of its own, as WinMain makes it.
  LongWorkWindowTest() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~LongWorkWindowTest() override { CoUninitialize(); }

  void Pump() { testing::PumpMessages(host); }
  std::string Summary() const { return FormatSummary(kEntries, SeededBytes(), form.Separators()); }

  testing::RealPlatform real;
  TForm1 form{real.platform};
  FormHost host{form, SlowClock};
};

TEST_F(LongWorkWindowTest, ALongFirstListingShowsTheWindowAndEndsWithTheSummary) {
  Watcher watcher;
  ASSERT_TRUE(host.Create(SW_SHOWNORMAL));
  const std::vector<Watcher::Sample> samples = watcher.Stop();

  bool shownWhileListing = false;
  for (const Watcher::Sample& sample : samples)
    shownWhileListing |= sample.visible && sample.status.starts_with("Listing... ");
  EXPECT_TRUE(shownWhileListing);
  EXPECT_TRUE(IsWindowVisible(host.Handle()));
  EXPECT_EQ(GetFocus(), host.WindowOf(form.rdo_Content));
  EXPECT_EQ(form.lbl_Status.Caption(), Summary());
  EXPECT_EQ(form.grd.RowCount(), kEntries + 1);
}

LRESULT HitTest(HWND form, POINT at) {
  return SendMessageA(form, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
}

// A point where the frame reports `part`: down its middle to the caption, then for one of the
// caption's buttons along the caption from the right.
POINT FramePoint(HWND form, LRESULT part) {
  RECT frame{};
  GetWindowRect(form, &frame);
  POINT at{(frame.left + frame.right) / 2, frame.top};
  while (at.y < frame.bottom && HitTest(form, at) != HTCAPTION) ++at.y;
  if (part == HTCAPTION) return at;
  at.x = frame.right - 1;
  while (at.x > frame.left && HitTest(form, at) != part) --at.x;
  return at;
}

// A coordinate in the units of absolute mouse input, rounded up so that it maps back to `pixel`.
LONG Absolute(LONG pixel, int screenPixels) {
  return static_cast<LONG>(((int64_t{pixel} << 16) + screenPixels - 1) / screenPixels);
}

// Presses the left button `clicks` times at a point of the screen, as a user would. The cursor
// goes there first, and every press carries the point too: under Wine a cursor placed by an
// earlier call alone may not be where the press lands.
void ClickAt(POINT at, int clicks = 1) {
  SetCursorPos(at.x, at.y);
  std::vector<INPUT> presses(2 * static_cast<size_t>(clicks));
  for (size_t press = 0; press < presses.size(); ++press) {
    presses[press].type = INPUT_MOUSE;
    presses[press].mi.dx = Absolute(at.x, GetSystemMetrics(SM_CXSCREEN));
    presses[press].mi.dy = Absolute(at.y, GetSystemMetrics(SM_CYSCREEN));
    presses[press].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE |
                                (press % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN);
  }
  SendInput(static_cast<UINT>(presses.size()), presses.data(), sizeof presses[0]);
}

void ClickOn(HWND control) {
  RECT bounds{};
  GetWindowRect(control, &bounds);
  ClickAt({(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2});
}

// Presses and releases each key in turn, as a user would type them.
void Type(std::initializer_list<WORD> keys) {
  std::vector<INPUT> strokes;
  for (WORD key : keys) {
    for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT stroke{};
      stroke.type = INPUT_KEYBOARD;
      stroke.ki.wVk = key;
      stroke.ki.dwFlags = flags;
      strokes.push_back(stroke);
    }
  }
  SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof strokes[0]);
}

// Double-clicks the caption as a user would, and tells whether the window became maximised.
bool MaximisedByTheCaption(HWND form) {
  ClickAt(FramePoint(form, HTCAPTION), 2);
  for (int wait = 0; wait < 100 && !IsZoomed(form); ++wait) Sleep(10);
  return IsZoomed(form) != FALSE;
}

bool maximisedWhileListing = false;

// Sends a click on Clear and on Cookies once the first listing is under way, maximises the window
// from its caption, then presses Alt+F4, both as a user would.
DWORD WINAPI ClickAndPressAltF4(void*) {
  HWND form = nullptr;
  while (!(form = FindWindowA("TarnwickForm", nullptr)) || !IsWindowVisible(form)) Sleep(10);
  WaitForStatus(form, "Listing... ");
  for (const char* caption : {"Clear", "Cookies"})
    SendMessageA(FindWindowExA(form, nullptr, "Button", caption), BM_CLICK, 0, 0);
  SetForegroundWindow(form);
  maximisedWhileListing = MaximisedByTheCaption(form);
  INPUT keys[4] = {};
  for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[3].ki.wVk = VK_MENU;
  keys[1].ki.wVk = keys[2].ki.wVk = VK_F4;
  keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(4, keys, sizeof keys[0]);
  return 0;
}

TEST_F(LongWorkWindowTest, CommandsDuringTheFirstListingRunNothingTheFrameWorksAndAltF4EndsIt) {
  HANDLE sender = CreateThread(nullptr, 0, ClickAndPressAltF4, nullptr, 0, nullptr);
  ASSERT_TRUE(host.Create());
  EXPECT_EQ(WaitForSingleObject(sender, 10000), WAIT_OBJECT_0) << "every message was answered";
  CloseHandle(sender);
  EXPECT_TRUE(maximisedWhileListing);
  EXPECT_LT(form.grd.RowCount(), kEntries + 1) << "the listing ended at the close request";
  const ListingSummary listed = SummaryOf(form.grd);
  EXPECT_EQ(form.lbl_Status.Caption(),
            FormatSummary(listed.count, listed.totalBytes, form.Separators()));
  EXPECT_EQ(form.FViewMode, vmContent);
  EXPECT_EQ(ContentKeysInCache(), kEntries) << "nothing deleted";

  host.Show(SW_SHOWNORMAL);
  Pump();
  EXPECT_EQ(host.Handle(), nullptr) << "closed";
}

// What a user does during the first listing: every kind of input the window takes when idle,
// then a change of the frame's state.
struct UserDuringListing {
  // The frame's part the user presses, how often, and the state that gives the window: the
  // caption twice to maximise it, or the minimise box.
  LRESULT framePart;
  int clicks;
  BOOL(WINAPI* inState)(HWND);
  bool listingOutlastedTheInput = false;
};

// The main window once the long listing has shown it, with its controls.
HWND ShownForm() {
  for (int wait = 0; wait < 1000; ++wait) {
    HWND form = FindWindowA("TarnwickForm", nullptr);
    if (form && IsWindowVisible(form)) return form;
    Sleep(10);
  }
  return nullptr;
}

// Types text and Enter into the search box, clicks Clear and Cookies, chooses the first item of
// the grid's menu from the keyboard ("Delete this entry"), then changes the frame's state, all as
// a user would while the first listing runs; and finds out whether it still ran once all that
// was taken.
DWORD WINAPI ActWhileListing(void* param) {
  auto& user = *static_cast<UserDuringListing*>(param);
  HWND form = ShownForm();
  WaitForStatus(form, "Listing... ");
  SetForegroundWindow(form);
  ClickOn(SearchBox(form));
  Type({'A', 'B', 'C', VK_RETURN});
  ClickOn(FindWindowExA(form, nullptr, "Button", "Clear"));
  ClickOn(FindWindowExA(form, nullptr, "Button", "Cookies"));
  ClickOn(FindWindowExA(form, nullptr, "TarnwickGrid", nullptr));
  Type({VK_APPS, VK_DOWN, VK_RETURN});
  // The frame's input comes after all the rest: once it took effect, the rest was taken too.
  ClickAt(FramePoint(form, user.framePart), user.clicks);
  for (int wait = 0; wait < 500 && !user.inState(form); ++wait) Sleep(10);
  user.listingOutlastedTheInput = testing::StatusOf(form).starts_with("Listing... ");
  return 0;
}

// Stray input during long work must never act, not even later: a click on Clear that waited for
// the listing to end would delete the whole view. The state the user gives the frame stays.
TEST_F(LongWorkWindowTest, InputDuringTheFirstListingNeverActsAndTheFrameKeepsItsState) {
  for (UserDuringListing user :
       {UserDuringListing{HTCAPTION, 2, IsZoomed}, UserDuringListing{HTMINBUTTON, 1, IsIconic}}) {
    TForm1 listed{real.platform};
    FormHost window{listed, SlowClock};
    HANDLE acting = CreateThread(nullptr, 0, ActWhileListing, &user, 0, nullptr);
    ASSERT_TRUE(window.Create(SW_SHOWNORMAL));
    MSG message{};
    for (int wait = 0; wait < 1000 && WaitForSingleObject(acting, 10) == WAIT_TIMEOUT; ++wait)
      PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    CloseHandle(acting);
    ASSERT_TRUE(user.listingOutlastedTheInput) << "the listing ended before the input was taken";
    window.Show(SW_SHOWNORMAL);
    testing::PumpMessages(window);

    EXPECT_TRUE(user.inState(window.Handle())) << "the state the user gave the frame";
    EXPECT_EQ(testing::TextOf(window.WindowOf(listed.edt_Search)), "");
    EXPECT_EQ(testing::TextOf(window.WindowOf(listed.Memo1)), "") << "one empty line";
    EXPECT_EQ(SendMessageA(window.WindowOf(listed.rdo_Content), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(listed.FViewMode, vmContent);
    EXPECT_EQ(listed.grd.Row(), 1);
    EXPECT_EQ(testing::TextOf(window.WindowOf(listed.lbl_Status)), Summary());
    EXPECT_EQ(ContentKeysInCache(), kEntries) << "nothing deleted";
  }
}

// Last: it deletes the seeded entries.
TEST_F(LongWorkWindowTest, ClearAnswersShowsItsCountAndClosesOnlyWhenItEnds) {
  ASSERT_TRUE(host.Create());
  host.Show(SW_SHOWNORMAL);
  Pump();
  const std::string before = form.lbl_Status.Caption();

  // A close request a third of the way.
  Watcher watcher("Deleting... 1,", true);
  SendMessageA(host.WindowOf(form.bnt_Clear), BM_CLICK, 0, 0);
  const std::vector<Watcher::Sample> samples = watcher.Stop();

  bool counted = false, closing = false;
  int gridAnswers = 0;
  for (const Watcher::Sample& sample : samples) {
    EXPECT_TRUE(sample.answered);
    counted |= sample.status.starts_with("Deleting... ") && sample.status.ends_with(" of 3,000");
    closing |= sample.status == "Closing when the deletion ends...";
    if (sample.gridMs < 0 || !sample.status.starts_with("Deleting... ")) continue;
    ++gridAnswers;
    EXPECT_LT(sample.gridMs, 250) << "the grid answers while Clear runs";
  }
  EXPECT_TRUE(counted);
  EXPECT_TRUE(closing);
  EXPECT_GE(gridAnswers, 3);
  EXPECT_EQ(form.grd.Row(), 1) << "no row selected or clicked while Clear ran";
  EXPECT_NE(GetFocus(), host.WindowOf(form.grd));
  EXPECT_EQ(form.lbl_Status.Caption(), before);
  for (int row = 1; row < form.grd.RowCount(); ++row)
    EXPECT_EQ(form.grd.Cell(kColUseCount, row), "DELETED") << row;
  EXPECT_EQ(ContentKeysInCache(), 0);
  Pump();
  EXPECT_EQ(host.Handle(), nullptr) << "closed once the deletion ended";
}

}  // namespace
}  // namespace tarnwick
