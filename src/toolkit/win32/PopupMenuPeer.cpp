#include "toolkit/win32/PopupMenuPeer.h"

namespace tarnwick {

const MenuItem* TrackPopupMenuModel(HWND owner, const PopupMenu& menu, POINT screen) {
  HMENU popup = CreatePopupMenu();
  if (!popup) return nullptr;
  const auto& items = menu.Items();
  // Command 0 means "dismissed", so item i has command i + 1.
  for (size_t i = 0; i < items.size(); ++i) {
    AppendMenuA(popup, MF_STRING, i + 1, items[i]->caption.c_str());
  }
  const BOOL command = TrackPopupMenu(
      popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
      screen.x, screen.y, 0, owner, nullptr);
  DestroyMenu(popup);
  if (command <= 0 || static_cast<size_t>(command) > items.size()) return nullptr;
  return items[static_cast<size_t>(command) - 1];
}

}  // namespace tarnwick
