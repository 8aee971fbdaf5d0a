#pragma once
// Opening a URL or a file with the user's default handler, and the system's beep.
#include <cstdint>

namespace tarnwick {

// The size of the platform's SHELLEXECUTEINFOA, which holds seven pointers and handles: 60 bytes in
// a 32-bit program, 112 in a 64-bit one.
inline constexpr uint32_t kShellExecuteInfoSize = sizeof(void*) == 4 ? 60 : 112;
// The SEE_MASK_* flags the program sets.
inline constexpr uint32_t kMaskInvokeIdList = 0x0C;
inline constexpr uint32_t kMaskNoCloseProcess = 0x40;
inline constexpr uint32_t kMaskFlagNoUi = 0x400;

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
  // The system sound of a message box of this type; 0 the default one.
  virtual void Beep(uint32_t type) = 0;
};

}  // namespace tarnwick
