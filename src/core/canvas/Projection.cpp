#include "core/canvas/Projection.h"

#include <cmath>
#include <numbers>

namespace {

Real radians(Real degrees) { return degrees * std::numbers::pi_v<Real> / 180.0L; }

// Clamp before rounding so that neither an overflowing nor a non-finite value
// can reach the integer conversion. NaN compares false with everything and
// so is caught explicitly.
int clampAndRound(Real r) {
    if (std::isnan(r)) return kPixelClamp;
    if (r > kPixelClamp) return kPixelClamp;
    if (r < -kPixelClamp) return -kPixelClamp;
    return static_cast<int>(std::nearbyint(r));
}

struct Coords {
    Real x, y, z;
};

Coords rotX(Coords p, Real degrees) {
    const Real a = radians(degrees);
    const Real s = std::sin(a), c = std::cos(a);
    return {p.x, p.y * c - p.z * s, p.y * s + p.z * c};
}

Coords rotY(Coords p, Real degrees) {
    const Real b = radians(degrees);
    const Real s = std::sin(b), c = std::cos(b);
    return {p.x * c + p.z * s, p.y, p.z * c - p.x * s};
}

Coords rotZ(Coords p, Real degrees) {
    const Real g = radians(degrees);
    const Real s = std::sin(g), c = std::cos(g);
    return {p.x * c - p.y * s, p.x * s + p.y * c, p.z};
}

Vector3 withCoords(const Vector3& p, Coords c) {
    Vector3 r = p;
    r.x = c.x;
    r.y = c.y;
    r.z = c.z;
    return r;
}

}  // namespace

Vector3 rotateAboutX(const Vector3& p, const ViewState& view) {
    return withCoords(p, rotX({p.x, p.y, p.z}, view.rotationX));
}

Vector3 rotateAboutY(const Vector3& p, const ViewState& view) {
    return withCoords(p, rotY({p.x, p.y, p.z}, view.rotationY));
}

Vector3 rotateAboutZ(const Vector3& p, const ViewState& view) {
    return withCoords(p, rotZ({p.x, p.y, p.z}, view.rotationZ));
}

ProjectedPoint projectPoint(const Vector3& p, const ViewState& view) {
    // Always all three rotations, always x, then y, then z.
    const Coords q =
        rotZ(rotY(rotX({p.x, p.y, p.z}, view.rotationX), view.rotationY), view.rotationZ);
    const Real S = view.zoomScale;
    ProjectedPoint out;
    switch (view.projectionSystem) {
    case 2:
        out.u = (-0.5L * q.x + q.y) / S;
        out.v = (-0.25L * q.x + q.z) / S;
        break;
    case 3:
        out.u = 0.9L * ((-0.7L * q.x + 0.9L * q.y) / S);
        out.v = 0.9L * ((-0.4L * q.x - 0.2L * q.y + q.z) / S);
        break;
    default:  // system 1; the view never holds another value
        out.u = (-0.5L * q.x + q.y) / S;
        out.v = (-0.5L * q.x + q.z) / S;
        break;
    }
    return out;
}

int worldToPixelX(Real u, const ViewState& view) {
    const Real r = (u - view.worldXMin) / (view.worldXMax - view.worldXMin) *
                   static_cast<Real>(view.imagePixelWidth - 1);
    return clampAndRound(r);
}

int worldToPixelY(Real v, const ViewState& view) {
    const Real r = (view.worldYMax - v) / (view.worldYMax - view.worldYMin) *
                   static_cast<Real>(view.imagePixelHeight - 1);
    return clampAndRound(r);
}

PixelPoint pointToPixel(const Vector3& p, const ViewState& view) {
    const ProjectedPoint pp = projectPoint(p, view);
    return {worldToPixelX(pp.u, view) - view.offsetX, worldToPixelY(pp.v, view) + view.offsetY};
}

PixelPoint pointToPixel(Real x, Real y, Real z, const ViewState& view) {
    Vector3 p;
    p.x = x;
    p.y = y;
    p.z = z;
    return pointToPixel(p, view);
}
