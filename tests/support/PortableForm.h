#pragma once
// The main window's logic over the portable platform: an in-memory URL cache, a fixed locale
// (or one derived from it), Windows-1252 text and a shell that opens nothing. The tests of the
// form's handlers, with a window or without, start from it.
#include <gtest/gtest.h>

#include "platform/portable/Cp1252Text.h"
#include "platform/portable/FixedLocale.h"
#include "platform/portable/MemoryUrlCache.h"
#include "support/RecordingShell.h"
#include "window/Form1.h"

namespace tarnwick::testing {

template <typename LocaleType = FixedLocale>
class PortableFormTest : public ::testing::Test {
 protected:
  MemoryUrlCache cache;
  LocaleType locale;
  Cp1252Text text;
  RecordingShell shell;
  Platform platform{cache, locale, text, shell};
  TForm1 form{platform};
};

}  // namespace tarnwick::testing
