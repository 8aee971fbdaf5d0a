// The main window's messages, each decoded and handed to one named method.
#include "toolkit/win32/ErrorBox.h"
#include "toolkit/win32/WindowClass.h"
#include "window/win32/FormHost.h"

namespace tarnwick {

LRESULT CALLBACK FormHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* host = WindowObject<FormHost>(window, message, lParam);
  if (!host) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCCREATE) host->window_ = window;
  // The guard around every handler this window's messages run: nothing thrown may cross into
  // the system's message dispatch. The error box reports it and the window carries on. The
  // host's calls outside a message and the grid's own messages are guarded where they are made.
  LRESULT result = 0;
  RunGuarded(window, [&] { result = host->HandleMessage(message, wParam, lParam); });
  return result;
}

LRESULT FormHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The last message unbinds the window, and its default handling still needs the handle.
  HWND window = window_;
  switch (message) {
    case WM_COMMAND:
      if (lParam) Command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      if (CloseRequested()) break;
      return 0;
    case WM_ENABLE:
      if (wParam) Enabled();
      break;
    case WM_ENDSESSION:
      if (wParam) SessionEnding();
      break;
    case WM_SIZE:
      Resized(wParam, LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_DPICHANGED:
      DpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_ACTIVATE:
      Activated(LOWORD(wParam));
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_SETCURSOR:
      if (!busy_.Busy()) break;
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      return TRUE;
    case WM_SETTINGCHANGE:
      form_.SettingsChanged();
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      Destroyed();
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void FormHost::Destroyed() {
  UnbindWindowObject(window_);
  window_ = nullptr;
  form_.SetHandle(nullptr);
}

bool FormHost::CloseRequested() {
  // A modal box of ours is up (the error box, say): its own loop would carry out the close and
  // take the box with the window before anyone read it. The close waits for the box to go.
  if (!IsWindowEnabled(window_)) {
    closeWhenEnabled_ = true;
    return false;
  }
  return busy_.CloseRequested();
}

void FormHost::Enabled() {
  if (closeWhenEnabled_) closeWhenEnabled_ = !PostMessageA(window_, WM_CLOSE, 0, 0);
}

void FormHost::Command(HWND control, WORD code) {
  // Busy, only text edits pass, so the models stay in step with their boxes; every other
  // notification (a click sent by another program, say) would run a handler inside the work.
  if (busy_.Busy() && code != EN_CHANGE) return;
  for (const auto& peer : peers_) {
    if (peer->Handle() != control) continue;
    peer->Command(code);
    return;
  }
}

}  // namespace tarnwick
