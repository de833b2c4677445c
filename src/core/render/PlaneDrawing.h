#pragma once
// Planes of space: a triangle through the three trace points, or a strip,
// square or parallelogram of the view's plane extent, with dotted guides.
#include <string>
#include <string_view>

#include "core/geometry/Vector3.h"
#include "core/render/DrawHost.h"

inline constexpr std::string_view kNullSpanMessage =
    "Spannvektoren dürfen nicht Nullvektor sein !";

// Brush style of plane k (1..5) when surfaces are hatched.
BrushStyle planeBrushStyle(int k);

// "Ebene E1" .. "Ebene E5", the plane's name as an object of the picture.
std::string planeObjectName(int k);

// Draws a x + b y + c z = d in the colour, with the brush style of plane k
// (outline only when hatching is off). For k = 1, 2 the plane fields are
// re-read first; the drawing uses the coefficients passed in. a = b = c = 0
// draws nothing.
void drawPlaneByEquation(DrawContext& ctx, Colour colour, int k, Real a, Real b, Real c, Real d);

// Plane k (3..5) in parameter form p + r u + s v, in plane k's colour. For
// k = 5 the plane fields are re-read first and E5 as rebuilt is drawn. A
// null spanning vector shows the message and sets failed; otherwise failed
// is cleared. Parallel spanning vectors draw nothing, silently.
void drawParametricPlane(DrawContext& ctx, int k, Vector3 p, Vector3 u, Vector3 v,
                          bool& failed);
