#pragma once
// The real program, started as a user starts it and read from outside, as another program or a
// screen reader reads it; at the end closed by its window as a user closes it.
#include <windows.h>

#include <string>

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

// The first visible top-level window of the process, waited for up to ten seconds.
inline HWND WaitForWindow(DWORD processId) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    WindowSearch search{processId, nullptr};
    EnumWindows(MatchVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

struct ChildSearch {
  const char* className;
  LONG_PTR style;
  HWND found;
};

inline BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
  auto* search = reinterpret_cast<ChildSearch*>(param);
  char className[32] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, search->className) != 0) return TRUE;
  if ((GetWindowLongPtrA(child, GWL_STYLE) & search->style) != search->style) return TRUE;
  search->found = child;
  return FALSE;
}

// The child of `window` of that class whose style has all of `style`'s bits.
inline HWND ChildOf(HWND window, const char* className, LONG_PTR style = 0) {
  ChildSearch search{className, style, nullptr};
  EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The search box: the edit box that is not the detail box.
inline HWND SearchBox(HWND form) {
  HWND edit = nullptr;
  while ((edit = FindWindowExA(form, edit, "Edit", nullptr)) &&
         (GetWindowLongPtrA(edit, GWL_STYLE) & ES_MULTILINE)) {
  }
  return edit;
}

// The main window's status line as another program reads it, waiting no longer than a second for
// the answer.
inline std::string StatusOf(HWND form) {
  char text[128] = {};
  DWORD_PTR length = 0;
  SendMessageTimeoutA(ChildOf(form, "Static"), WM_GETTEXT, sizeof text,
                      reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 1000, &length);
  return text;
}

// Waits up to ten seconds until the status line does, or does not, start with `prefix`.
inline bool WaitForStatus(HWND form, const char* prefix, bool starting = true) {
  for (int wait = 0; wait < 1000; ++wait) {
    if (StatusOf(form).starts_with(prefix) == starting) return true;
    Sleep(10);
  }
  return false;
}

class StartedProgram {
 public:
  // Starts the program and waits for its window to show.
  explicit StartedProgram(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process_))
      window_ = WaitForWindow(process_.dwProcessId);
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;
  ~StartedProgram() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  HWND Window() const { return window_; }
  // Waits up to `waitMs` for the program to end; its exit code, or -1 when it did not end in
  // time.
  long Exit(DWORD waitMs = 10000) {
    if (WaitForSingleObject(process_.hProcess, waitMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<long>(code);
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

}  // namespace tarnwick::testing
