#include "toolkit/win32/NativePeer.h"

#include <algorithm>

#include "toolkit/win32/AccessibleName.h"

namespace tarnwick {

NativePeer::NativePeer(Control& model) : model_(model) { model_.SetView(this); }

NativePeer::~NativePeer() { model_.SetView(nullptr); }

HWND NativePeer::Create(HWND parent, int controlId, const PeerWindow& window, HFONT font) {
  const std::string* text = ModelText();
  DWORD style = window.style | WS_CHILD | WS_VISIBLE;
  if (model_.TabStop()) style |= WS_TABSTOP;
  const Bounds bounds = model_.GetBounds();
  window_ = CreateWindowExA(window.exStyle, window.className, text ? text->c_str() : "", style,
                            bounds.left, bounds.top, std::max(0, bounds.width),
                            std::max(0, bounds.height), parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                            GetModuleHandleA(nullptr), nullptr);
  if (window_) {
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (!model_.AccessibleName().empty()) AnnotateAccessibleName(window_, model_.AccessibleName());
    Created();
  }
  return window_;
}

void NativePeer::Attach(HWND window) {
  window_ = window;
  ShowBounds();
}

void NativePeer::ControlChanged(ControlAspect aspect) {
  if (!window_) return;
  switch (aspect) {
    case ControlAspect::kBounds:
      ShowBounds();
      break;
    case ControlAspect::kText:
      if (const std::string* text = ModelText()) SetWindowTextA(window_, text->c_str());
      break;
    case ControlAspect::kChecked:
      ShowChecked();
      break;
    case ControlAspect::kTabStop: {
      const LONG_PTR style = GetWindowLongPtrA(window_, GWL_STYLE);
      const LONG_PTR tabStop = WS_TABSTOP;
      SetWindowLongPtrA(window_, GWL_STYLE, model_.TabStop() ? style | tabStop : style & ~tabStop);
      break;
    }
  }
}

void NativePeer::ShowBounds() {
  const Bounds bounds = model_.GetBounds();
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, std::max(0, bounds.width),
               std::max(0, bounds.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tarnwick
