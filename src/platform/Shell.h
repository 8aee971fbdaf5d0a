#pragma once
// Opening a URL or a file with the user's default handler, and the system's beep.
#include <cstdint>

namespace tarnwick {

// The members of the platform's SHELLEXECUTEINFOA that the program sets; every other one is zero.
struct ShellExecuteRequest {
  uint32_t cbSize = 0;
  uint32_t fMask = 0;
  void* hwnd = nullptr;
  const char* lpVerb = nullptr;
  const char* lpFile = nullptr;
  const char* lpParameters = nullptr;
  const char* lpDirectory = nullptr;
  int nShow = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;

  // One ShellExecuteEx call; the result is not reported. A process handle it returns is closed.
  virtual void Execute(const ShellExecuteRequest& request) = 0;
  virtual void MessageBeep(uint32_t type) = 0;
};

}  // namespace tarnwick
