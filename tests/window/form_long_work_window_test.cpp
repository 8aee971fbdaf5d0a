// Long work in the main window in this process: its progress, and no handler running meanwhile
// whatever other programs send; a close request waits for a Clear.
#include <vector>

#include "FormWindowTest.h"

namespace tarnwick {
namespace {

using testing::BoundsInParent;
using testing::FormWindowTest;
using testing::TextOf;

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

}  // namespace
}  // namespace tarnwick
