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

// Whether a message posted to one of the frame's controls is the control's own business, which
// carries on during long work (a control bringing itself up to date with its model, say).
using RunsDuringLongWork = std::function<bool(const MSG&)>;

// Keeps a busy window a window without any handler of its controls running: answers the
// messages other programs sent and the COM calls made to this thread, passes `frame` its own
// mouse messages on the frame, the system keys (Alt+F4, Alt+Space), its posted system commands,
// close requests and settings changes, so the user can move, size, minimise, maximise and close
// it, and, when it paints, the messages its controls posted themselves (`controlOwn`). Everything
// else that would act on the frame or its controls, input or posted, is thrown away rather than
// kept for after the work. Paints what needs painting when `paint` is set.
void PumpDuringLongWork(HWND frame, bool paint, const RunsDuringLongWork& controlOwn);

}  // namespace tarnwick
