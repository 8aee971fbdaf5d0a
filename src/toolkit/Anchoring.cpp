#include "toolkit/Anchoring.h"

#include <algorithm>
#include <cstdint>

namespace tarnwick {
namespace {

struct Span {
  int position;
  int extent;
};

Span AnchoredSpan(Span base, int baseParent, int parent, bool nearEdge, bool farEdge) {
  const int growth = parent - baseParent;
  if (nearEdge && farEdge) return {base.position, std::max(0, base.extent + growth)};
  if (farEdge) return {base.position + growth, base.extent};
  if (nearEdge || baseParent <= 0) return base;
  // Twice the centre, so that odd extents keep their exact middle; 64-bit against overflow.
  const int64_t doubledCentre = int64_t{2} * base.position + base.extent;
  const int64_t scaled = doubledCentre * parent / baseParent;
  return {static_cast<int>((scaled - base.extent) / 2), base.extent};
}

}  // namespace

Bounds AnchoredBounds(Bounds base, Size baseParent, Size parent, Anchors anchors) {
  const Span x = AnchoredSpan({base.left, base.width}, baseParent.width, parent.width,
                              (anchors & akLeft) != 0, (anchors & akRight) != 0);
  const Span y = AnchoredSpan({base.top, base.height}, baseParent.height, parent.height,
                              (anchors & akTop) != 0, (anchors & akBottom) != 0);
  return {x.position, y.position, x.extent, y.extent};
}

}  // namespace tarnwick
