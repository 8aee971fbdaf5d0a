#include "toolkit/win32/MessageLoop.h"

#include <iterator>

namespace tarnwick {
namespace {

bool IsSystemKey(UINT message) {
  return message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR;
}

bool IsFrameMouse(const MSG& message, HWND frame) {
  return message.hwnd == frame && message.message >= WM_NCMOUSEMOVE &&
         message.message <= WM_NCXBUTTONDBLCLK;
}

// The frame's own input goes to the frame, system keys straight from the focused control, which
// never sees them; the rest is thrown away.
void TakeInput(MSG& message, HWND frame) {
  if (IsSystemKey(message.message)) {
    message.hwnd = frame;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  } else if (IsFrameMouse(message, frame)) {
    DispatchMessageA(&message);
  }
}

// The window through which COM hands this thread the calls that other apartments and processes
// make to its objects, the accessible grid's among them: Wine's and Windows' COM post them to a
// window of this class; null until COM made one for this thread.
HWND ComApartmentWindow() {
  static thread_local HWND known = nullptr;
  if (known && IsWindow(known)) return known;
  known = nullptr;
  const DWORD thread = GetCurrentThreadId();
  // Wine makes it a message-only window, Windows a hidden top-level one.
  for (HWND parent : {HWND_MESSAGE, HWND{}}) {
    HWND found = nullptr;
    while ((found = FindWindowExA(parent, found, "OleMainThreadWndClass", nullptr))) {
      if (GetWindowThreadProcessId(found, nullptr) == thread) return known = found;
    }
  }
  return nullptr;
}

// What still runs of the messages posted to the frame itself: its system commands (Alt+F4 posts
// one), a close request, and a change of the user's settings, which the next count shows.
bool FrameNeeds(UINT message) {
  return message == WM_SYSCOMMAND || message == WM_CLOSE || message == WM_SETTINGCHANGE;
}

// The messages the controls posted themselves that wait for a pump that paints: a control
// catching up with its model at every pump, a hundred times a second, would slow the work it
// shows down to half its speed.
class Deferred {
 public:
  // False when there is no room left, and the message should run now.
  bool Keep(const MSG& message) {
    if (count_ == std::size(kept_)) return false;
    kept_[count_++] = message;
    return true;
  }
  // Back into the queue, after everything that was taken out of it.
  void PostAgain() const {
    for (size_t at = 0; at < count_; ++at)
      PostMessageA(kept_[at].hwnd, kept_[at].message, kept_[at].wParam, kept_[at].lParam);
  }

 private:
  MSG kept_[8] = {};
  size_t count_ = 0;
};

// A posted message to the frame or one of its controls runs only when the frame needs it or the
// control says it is its own; anything else posted there is dropped, never kept for later: a
// click, a command, a mouse message, a context-menu request. Messages for the thread's other
// windows (COM's among them) and for the thread itself all run.
void TakePosted(MSG& message, HWND frame, bool paint, const RunsDuringLongWork& controlOwn,
                Deferred& deferred) {
  // The characters of system keys come posted, and go to the frame as the keys did.
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
    TakeInput(message, frame);
    return;
  }
  if (!message.hwnd || (message.hwnd != frame && !IsChild(frame, message.hwnd))) {
    DispatchMessageA(&message);
  } else if (message.hwnd == frame) {
    if (FrameNeeds(message.message)) DispatchMessageA(&message);
  } else if (controlOwn(message)) {
    if (paint || !deferred.Keep(message)) DispatchMessageA(&message);
  }
}

}  // namespace

int RunMessageLoop(const std::function<bool(MSG&)>& preTranslate) {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (preTranslate && preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void AnswerComCalls() {
  HWND apartment = ComApartmentWindow();
  if (!apartment) return;
  MSG call{};
  while (PeekMessageA(&call, apartment, 0, 0, PM_REMOVE)) DispatchMessageA(&call);
}

void PumpDuringLongWork(HWND frame, bool paint, const RunsDuringLongWork& controlOwn) {
  // The user's input in the order it came, so a press on the caption and the moves after it stay
  // together; each PeekMessage answers the messages sent meanwhile first.
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) TakeInput(message, frame);
  AnswerComCalls();
  // What was posted, in the order it came: by another program, by the system (the characters of
  // system keys, the command of Alt+F4) or by the program itself.
  Deferred deferred;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) {
    if (message.message == WM_QUIT) {
      // The message loop ends with it once the work is over; it is the queue's last message.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TakePosted(message, frame, paint, controlOwn, deferred);
  }
  deferred.PostAgain();
  if (!paint) return;
  while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace tarnwick
