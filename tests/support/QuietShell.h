#pragma once
// A shell for tests that opens nothing and counts the beeps.
#include <cstdint>

#include "platform/Shell.h"

namespace tarnwick::testing {

class QuietShell : public Shell {
 public:
  void Execute(const ShellExecuteRequest&) override {}
  void MessageBeep(uint32_t) override { ++beeps; }
  int beeps = 0;
};

}  // namespace tarnwick::testing
