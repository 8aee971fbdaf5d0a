#include "toolkit/win32/grid/GridPeer.h"

#include "toolkit/win32/PopupMenuPeer.h"

namespace tarnwick {

GridPeer::GridPeer(GridBox& box)
    : NativePeer(box),
      box_(box),
      grid_(box.Model(), box.DesignWidths(), box.DesignRowHeight(), box.DesignSpacing()) {
  grid_.OnContextMenu = [this](POINT screen) { ShowPopupMenu(screen); };
}

HWND GridPeer::Create(HWND parent, int controlId, HFONT font, Scale scale) {
  const Bounds bounds = box_.GetBounds();
  grid_.SetAccessibleName(box_.AccessibleName());
  Attach(grid_.Create(parent, controlId, {bounds.left, bounds.top, bounds.Right(), bounds.Bottom()},
                      font, scale));
  return Handle();
}

void GridPeer::Rescale(HFONT font, Scale scale) { grid_.Rescale(font, scale); }

void GridPeer::ShowPopupMenu(POINT screen) {
  const PopupMenu* menu = box_.PopupMenuModel();
  if (!menu) return;
  // The item runs once the menu's own loop is over.
  if (const MenuItem* item = TrackPopupMenuModel(GetAncestor(Handle(), GA_ROOT), *menu, screen))
    item->Click();
}

}  // namespace tarnwick
