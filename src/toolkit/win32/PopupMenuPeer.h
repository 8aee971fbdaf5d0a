#pragma once
// Showing a popup menu model as a native menu.
#include <windows.h>

#include "toolkit/Menu.h"

namespace tarnwick {

// Shows `menu` at `screen` and waits for the user's choice. Returns the chosen item, null when
// the menu was dismissed; the caller runs its click, outside the menu's own message loop.
const MenuItem* TrackPopupMenuModel(HWND owner, const PopupMenu& menu, POINT screen);

}  // namespace tarnwick
