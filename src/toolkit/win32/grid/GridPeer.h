#pragma once
// The native peer of a grid box: it owns the grid window that shows the box's model, and opens
// the box's menu where the user asks for it.
#include "toolkit/GridBox.h"
#include "toolkit/win32/NativePeer.h"
#include "toolkit/win32/grid/GridControl.h"
#include "toolkit/win32/grid/GridMessages.h"

namespace tarnwick {

class GridPeer final : public NativePeer {
 public:
  explicit GridPeer(GridBox& box);

  HWND Create(HWND parent, int controlId, HFONT font, Scale scale) override;
  void Rescale(HFONT font, Scale scale) override;
  void BlockInput(bool blocked) override { grid_.BlockInput(blocked); }
  // The scroll bars and the screen reader follow the rows a listing adds.
  bool RunsWhileBlocked(UINT message) const override { return message == kCatchUpMessage; }

 private:
  void ShowPopupMenu(POINT screen);

  GridBox& box_;
  GridControl grid_;
};

}  // namespace tarnwick
