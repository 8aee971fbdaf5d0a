#pragma once
// The program's real platform services as the Wine tests use them. The shell opens nothing and
// counts the beeps.
#include "Win32AnsiText.h"
#include "Win32Locale.h"
#include "WinInetCache.h"
#include "platform/Platform.h"

namespace tarnwick::testing {

class QuietShell : public Shell {
 public:
  void Execute(const ShellExecuteRequest&) override {}
  void MessageBeep(uint32_t) override { ++beeps; }
  int beeps = 0;
};

struct RealPlatform {
  WinInetCache cache;
  Win32Locale locale;
  Win32AnsiText text;
  QuietShell shell;
  Platform platform{cache, locale, text, shell};
};

}  // namespace tarnwick::testing
