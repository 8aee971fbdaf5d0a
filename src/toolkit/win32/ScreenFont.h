#pragma once
// The form's font at the screen's density, and the scale its layout takes from it.
#include <windows.h>

#include <utility>

#include "toolkit/Scaling.h"

namespace tarnwick {

// Owns its font: deleted with the object, or when another is moved in.
struct ScreenFont {
  HFONT font = nullptr;
  // The scale the window is drawn at with this font: its "0" against the design font's.
  Scale scale;

  ScreenFont() = default;
  ScreenFont(const ScreenFont&) = delete;
  ScreenFont& operator=(const ScreenFont&) = delete;
  ScreenFont(ScreenFont&& other) noexcept { *this = std::move(other); }
  ScreenFont& operator=(ScreenFont&& other) noexcept;
  ~ScreenFont();
};

// The density of the screen the program started on, in dots per inch.
int ScreenDpi();

// The density of the monitor `window` is on, in dots per inch. Where the platform cannot tell
// (before Windows 10), the screen's.
int WindowDpi(HWND window);

// `designHeight` is the font's character height and `designZeroHeight` the height of its "0", in
// pixels at 96 dots per inch; `dpi` the density to make it for.
ScreenFont CreateScreenFont(const char* faceName, int designHeight, int designZeroHeight, int dpi);

}  // namespace tarnwick
