#pragma once
// The program's message loop, and the reduced one that runs while a long handler is busy.
#include <windows.h>

#include <functional>

namespace tarnwick {

// Runs until WM_QUIT and returns its code. `preTranslate` sees every message first and returns
// true for one it handled, which is then neither translated nor dispatched.
int RunMessageLoop(const std::function<bool(MSG&)>& preTranslate);

// Answers the calls that other apartments and processes made to this thread's COM objects (a
// screen reader's, say) and wait in the queue, and nothing else that was posted.
void AnswerComCalls();

// Keeps a busy window a window without any handler of its controls running: answers the
// messages other programs sent and the COM calls made to this thread, passes `frame` its own
// mouse messages on the frame, the system keys (Alt+F4, Alt+Space) and its posted system commands
// and close requests, so the user can move, size, minimise, maximise and close it; throws away
// every other input. Paints what needs painting when `paint` is set.
void PumpDuringLongWork(HWND frame, bool paint);

}  // namespace tarnwick
