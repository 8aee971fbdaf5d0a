#pragma once
// Running a test window's queued messages as the program's message loop runs them.
#include <windows.h>

#include "window/win32/FormHost.h"

namespace tarnwick::testing {

// Handles every message waiting in this thread's queue through `host` first, as the program's
// loop does, and returns once the queue is empty. The WM_QUIT of a closed window is dropped.
inline void PumpMessages(FormHost& host) {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT || host.PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace tarnwick::testing
