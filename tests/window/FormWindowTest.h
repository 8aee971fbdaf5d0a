#pragma once
// The main window in this process, on the session's display, over an in-memory URL cache: what
// the window tests of each job start from.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "support/BoundsPrinting.h"
#include "support/FailingAllocator.h"
#include "support/PortableForm.h"
#include "support/PumpMessages.h"
#include "support/TestEntries.h"
#include "support/WindowInput.h"
#include "support/WindowText.h"
#include "window/win32/FormHost.h"

namespace tarnwick::testing {

inline Bounds BoundsInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// Reading the number settings can be made to fail, as a broken locale setting would.
class FailingLocale : public FixedLocale {
 public:
  NumberSeparators ReadNumberSeparators() override {
    if (failReading) throw std::runtime_error("Unreadable");
    return FixedLocale::ReadNumberSeparators();
  }
  bool failReading = false;
};

class FormWindowTest : public PortableFormTest<FailingLocale> {
 protected:
  FormWindowTest() {
    for (const char* url : {"http://a.example/", "http://b.example/", "http://c.example/"}) {
      cache.Add(TestEntry(url, 0x1));
    }
    cache.Add(TestEntry("Cookie:user@a.example/", 0x0010'0001));
  }

  void SetUp() override {
    ASSERT_TRUE(host.Create());
    host.Show(SW_SHOWNORMAL);
    SetForegroundWindow(host.Handle());
    Pump();
  }

  void Pump() { PumpMessages(host); }

  void Press(UINT key) {
    PostKeyPress(GetFocus(), key);
    Pump();
  }

  HWND Window(const Control& control) const { return host.WindowOf(control); }

  // The host's clock, moved on by hand or by `tick` at every reading, so the timing of progress
  // needs no waiting. Long work reads it once as it starts and once a record; memory can run out
  // at a given reading.
  uint32_t now = 0, tick = 0;
  int clockReads = 0, memoryRunsOutAt = 0;
  // The density of the monitor the window opens on, when not the platform's answer.
  int windowDpi = 0;
  FormHost host{form,
                [this] {
                  if (++clockReads == memoryRunsOutAt) allocationsLeft = 0;
                  return now += tick;
                },
                [this](HWND window) { return windowDpi ? windowDpi : WindowDpi(window); }};
};

}  // namespace tarnwick::testing
