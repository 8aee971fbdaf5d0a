#pragma once
// The shell's default handlers and the system's beep.
#include "platform/Shell.h"

namespace tarnwick {

class Win32Shell final : public Shell {
 public:
  // Wine reads SEE_MASK_INVOKEIDLIST as "open lpIDList" and fails with code 87 when there is
  // none, where Windows opens lpFile; such a call is repeated once without that flag.
  void Execute(const ShellExecuteRequest& request) override;
  void Beep(uint32_t type) override;
};

}  // namespace tarnwick
