#pragma once
// The program's real platform services as the Wine tests use them, but for the shell, which opens
// nothing and counts the beeps.
#include "Win32AnsiText.h"
#include "Win32Locale.h"
#include "WinInetCache.h"
#include "platform/Platform.h"
#include "support/QuietShell.h"

namespace tarnwick::testing {

struct RealPlatform {
  WinInetCache cache;
  Win32Locale locale;
  Win32AnsiText text;
  QuietShell shell;
  Platform platform{cache, locale, text, shell};
};

}  // namespace tarnwick::testing
