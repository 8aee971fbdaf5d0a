#pragma once
// What every window class of ours does the same way: registration once per process, and the C++
// object that answers a window's messages, bound at WM_NCCREATE from lpCreateParams and looked up
// from the window's user data afterwards.
#include <windows.h>

namespace tarnwick {

// Registers the class unless this process already has one of that name; false when it has none.
bool RegisterWindowClassOnce(const char* className, WNDPROC windowProc, HICON icon, HCURSOR cursor,
                             HBRUSH background);

// The object of type T that answers `window`'s messages, or null before WM_NCCREATE and after the
// object unbound itself. At WM_NCCREATE it is taken from the creation parameters and bound.
template <class T>
T* WindowObject(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* object = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
    return object;
  }
  return reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// Ends the binding: later messages (the last ones of a destroyed window) find no object.
inline void UnbindWindowObject(HWND window) { SetWindowLongPtrA(window, GWLP_USERDATA, 0); }

}  // namespace tarnwick
