#include "toolkit/win32/NativePeer.h"

#include <algorithm>

#include "toolkit/win32/AccessibleName.h"

namespace tarnwick {
namespace {

// The moved window repaints all of itself, frame included: the bits the system would copy
// along hold only what was visible at the old place, and whatever the parent's edge or a
// sibling cut off there would stay on the screen, never painted again.
constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS;

}  // namespace

NativePeer::NativePeer(Control& model, PeerWindow window) : model_(model), kind_(window) {
  model_.SetView(this);
}

NativePeer::~NativePeer() { model_.SetView(nullptr); }

HWND NativePeer::Create(HWND parent, int controlId, HFONT font, Scale) {
  const std::string* text = ModelText();
  DWORD style = kind_.style | WS_CHILD | WS_VISIBLE;
  if (model_.TabStop()) style |= WS_TABSTOP;
  const Bounds bounds = model_.GetBounds();
  window_ = CreateWindowExA(
      kind_.exStyle, kind_.className, text ? text->c_str() : "", style, bounds.left, bounds.top,
      std::max(0, bounds.width), std::max(0, bounds.height), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleA(nullptr), nullptr);
  if (window_) {
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!model_.AccessibleName().empty()) AnnotateAccessibleName(window_, model_.AccessibleName());
    Created();
  }
  return window_;
}

void NativePeer::Rescale(HFONT font, Scale) {
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void NativePeer::Attach(HWND window) {
  window_ = window;
  ShowBounds();
}

void NativePeer::ControlChanged(ControlAspect aspect) {
  if (!window_) return;
  switch (aspect) {
    case ControlAspect::kBounds:
      if (holdingBounds_) {
        boundsHeld_ = true;
      } else {
        ShowBounds();
      }
      break;
    case ControlAspect::kText:
      if (const std::string* text = ModelText()) SetWindowTextA(window_, text->c_str());
      break;
    case ControlAspect::kChecked:
      ShowChecked();
      break;
    case ControlAspect::kAnnouncement:
      Announce();
      break;
    case ControlAspect::kTabStop: {
      const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
      const LONG_PTR tabStop = WS_TABSTOP;
      SetWindowLongPtrA(window_, GWL_STYLE, model_.TabStop() ? style | tabStop : style & ~tabStop);
      break;
    }
  }
}

void NativePeer::Announce() {
  // A screen reader reads a live region's new text once it finishes what it is saying, when the
  // region is polite; it learns that from the window's annotation, made before the first event.
  // Where the platform cannot annotate, the event still reaches those who listen for it.
  if (!liveRegion_) {
    AnnotatePoliteLiveRegion(window_);
    liveRegion_ = true;
  }
  NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window_, OBJID_CLIENT, CHILDID_SELF);
}

void NativePeer::HoldBounds() { holdingBounds_ = true; }

HDWP NativePeer::MoveWithBatch(HDWP batch) {
  holdingBounds_ = false;
  if (!boundsHeld_ || !window_) return batch;
  boundsHeld_ = false;
  if (!batch) {
    ShowBounds();
    return batch;
  }
  const Bounds bounds = model_.GetBounds();
  return DeferWindowPos(batch, window_, nullptr, bounds.left, bounds.top, std::max(0, bounds.width),
                        std::max(0, bounds.height), kMoveFlags);
}

void NativePeer::ShowBounds() {
  const Bounds bounds = model_.GetBounds();
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, std::max(0, bounds.width),
               std::max(0, bounds.height), kMoveFlags);
}

}  // namespace tarnwick
