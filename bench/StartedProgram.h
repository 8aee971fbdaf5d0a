#pragma once
// A program a start-up benchmark starts, times until its first visible top-level window, and
// closes again.
#include <windows.h>

#include <chrono>
#include <string>

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

// Started at construction, closed by its window at destruction (terminated when it does not end
// within `closeMs`). Failed() tells whether anything went wrong on the way.
class StartedProgram {
 public:
  StartedProgram(const std::string& program, DWORD closeMs) : closeMs_(closeMs) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    start_ = std::chrono::steady_clock::now();
    started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_) != FALSE;
    failed_ = !started_;
  }
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;
  ~StartedProgram() {
    if (!started_) return;
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process_.hProcess, closeMs_) != WAIT_OBJECT_0)
      TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  // Waits up to `waitMs` for the first visible window, while the process runs; null when none.
  HWND WaitForWindow(DWORD waitMs) {
    const auto deadline = start_ + std::chrono::milliseconds(waitMs);
    while (started_ && !window_ && std::chrono::steady_clock::now() < deadline &&
           WaitForSingleObject(process_.hProcess, 1) == WAIT_TIMEOUT)
      window_ = ShownWindowOf(process_.dwProcessId);
    if (!window_) failed_ = true;
    return window_;
  }
  HANDLE Process() const { return process_.hProcess; }
  double MillisecondsSinceStart() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_)
        .count();
  }
  bool Failed() const { return failed_; }

 private:
  PROCESS_INFORMATION process_{};
  std::chrono::steady_clock::time_point start_;
  HWND window_ = nullptr;
  DWORD closeMs_;
  bool started_ = false;
  bool failed_ = false;
};

}  // namespace tarnwick::bench
