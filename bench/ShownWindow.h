#pragma once
// Finding the first visible top-level window of a program a start-up benchmark started.
#include <windows.h>

namespace tarnwick::bench {

struct WindowSearch {
  DWORD processId;
  HWND found;
};

inline BOOL CALLBACK FindShownWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
  search.found = window;
  return FALSE;
}

// A visible top-level window of the process, or null while it has none.
inline HWND ShownWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace tarnwick::bench
