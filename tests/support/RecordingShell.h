#pragma once
// The one shell of the tests: it opens nothing and records every request and beep.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace tarnwick::testing {

struct ShellCall {
  ShellExecuteRequest request;
  std::string file;
  std::string verb;
};

class RecordingShell : public Shell {
 public:
  std::vector<ShellCall> calls;
  std::vector<uint32_t> beeps;

  void Execute(const ShellExecuteRequest& request) override {
    calls.push_back(
        {request, request.lpFile ? request.lpFile : "", request.lpVerb ? request.lpVerb : ""});
  }
  void Beep(uint32_t type) override { beeps.push_back(type); }
};

}  // namespace tarnwick::testing
