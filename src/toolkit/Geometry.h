#pragma once
// Positions and sizes of controls, in pixels of their parent's client area.
#include <cstdint>

namespace tarnwick {

struct Size {
  int width;
  int height;

  bool operator==(const Size&) const = default;
};

struct Bounds {
  int left;
  int top;
  int width;
  int height;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const Bounds&) const = default;
};

// The edges of the parent's client area that a control keeps its distance to on a resize.
enum Anchor : uint8_t {
  akLeft = 1,
  akTop = 2,
  akRight = 4,
  akBottom = 8,
};
using Anchors = uint8_t;

constexpr Anchors kDefaultAnchors = akLeft | akTop;
constexpr Anchors kAllAnchors = akLeft | akTop | akRight | akBottom;
constexpr Anchors kNoAnchors = 0;

}  // namespace tarnwick
