#pragma once
// Where an anchored control goes when its parent's client area changes size.
#include "toolkit/Geometry.h"

namespace tarnwick {

// The bounds of a control that had `base` in a parent of `baseParent` and now sits in a parent
// of `parent`. Per axis: anchored to both edges it stretches with the parent; to the far edge
// only it moves with it; to the near edge only it stays; to neither its centre keeps its share
// of the parent's extent. Widths and heights never drop below 0.
Bounds AnchoredBounds(Bounds base, Size baseParent, Size parent, Anchors anchors);

}  // namespace tarnwick
