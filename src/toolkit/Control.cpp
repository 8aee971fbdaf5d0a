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
  parent_ = ScaledSize(parent_, num, den);
  SetBounds(ScaledBounds(bounds_, num, den));
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
