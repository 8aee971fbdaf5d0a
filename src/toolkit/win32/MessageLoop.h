#pragma once
// The program's message loop, and the reduced one that runs while a long handler is busy.
#include <windows.h>

#include <functional>

namespace tarnwick {

// Runs until WM_QUIT and returns its code. `preTranslate` sees every message first and returns
// true for one it handled, which is then neither translated nor dispatched.
int RunMessageLoop(const std::function<bool(MSG&)>& preTranslate);

// Paints what needs painting and throws away the user's keyboard and mouse input, so a busy
// handler keeps its window drawn without any other handler running inside it.
void PaintDroppingInput();

}  // namespace tarnwick
