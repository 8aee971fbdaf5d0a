// The grid window's side of assistive technology: handing out the table object, and telling
// whoever listens that the current row moved or the rows changed.
#include "toolkit/grid/GridAccessibleLayout.h"
#include "toolkit/win32/grid/GridControl.h"

namespace tarnwick {

LRESULT GridControl::AccessibleObject(WPARAM flags, LPARAM objectId) {
  // The object id arrives as a 32-bit value, not sign-extended on 64-bit Windows.
  if (static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT))
    return DefWindowProcA(window_, WM_GETOBJECT, flags, objectId);
  if (!accessLink_) accessLink_ = std::make_shared<GridAccessLink>(GridAccessLink{this});
  IAccessible* table = NewTableAccessible(accessLink_);
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, table);
  table->Release();
  return result;
}

void GridControl::DisconnectAccessibleObjects() {
  if (accessLink_) accessLink_->grid = nullptr;
  accessLink_.reset();
}

// The focus event names the current row only while the grid has the keyboard focus: a screen
// reader follows focus events, and the search box or a view button keep the focus while a search
// or a listing moves the row. The system itself announces the grid when it takes the focus.
void GridControl::RaiseAccessibleEvents() {
  const LONG current = ChildOfRow(table_.Row());
  if (reorderEventPending_)
    NotifyWinEvent(EVENT_OBJECT_REORDER, window_, OBJID_CLIENT, CHILDID_SELF);
  if (selectionEventPending_)
    NotifyWinEvent(EVENT_OBJECT_SELECTION, window_, OBJID_CLIENT, current);
  if (focusEventPending_ && GetFocus() == window_)
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, current);
  reorderEventPending_ = selectionEventPending_ = focusEventPending_ = false;
}

}  // namespace tarnwick
