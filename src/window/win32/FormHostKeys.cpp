// The main window's keys and focus: key preview, Tab and the arrow keys between controls, the
// search box's characters, and the focus kept across deactivation.
#include "toolkit/FocusOrder.h"
#include "toolkit/Keys.h"
#include "toolkit/win32/ErrorBox.h"
#include "window/win32/FormHost.h"

namespace tarnwick {
namespace {

// The key codes the form's logic names are the platform's, handed over unchanged.
static_assert(kKeyTab == VK_TAB && kKeyLeft == VK_LEFT && kKeyUp == VK_UP &&
              kKeyRight == VK_RIGHT && kKeyDown == VK_DOWN && kKeyF3 == VK_F3);

ShiftState CurrentShiftState() {
  ShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  return shift;
}

}  // namespace

bool FormHost::PreTranslate(MSG& message) {
  if (!window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return false;
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return KeyDown(message);
    case WM_CHAR:
      return CharTyped(message);
    default:
      return false;
  }
}

bool FormHost::KeyDown(MSG& message) {
  const ShiftState shift = CurrentShiftState();
  auto key = static_cast<uint16_t>(message.wParam);
  RunGuarded(window_, [this, &key, shift] { form_.FormKeyDown(key, shift); });
  if (key == 0) return true;
  message.wParam = key;
  if (message.message != WM_KEYDOWN || (shift & (ssAlt | ssCtrl)) != 0) return false;

  const std::vector<Control*>& controls = form_.Controls();
  if (key == kKeyTab) return MoveFocus(TabKeyTarget(controls, FocusedControl(), shift));
  const Control* focused = FocusedControl();
  if (!focused) return false;
  Control* target = ArrowKeyTarget(controls, *focused, key);
  if (!MoveFocus(target)) return false;
  RunGuarded(window_, [target] { target->FocusedByArrowKey(); });
  return true;
}

bool FormHost::CharTyped(MSG& message) {
  if (message.hwnd != WindowOf(form_.edt_Search)) return false;
  auto key = static_cast<char>(message.wParam);
  RunGuarded(window_, [this, &key] { key = form_.edt_Search.KeyPress(key); });
  if (key == 0) return true;
  message.wParam = static_cast<unsigned char>(key);
  return false;
}

bool FormHost::MoveFocus(Control* target) {
  if (!target) return false;
  HWND window = WindowOf(*target);
  if (!window) return false;
  focus_ = window;
  SetFocus(window);
  return true;
}

Control* FormHost::FocusedControl() const {
  HWND focus = GetFocus();
  for (const auto& peer : peers_) {
    if (peer->Handle() == focus) return &peer->Model();
  }
  return nullptr;
}

void FormHost::Activated(WORD state) {
  if (state == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focus_ = focus;
    return;
  }
  RestoreFocus();
}

void FormHost::RestoreFocus() {
  if (focus_ && IsWindow(focus_)) SetFocus(focus_);
}

}  // namespace tarnwick
