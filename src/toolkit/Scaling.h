#pragma once
// Laying out a window designed at 96 dots per inch on a screen of another density.
#include "toolkit/Geometry.h"

namespace tarnwick {

constexpr int kDesignDpi = 96;

// a * b / c rounded half away from zero, as the platform's MulDiv; 0 when c is 0.
int MulDivRound(int a, int b, int c);

// How much larger than the 96-dpi design a window is drawn: num / den, from its font's "0"
// against the design font's. Always the scale against the design, never against the last one.
struct Scale {
  int num = 1;
  int den = 1;
  // A length of the design, in pixels at this scale.
  int Of(int designPixels) const { return MulDivRound(designPixels, num, den); }
  // The factor that takes what is drawn at `from` to this scale.
  Scale StepFrom(Scale from) const { return {num * from.den, den * from.num}; }
};

// The font height for a screen of `dpi` dots per inch.
int ScaledFontHeight(int designHeight, int dpi);

// Bounds scaled by num / den. The right and bottom edges are scaled as edges, not as sizes, so
// controls that touch or align at design time still do.
Bounds ScaledBounds(Bounds bounds, int num, int den);
Size ScaledSize(Size size, int num, int den);

}  // namespace tarnwick
