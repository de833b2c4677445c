#pragma once
// The values of the calculations' cases, computed on the scene read
// exactly: in fractions where the inputs are exact (binary-exact for
// decimals), rounded to extended reals only for the texts. A float
// computation loses every digit where large coordinates cancel (a normal
// vector of a plane through points near 10¹⁵); these do not, and they are
// what the working writes out, so result and working agree.
#include "core/exact/ExactVerdicts.h"
#include "core/geometry/Vector3.h"

namespace exact {

// An exact number whose numerator and denominator have at most 12 digits:
// short enough to be shown as the fraction itself.
bool isReadableFraction(const Number& x);

// The nearest extended reals (x, y, z only).
Vector3 toVector3(const Vec& v);
// √(v·v), rounded once.
Real lengthOf(const Vec& v);
// |v|² as the kernel's squared distance keeps it (numerator over 1).
IncidenceResult distanceResult(std::uint8_t status, const Number& squared);

// S and the line p + t u: t on the line, else the foot and the squared
// distance.
struct PointLineValues {
    Number t;
    Vec foot;
    Number distSq;
};
PointLineValues pointLineValues(const Vec& S, const Vec& p, const Vec& u);

// S and the plane p + r u + s v (n·x = d): r and s in the plane, else the
// foot and the squared distance.
struct PointPlaneValues {
    Number r, s;
    Vec foot;
    Number distSq;
};
PointPlaneValues pointPlaneValues(const Vec& S, const ExactPlane& plane, const Vec& p, const Vec& u,
                                  const Vec& v, bool inPlane);

// The values of the decided case of two lines p + λ u and q + μ v: S and
// the angle (intersecting), the feet P, Q and the squared distance (skew),
// the squared distance of q from the first line (parallel).
struct LineLineValues {
    Vec S, P, Q;
    Number distSq;
    Real angle = 0;
};
LineLineValues lineLineValues(std::uint8_t status, const Vec& p, const Vec& u, const Vec& q, const Vec& v);

// A line p + t u and a plane: S and the angle, or the squared distance.
struct LinePlaneValues {
    Vec S;
    Number distSq;
    Real angle = 0;
};
LinePlaneValues linePlaneValues(std::uint8_t status, const Vec& p, const Vec& u, const ExactPlane& plane);

// Two planes: a point P of the line of intersection (the free coordinate
// set to 0, x before z before y, as the elimination takes them), its
// whole-number direction and the angle; or the squared distance.
struct PlanePlaneValues {
    Vec P, direction;
    Number distSq;
    Real angle = 0;
};
PlanePlaneValues planePlaneValues(std::uint8_t status, const ExactPlane& first, const ExactPlane& second);

// The cosine of the angle between a and b (neither null), from its exact
// square and sign.
Real cosineOf(const Vec& a, const Vec& b);
// The angle (0..90) between two directions, or between planes by their
// normals; `sine` for a line and a plane normal.
Real angleDegrees(const Vec& a, const Vec& b, bool sine = false);
// The foot of Q on the line A + s u (A for a null u).
Vec footOnLine(const Vec& A, const Vec& u, const Vec& Q);

}  // namespace exact
