#pragma once
// The default error report: an exception that escapes an event handler is shown in a message box
// and the program carries on. No exception ever crosses a window procedure.
#include <windows.h>

#include <exception>
#include <new>
#include <string_view>

namespace tarnwick {

// The message with a "." added, an OK button and the stop icon; the caption is the application's
// title: the executable's file name without folder, cut at its first ".", all but the first
// character in lower case. It takes no memory from the heap, so it reports running out of it too.
void ShowErrorBox(HWND owner, std::string_view message) noexcept;

// Runs `handler`; whatever it throws is reported in the error box, owned by `owner`: its message,
// or for memory that ran out, "Out of memory".
template <typename Handler>
void RunGuarded(HWND owner, Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::bad_alloc&) {
    ShowErrorBox(owner, "Out of memory");
  } catch (const std::exception& error) {
    ShowErrorBox(owner, error.what());
  } catch (...) {
    ShowErrorBox(owner, "Unknown error");
  }
}

}  // namespace tarnwick
