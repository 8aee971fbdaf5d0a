#pragma once
// Reading a window's text as another program or a screen reader reads it.
#include <windows.h>

#include <string>

namespace tarnwick::testing {

// The window's whole text, through WM_GETTEXTLENGTH and WM_GETTEXT; empty for no window.
inline std::string TextOf(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(copied));
  return text;
}

}  // namespace tarnwick::testing
