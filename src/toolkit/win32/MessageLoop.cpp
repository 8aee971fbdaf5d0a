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

void DispatchPosted(HWND frame, UINT message) {
  MSG posted{};
  while (PeekMessageA(&posted, frame, message, message, PM_REMOVE)) DispatchMessageA(&posted);
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

void PumpDuringLongWork(HWND frame, bool paint) {
  // The user's input in the order it came, so a press on the caption and the moves after it stay
  // together; each PeekMessage answers the messages sent meanwhile first.
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_INPUT)) TakeInput(message, frame);
  // Keys and clicks that came posted: from another program, or the characters of system keys.
  while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
    TakeInput(message, frame);
  while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  // Alt+F4 posts its command, and another program may post a close request.
  DispatchPosted(frame, WM_SYSCOMMAND);
  DispatchPosted(frame, WM_CLOSE);
  AnswerComCalls();
  if (!paint) return;
  while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageA(&message);
}

}  // namespace tarnwick
