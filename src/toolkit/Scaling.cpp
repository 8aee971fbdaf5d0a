#include "toolkit/Scaling.h"

#include <cstdint>

namespace tarnwick {

int MulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  const int64_t product = int64_t{a} * b;
  const int64_t half = (c < 0 ? -int64_t{c} : int64_t{c}) / 2;
  const bool negative = (product < 0) != (c < 0);
  const int64_t magnitude =
      ((product < 0 ? -product : product) + half) / (c < 0 ? -int64_t{c} : int64_t{c});
  return static_cast<int>(negative ? -magnitude : magnitude);
}

int ScaledFontHeight(int designHeight, int dpi) {
  return MulDivRound(designHeight, dpi, kDesignDpi);
}

Bounds ScaledBounds(Bounds bounds, int num, int den) {
  const int left = MulDivRound(bounds.left, num, den);
  const int top = MulDivRound(bounds.top, num, den);
  return {left, top, MulDivRound(bounds.Right(), num, den) - left,
          MulDivRound(bounds.Bottom(), num, den) - top};
}

Size ScaledSize(Size size, int num, int den) {
  return {MulDivRound(size.width, num, den), MulDivRound(size.height, num, den)};
}

}  // namespace tarnwick
