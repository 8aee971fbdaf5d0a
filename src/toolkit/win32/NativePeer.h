#pragma once
// A native child window that shows one control model: the model's changes are pushed to the
// window, and the window's notifications (WM_COMMAND, routed here by the parent) go back to the
// model as user events.
#include <windows.h>

#include <string>

#include "toolkit/Control.h"
#include "toolkit/Scaling.h"

namespace tarnwick {

// How to make the window of a peer.
struct PeerWindow {
  const char* className = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
};

class NativePeer : public ControlView {
 public:
  explicit NativePeer(Control& model, PeerWindow window = {});
  NativePeer(const NativePeer&) = delete;
  NativePeer& operator=(const NativePeer&) = delete;
  ~NativePeer() override;

  // Creates the child window at the model's bounds with the model's text and `font`; `scale` is
  // what the window's density makes of the design, for a control that draws itself.
  virtual HWND Create(HWND parent, int controlId, HFONT font, Scale scale);
  // The window moved to a screen of another density.
  virtual void Rescale(HFONT font, Scale scale);
  // Long work runs: a control whose input could reach the program other than through the
  // message queue (an accessible action, say) drops it meanwhile.
  virtual void BlockInput(bool) {}
  // Whether a message this control posted to itself still runs while long work blocks its
  // input: one that brings the window up to date, never one that acts.
  virtual bool RunsWhileBlocked(UINT) const { return false; }

  HWND Handle() const { return window_; }
  Control& Model() const { return model_; }

  void ControlChanged(ControlAspect aspect) override;

  // Between these two, changes of the model's bounds are held back and the window moves once,
  // to its last bounds, as part of `batch` (from BeginDeferWindowPos), so that every control of
  // a window moves together instead of one by one through in-between places.
  void HoldBounds();
  HDWP MoveWithBatch(HDWP batch);
  // A notification code of WM_COMMAND from this window.
  virtual void Command(WORD) {}

 protected:
  // The text the window shows; null for a window whose text the model does not hold.
  virtual const std::string* ModelText() const { return nullptr; }
  // The window was just made; what the kind of control sets up beyond its text and font.
  virtual void Created() {}
  virtual void ShowChecked() {}
  // Shows a window that the peer made its own way at the model's bounds from now on.
  void Attach(HWND window);

 private:
  void ShowBounds();
  void Announce();

  Control& model_;
  PeerWindow kind_;
  HWND window_ = nullptr;
  bool holdingBounds_ = false;
  bool boundsHeld_ = false;
  bool liveRegion_ = false;
};

}  // namespace tarnwick
