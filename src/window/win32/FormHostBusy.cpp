// The main window during long work: a listing or a Clear runs on the window's thread, and the
// busy state decides, record by record, when the window answers, paints and shows progress.
#include "toolkit/win32/MessageLoop.h"
#include "window/win32/FormHost.h"

namespace tarnwick {

void FormHost::BusyStarted(BusyWork work) {
  busy_.Start(work, clock_(), creating_ && !IsWindowVisible(window_));
  for (const auto& peer : peers_) peer->BlockInput(true);
  SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

bool FormHost::BusyStep(const std::function<void(BusyCaption)>& writeStatus) {
  const BusyDue due = busy_.Step(clock_());
  if (!due.answer) return !busy_.Stopping();
  if (due.status) writeStatus(busy_.Status());
  // Painted control by control below, with other programs' questions answered in between.
  if (due.show) ShowFrame(startShowCommand_);
  PumpDuringLongWork(window_, due.status, [this](const MSG& posted) {
    for (const auto& peer : peers_) {
      if (peer->Handle() == posted.hwnd) return peer->RunsWhileBlocked(posted.message);
    }
    return false;
  });
  return !busy_.Stopping();
}

void FormHost::BusyFinished() {
  for (const auto& peer : peers_) peer->BlockInput(false);
  SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  // Carried out from the message loop, once the work has left the stack.
  if (busy_.Finish() && window_) closing_ = PostMessageA(window_, WM_CLOSE, 0, 0) != FALSE;
}

// The session ends (sign-out, shutdown) and the system may end the process at any point once
// this message is answered. Long work is between two records whenever a message is answered: a
// deletion is never cut half-way. The program ends here, before the system ends it; at rest the
// system's ending is as good.
void FormHost::SessionEnding() {
  if (busy_.Busy()) ExitProcess(0);
}

}  // namespace tarnwick
