#pragma once
// The form's font at the screen's density, and the scale its layout takes from it.
#include <windows.h>

namespace tarnwick {

struct ScreenFont {
  HFONT font = nullptr;
  // Controls are scaled by num / den: the height of the digit "0" in the font, over its height
  // (13) in the design font at 96 dots per inch.
  int scaleNum = 1;
  int scaleDen = 1;
};

// The density of the screen the program started on, in dots per inch.
int ScreenDpi();

// `designHeight` is the font's character height in pixels at 96 dots per inch; `dpi` the density
// to make it for. The caller owns the font.
ScreenFont CreateScreenFont(const char* faceName, int designHeight, int dpi);

}  // namespace tarnwick
