#pragma once
// Everything the program asks of the operating system, in one place for the main window.
#include "platform/AnsiText.h"
#include "platform/Locale.h"
#include "platform/Shell.h"
#include "platform/UrlCache.h"

namespace tarnwick {

struct Platform {
  UrlCache& cache;
  Locale& locale;
  AnsiText& text;
  Shell& shell;
};

}  // namespace tarnwick
