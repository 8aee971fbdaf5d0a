#pragma once
// The form's font at the screen's density, and the scale its layout takes from it.
#include <windows.h>

#include <utility>

namespace tarnwick {

// Owns its font: deleted with the object, or when another is moved in.
struct ScreenFont {
  HFONT font = nullptr;
  // Controls are scaled by num / den: the height of the digit "0" in the font, over its height
  // (13) in the design font at 96 dots per inch.
  int scaleNum = 1;
  int scaleDen = 1;

  ScreenFont() = default;
  ScreenFont(const ScreenFont&) = delete;
  ScreenFont& operator=(const ScreenFont&) = delete;
  ScreenFont(ScreenFont&& other) noexcept { *this = std::move(other); }
  ScreenFont& operator=(ScreenFont&& other) noexcept;
  ~ScreenFont();
};

// The density of the screen the program started on, in dots per inch.
int ScreenDpi();

// `designHeight` is the font's character height in pixels at 96 dots per inch; `dpi` the density
// to make it for.
ScreenFont CreateScreenFont(const char* faceName, int designHeight, int dpi);

}  // namespace tarnwick
