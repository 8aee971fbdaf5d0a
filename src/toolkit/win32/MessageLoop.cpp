#include "toolkit/win32/MessageLoop.h"

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

// A posted message to the frame or one of its controls runs only when the frame needs it or the
// control says it is its own; anything else posted there is dropped, never kept for later: a
// click, a command, a mouse message, a context-menu request. Messages for the thread's other
// windows (COM's among them) and for the thread itself all run.
void TakePosted(MSG& message, HWND frame, const RunsDuringLongWork& controlOwn) {
  // The characters of system keys come posted, and go to the frame as the keys did.
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
    TakeInput(message, frame);
    return;
  }
  const bool ours = message.hwnd && (message.hwnd == frame || IsChild(frame, message.hwnd));
  const bool runs = message.hwnd == frame ? FrameNeeds(message.message) : controlOwn(message);
  if (!ours || runs) DispatchMessageA(&message);
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
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE)) {
    if (message.message == WM_QUIT) {
      // The message loop ends with it once the work is over; it is the queue's last message.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TakePosted(message, frame, controlOwn);
  }
  if (!paint) return;
  while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace tarnwick
