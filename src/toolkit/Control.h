#pragma once
// What every control of a window is, whatever its kind: where it sits, which edges of its parent
// it follows on a resize, whether it takes the focus, and the view that shows it. Models never
// see a window; a view (the native peer) is told what changed and shows it.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "toolkit/Geometry.h"

namespace tarnwick {

// What changed in a control, so that its view redoes only that. kAnnouncement: the new text is the
// outcome of work the user waited for, which assistive technology reads out unasked.
enum class ControlAspect : uint8_t { kBounds, kText, kChecked, kTabStop, kAnnouncement };

// Which kind of control a model is, fixed by its class, so that a view of the right kind can be
// made for it without asking the model's type.
enum class ControlKind : uint8_t { kOther, kButton, kRadioButton, kLabel, kEdit, kMemo, kGrid };

class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void ControlChanged(ControlAspect aspect) = 0;
};

class Control {
 public:
  explicit Control(ControlKind kind = ControlKind::kOther) : kind_(kind) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }

  // The text the control shows as its name; controls that show none ignore it.
  virtual void SetCaption(std::string /*caption*/) {}

  Bounds GetBounds() const { return bounds_; }
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  // Placing a control from code also makes its new distances to the parent's edges the ones its
  // anchors keep from then on.
  void SetBounds(Bounds bounds);
  void SetLeft(int left) { SetBounds({left, bounds_.top, bounds_.width, bounds_.height}); }
  void SetTop(int top) { SetBounds({bounds_.left, top, bounds_.width, bounds_.height}); }

  void SetAnchors(Anchors anchors) { anchors_ = anchors; }

  // The parent's client size the current bounds belong to; the next resize is measured from it.
  void SetParentSize(Size parent);
  // Lays the control out for a new client size of its parent, computed from the bounds it was
  // last placed at, so that shrinking and growing back restores every control exactly.
  void ParentResized(Size parent);
  // Scales position and size by num / den, the parent's size with them; the distances the
  // anchors keep scale too.
  void ScaleBy(int num, int den);

  // Whether the keyboard can bring the focus to it; a window's tab order is the order of its
  // controls. A label never takes the focus.
  bool TakesFocus() const { return kind_ != ControlKind::kLabel; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  // Buttons and radio buttons pass the arrow keys on as focus moves.
  virtual bool ArrowKeysMoveFocus() const { return false; }
  // The focus arrived by an arrow key; a radio button then reports a click.
  virtual void FocusedByArrowKey() {}
  // Where the control reports the user's click; null for a control that is never clicked.
  virtual std::function<void()>* ClickEvent() { return nullptr; }

  // What assistive technology calls a control that shows no caption saying what it is; empty
  // for the others. Its view applies it when it makes the native control.
  const std::string& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::string name) { accessibleName_ = std::move(name); }

  void SetView(ControlView* view) { view_ = view; }

 protected:
  void Changed(ControlAspect aspect);

 private:
  ControlKind kind_;
  Bounds bounds_{};
  Anchors anchors_ = kDefaultAnchors;
  // The bounds and parent size that anchoring measures from.
  Bounds anchorBase_{};
  Size parentBase_{};
  Size parent_{};
  bool tabStop_ = false;
  std::string accessibleName_;
  ControlView* view_ = nullptr;
};

}  // namespace tarnwick
