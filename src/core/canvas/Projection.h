#pragma once
// The one pipeline from a 3D point to an image pixel: rotations about x, then
// y, then z; one of three oblique parallel projections; division by the zoom
// scale; a linear map of the world window onto the image; the pan offsets.
// All pure functions of their arguments and the ViewState.
#include "core/geometry/Vector3.h"
#include "core/numbers/Real.h"
#include "core/canvas/CanvasTypes.h"
#include "core/canvas/ViewState.h"

struct ProjectedPoint {
    Real u = 0;  // horizontal, growing to the right
    Real v = 0;  // vertical, growing upwards
};

// Pixels are clamped to this range before the pan offsets.
constexpr int kPixelClamp = 10000;

// Each rotation returns a copy of p (name, colour and path flag kept) with
// x, y, z rotated by the view's angle about that axis.
Vector3 rotateAboutX(const Vector3& p, const ViewState& view);
Vector3 rotateAboutY(const Vector3& p, const ViewState& view);
Vector3 rotateAboutZ(const Vector3& p, const ViewState& view);

ProjectedPoint projectPoint(const Vector3& p, const ViewState& view);

// World-window value to image column/row, clamped to -10000..10000 and
// rounded half to even. Non-finite input never reaches a pixel: +inf maps to
// +10000, -inf to -10000, and NaN to +10000 (far outside the image).
int worldToPixelX(Real u, const ViewState& view);
int worldToPixelY(Real v, const ViewState& view);

// Column = worldToPixelX(u) - offsetX, row = worldToPixelY(v) + offsetY.
PixelPoint pointToPixel(const Vector3& p, const ViewState& view);

// Convenience for callers that only have coordinates.
PixelPoint pointToPixel(Real x, Real y, Real z, const ViewState& view);
