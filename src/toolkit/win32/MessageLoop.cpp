#include "toolkit/win32/MessageLoop.h"

namespace tarnwick {

int RunMessageLoop(const std::function<bool(MSG&)>& preTranslate) {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (preTranslate && preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

void PaintDroppingInput() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
  while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  while (PeekMessageA(&message, nullptr, WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK, PM_REMOVE)) {
  }
  // Sent messages (another program reading a window's text, say) are answered inside
  // PeekMessage; posted ones other than input wait for the real loop.
  while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    DispatchMessageA(&message);
  }
}

}  // namespace tarnwick
