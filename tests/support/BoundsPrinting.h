#pragma once
// Bounds as GoogleTest prints them in a failure: {left, top, width, height}.
#include <ostream>

#include "toolkit/Geometry.h"

namespace tarnwick {

inline void PrintTo(const Bounds& b, std::ostream* os) {
  *os << "{" << b.left << ", " << b.top << ", " << b.width << ", " << b.height << "}";
}

}  // namespace tarnwick
