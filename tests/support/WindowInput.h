#pragma once
// Input to a test window as the user gives it: a key pressed and released, and a choice from the
// popup menu, whose modal loop runs inside the message that opens it.
#include <windows.h>

#include <string>
#include <vector>

namespace tarnwick::testing {

// Posts a press and a release of `key` to `target`.
inline void PostKeyPress(HWND target, WPARAM key) {
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, static_cast<LPARAM>(0xC000'0001u));
}

// What a thread timer found in the popup menu before it closed it.
struct MenuProbe {
  std::vector<std::string> captions;
  // The item to choose, from 0; -1 closes the menu with none chosen.
  int choose = -1;
  int ticks = 0;
};
inline MenuProbe menuProbe;

inline void CALLBACK ProbeMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menuWindow = FindWindowA("#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow)) {
    // Five seconds without a menu: the probe stops rather than fire into a later test.
    if (++menuProbe.ticks >= 250) KillTimer(nullptr, timer);
    return;
  }
  KillTimer(nullptr, timer);
  auto menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, 0x01E1 /* MN_GETHMENU */, 0, 0));
  for (int item = 0; item < GetMenuItemCount(menu); ++item) {
    char caption[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(item), caption, sizeof caption, MF_BYPOSITION);
    menuProbe.captions.emplace_back(caption);
  }
  if (menuProbe.choose < 0) {
    EndMenu();
    return;
  }
  for (int step = 0; step <= menuProbe.choose; ++step)
    PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}

// Opens the popup menu of `window` as a right click inside its top left corner does, chooses
// item `choose` (or none) and returns the menu's captions once it has closed.
inline std::vector<std::string> UsePopupMenu(HWND window, int choose = -1) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  menuProbe = {.captions = {}, .choose = choose};
  SetTimer(nullptr, 0, 20, ProbeMenu);
  SendMessageA(window, WM_CONTEXTMENU, 0, MAKELPARAM(bounds.left + 40, bounds.top + 40));
  return menuProbe.captions;
}

}  // namespace tarnwick::testing
