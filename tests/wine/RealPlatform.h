#pragma once
// The program's real platform services as the Wine tests use them, but for the shell, which opens
// nothing and records the beeps.
#include "Win32AnsiText.h"
#include "Win32Locale.h"
#include "WinInetCache.h"
#include "platform/Platform.h"
#include "support/RecordingShell.h"

namespace tarnwick::testing {

struct RealPlatform {
  WinInetCache cache;
  Win32Locale locale;
  Win32AnsiText text;
  RecordingShell shell;
  Platform platform{cache, locale, text, shell};
};

}  // namespace tarnwick::testing
