#include "toolkit/Control.h"

#include "toolkit/Anchoring.h"
#include "toolkit/Scaling.h"

namespace tarnwick {

void Control::SetBounds(Bounds bounds) {
  anchorBase_ = bounds;
  parentBase_ = parent_;
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed(ControlAspect::kBounds);
}

void Control::SetParentSize(Size parent) {
  parent_ = parent;
  parentBase_ = parent;
  anchorBase_ = bounds_;
}

void Control::ParentResized(Size parent) {
  parent_ = parent;
  const Bounds bounds = AnchoredBounds(anchorBase_, parentBase_, parent, anchors_);
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed(ControlAspect::kBounds);
}

void Control::ScaleBy(int num, int den) {
  // The anchors' base is scaled, not the bounds they gave: scaling back by the inverse factor
  // then restores every control exactly, however the window was resized in between.
  Bounds base = ScaledBounds(anchorBase_, num, den);
  // Tied to neither edge of an axis, a control has a fixed extent there, whatever code moves it
  // to: scaled as a size, it too comes back exactly.
  if ((anchors_ & (akLeft | akRight)) == 0) base.width = MulDivRound(anchorBase_.width, num, den);
  if ((anchors_ & (akTop | akBottom)) == 0) base.height = MulDivRound(anchorBase_.height, num, den);
  anchorBase_ = base;
  parentBase_ = ScaledSize(parentBase_, num, den);
  ParentResized(ScaledSize(parent_, num, den));
}

void Control::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  Changed(ControlAspect::kTabStop);
}

void Control::Changed(ControlAspect aspect) {
  if (view_) view_->ControlChanged(aspect);
}

}  // namespace tarnwick
