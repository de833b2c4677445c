#pragma once
// The verdicts of the calculations — on or not on, parallel, identical,
// intersecting, skew, in the plane, coplanar, no plane — decided on the
// scene read exactly from its texts: in exact fractions where the inputs
// are exact, otherwise with the relative tolerance of exact::Number. The
// result blocks, the working and the pictures that show a verdict all ask
// here, so they never disagree. The codes are the geometry kernel's status
// codes (core/geometry/LinesPlanes.h).
#include <cstdint>

#include "core/exact/ExactScene.h"
#include "core/geometry/LinesPlanes.h"

namespace exact {

// A plane as a·x + b·y + c·z = d with n = (a, b, c); for a plane in
// parameter form n = u × v and d = n·p. isPlane is false for a null normal
// (and for a null spanning vector).
struct ExactPlane {
    Vec n;
    Number d;
    bool isPlane = false;
};
// E1 .. E5; E3 takes the copies of its spanning vectors the point test uses
// when useE3Copies is set.
ExactPlane planeEquation(const ExactScene& scene, int plane, bool useE3Copies = false);
// The plane p + r u + s v.
ExactPlane planeThrough(const Vec& p, const Vec& u, const Vec& v);

// A plane n·x = d in the parameter form the point tests take: the point
// with two coordinates 1 and the third solved for (z before y before x), and
// the vectors from the first axis point (x before y before z) one step along
// each of the two other axes: u has its 1 on uAxis, v on vAxis.
struct CoordinatePlaneForm {
    Vec p, u, v;
    int uAxis = 2, vAxis = 1;
};
CoordinatePlaneForm parameterFormOf(const ExactPlane& plane);

// A coordinate form computed in floats with the coefficients that are
// exactly zero set to 0: a cross product of exactly parallel-to-an-axis
// spanning vectors leaves rounding residue where the plane has no term.
CoordinateForm withExactZeros(CoordinateForm form, const ExactPlane& plane);

// 1 not on the line, 2 on it.
std::uint8_t pointOnLineStatus(const Vec& S, const Vec& p, const Vec& u);
// 1 not in the plane, 2 in it.
std::uint8_t pointInPlaneStatus(const Vec& S, const ExactPlane& plane);
// 0 identical, 1 parallel, 2 intersecting, 3 skew.
std::uint8_t lineLineStatus(const Vec& p, const Vec& u, const Vec& q, const Vec& v);
// 0 the line lies in the plane, 1 parallel outside, 2 intersecting.
std::uint8_t linePlaneStatus(const Vec& p, const Vec& u, const ExactPlane& plane);
// 0 identical, 1 parallel, 2 intersecting.
std::uint8_t planePlaneStatus(const ExactPlane& first, const ExactPlane& second);

bool areParallel(const Vec& a, const Vec& b);
bool areCoplanar(const Vec& a, const Vec& b, const Vec& c);

// The plane quadrilateral A → B → C → D from its edges at A: whether two
// opposite sides cross, and the corner over 180° if there is one (a simple
// quadrilateral has at most one).
struct QuadrilateralCorners {
    bool sidesCross = false;
    int crossing = -1;  // 0: AB crosses CD, 1: BC crosses DA
    int reflex = -1;    // the corner over 180° (0 = A .. 3 = D), or -1
    Number turn;        // there (edge in × edge out)·(AB × AC + AC × AD), negative
    bool isReflex(int corner) const { return reflex == corner; }
};
QuadrilateralCorners quadrilateralCorners(const Vec& AB, const Vec& AC, const Vec& AD);
// (PQ × PR)·(PQ × PS): negative exactly when R and S lie on different sides
// of the line PQ in their common plane.
Number sideProduct(const Vec& P, const Vec& Q, const Vec& R, const Vec& S);


}  // namespace exact
