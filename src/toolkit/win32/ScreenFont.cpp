#include "toolkit/win32/ScreenFont.h"

namespace tarnwick {

ScreenFont& ScreenFont::operator=(ScreenFont&& other) noexcept {
  if (this == &other) return *this;
  if (font) DeleteObject(font);
  font = std::exchange(other.font, nullptr);
  scale = other.scale;
  return *this;
}

ScreenFont::~ScreenFont() {
  if (font) DeleteObject(font);
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int WindowDpi(HWND window) {
  // Looked up, not linked, so the program still starts where the call is missing.
  using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowCall>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  if (getDpiForWindow) {
    if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

ScreenFont CreateScreenFont(const char* faceName, int designHeight, int designZeroHeight, int dpi) {
  HDC screen = GetDC(nullptr);
  ScreenFont result;
  // A negative height asks for the character height, without the internal leading.
  result.font = CreateFontA(-ScaledFontHeight(designHeight, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                            FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, faceName);
  HGDIOBJ previous = SelectObject(screen, result.font);
  SIZE zero{};
  if (GetTextExtentPoint32A(screen, "0", 1, &zero) && zero.cy > 0) {
    result.scale = {static_cast<int>(zero.cy), designZeroHeight};
  }
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return result;
}

}  // namespace tarnwick
