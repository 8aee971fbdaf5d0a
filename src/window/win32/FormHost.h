#pragma once
// The main window on Win32: the top-level window, a native peer for every control model of the
// form, and the routing of the user's input to the form's handlers. Each message is decoded here
// and handed to one named method; what the program does lives in TForm1. The methods are spread
// by job: creation and density (FormHost.cpp), message routing (FormHostMessages.cpp), keys and
// focus (FormHostKeys.cpp) and long work (FormHostBusy.cpp).
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/win32/NativePeer.h"
#include "toolkit/win32/ScreenFont.h"
#include "window/Form1.h"

namespace tarnwick {

class FormHost final : public BusyMonitor {
 public:
  // Milliseconds from an arbitrary start; what long work does between records is timed by it.
  using Clock = std::function<uint32_t()>;
  // The density of the monitor a window is on, in dots per inch.
  using Density = std::function<int(HWND)>;

  explicit FormHost(TForm1& form, Clock clock = GetTickCount, Density density = WindowDpi);
  FormHost(const FormHost&) = delete;
  FormHost& operator=(const FormHost&) = delete;
  ~FormHost() override;

  // Makes the window and its controls, still hidden, and runs FormCreate, which lists the first
  // view. A first listing still running after half a second shows the window with `showCommand`
  // and finishes in view. False when the window could not be made.
  bool Create(int showCommand = SW_SHOWNORMAL);
  // Shows the window as the program's start-up command asks: maximised, minimised without
  // activation, or normally. Not once it is closing, and not again once it is shown.
  void Show(int showCommand);
  HWND Handle() const { return window_; }
  HWND WindowOf(const Control& control) const;

  // Sees every message of the loop before it is dispatched: key preview, Tab and the arrow keys
  // between controls, and the search box's characters. True for a message it consumed.
  bool PreTranslate(MSG& message);

  void BusyStarted(BusyWork work) override;
  bool BusyStep(const std::function<void(BusyCaption)>& writeStatus) override;
  void BusyFinished() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void CreateControls();
  // Shows the window, which paints later, unless it is closing or shown already. False when it
  // is closing.
  bool ShowFrame(int showCommand);
  void SetClientSize(Size client);
  void Command(HWND control, WORD code);
  void Resized(WPARAM type, int width, int height);
  void LayOut(const std::function<void()>& change);
  void Activated(WORD state);
  void DpiChanged(int dpi, const RECT& suggested);
  void RestoreFocus();
  bool CloseRequested();
  void Enabled();
  void SessionEnding();
  void Destroyed();

  bool KeyDown(MSG& message);
  bool CharTyped(MSG& message);
  bool MoveFocus(Control* target);
  Control* FocusedControl() const;

  TForm1& form_;
  HWND window_ = nullptr;
  ScreenFont font_;
  // One per control of the form, in the form's order.
  std::vector<std::unique_ptr<NativePeer>> peers_;
  bool controlsCreated_ = false;
  // The control that gets the focus back when the window is activated again.
  HWND focus_ = nullptr;
  Clock clock_;
  Density density_;
  // A listing or a Clear is running: no handler may run, and a close request waits or stops it.
  BusyState busy_;
  // A close request was posted when the work ended: the window is not to be shown any more.
  bool closing_ = false;
  // A close request came while a modal box of ours was up; it is carried out once the box goes.
  bool closeWhenEnabled_ = false;
  // While the first listing runs, how to show the window if it runs long.
  bool creating_ = false;
  int startShowCommand_ = SW_SHOWNORMAL;
};

}  // namespace tarnwick
