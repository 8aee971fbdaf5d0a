#pragma once
// Finding the window of a program that a test started.
#include <windows.h>

namespace tarnwick::testing {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

inline BOOL CALLBACK MatchVisibleWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible top-level window of the process, or null while it has none.
inline HWND VisibleWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace tarnwick::testing
