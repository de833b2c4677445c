#include "core/exact/ExactVerdicts.h"

namespace exact {

ExactPlane planeEquation(const ExactScene& scene, int plane, bool useE3Copies) {
    ExactPlane e;
    const auto index = std::size_t(plane);
    if (plane == PlaneE1 || plane == PlaneE2) {
        const auto& k = scene.planeCoeffs[index];
        e.n = makeVec(k[0], k[1], k[2]);
        e.d = k[3];
        e.isPlane = !isNull(e.n);
        return e;
    }
    const bool copies = useE3Copies && plane == PlaneE3;
    return planeThrough(scene.planeSupport[index], copies ? scene.e3SpanCopyU : scene.planeSpanU[index],
                        copies ? scene.e3SpanCopyV : scene.planeSpanV[index]);
}

ExactPlane planeThrough(const Vec& p, const Vec& u, const Vec& v) {
    ExactPlane e;
    e.n = cross(u, v);
    e.d = dot(e.n, p);
    e.isPlane = !isNull(u) && !isNull(v) && !isNull(e.n);
    return e;
}

CoordinatePlaneForm parameterFormOf(const ExactPlane& plane) {
    const Vec& n = plane.n;
    CoordinatePlaneForm form;
    const int solved = !n[2].isZero() ? 2 : !n[1].isZero() ? 1 : 0;
    form.p = makeVec(1, 1, 1);
    form.p[solved] = (plane.d - dot(n, form.p) + n[solved]) / n[solved];
    const int axis = !n[0].isZero() ? 0 : !n[1].isZero() ? 1 : 2;
    form.uAxis = axis == 2 ? 1 : 2;
    form.vAxis = axis == 0 ? 1 : 0;
    form.u[form.uAxis] = 1;
    form.u[axis] = -n[form.uAxis] / n[axis];
    form.v[form.vAxis] = 1;
    form.v[axis] = -n[form.vAxis] / n[axis];
    return form;
}

CoordinateForm withExactZeros(CoordinateForm form, const ExactPlane& plane) {
    if (plane.n[0].isExact() && plane.n[0].isZero()) form.a = 0;
    if (plane.n[1].isExact() && plane.n[1].isZero()) form.b = 0;
    if (plane.n[2].isExact() && plane.n[2].isZero()) form.c = 0;
    if (plane.d.isExact() && plane.d.isZero()) form.d = 0;
    return form;
}

bool areParallel(const Vec& a, const Vec& b) { return isNull(cross(a, b)); }

bool areCoplanar(const Vec& a, const Vec& b, const Vec& c) { return triple(a, b, c).isZero(); }

std::uint8_t pointOnLineStatus(const Vec& S, const Vec& p, const Vec& u) {
    return areParallel(u, S - p) ? 2 : 1;
}

std::uint8_t pointInPlaneStatus(const Vec& S, const ExactPlane& plane) {
    return sameValue(dot(plane.n, S), plane.d) ? 2 : 1;
}

std::uint8_t lineLineStatus(const Vec& p, const Vec& u, const Vec& q, const Vec& v) {
    const Vec w = q - p;
    if (areParallel(u, v)) return areParallel(u, w) ? 0 : 1;
    return areCoplanar(w, u, v) ? 2 : 3;
}

std::uint8_t linePlaneStatus(const Vec& p, const Vec& u, const ExactPlane& plane) {
    if (!dot(plane.n, u).isZero()) return 2;
    return sameValue(dot(plane.n, p), plane.d) ? 0 : 1;
}

std::uint8_t planePlaneStatus(const ExactPlane& first, const ExactPlane& second) {
    if (!areParallel(first.n, second.n)) return 2;
    // Parallel normals: the same plane when (n1, d1) and (n2, d2) are
    // proportional, that is d1·n2 = d2·n1.
    return isNull(first.d * second.n - second.d * first.n) ? 0 : 1;
}

Number sideProduct(const Vec& P, const Vec& Q, const Vec& R, const Vec& S) {
    return dot(cross(Q - P, R - P), cross(Q - P, S - P));
}

namespace {

// The side P[i]P[i+1] crosses the opposite side P[i+2]P[i+3].
bool sidesCross(const std::array<Vec, 4>& P, int i) {
    const Vec &a = P[std::size_t(i)], &b = P[std::size_t(i + 1)], &c = P[std::size_t(i + 2)],
              &d = P[std::size_t((i + 3) % 4)];
    return sideProduct(a, b, c, d).sign() < 0 && sideProduct(c, d, a, b).sign() < 0;
}

}  // namespace

QuadrilateralCorners quadrilateralCorners(const Vec& AB, const Vec& AC, const Vec& AD) {
    QuadrilateralCorners corners;
    const std::array<Vec, 4> P = {Vec{}, AB, AC, AD};  // A at the origin
    for (int i = 0; i < 2 && !corners.sidesCross; ++i)
        if (sidesCross(P, i)) {
            corners.sidesCross = true;
            corners.crossing = i;
        }
    if (corners.sidesCross) return corners;
    // A corner over 180° turns against the normal of the vector area.
    const Vec n = cross(AB, AC) + cross(AC, AD);
    for (std::size_t i = 0; i < 4; ++i) {
        const Number turn = dot(cross(P[i] - P[(i + 3) % 4], P[(i + 1) % 4] - P[i]), n);
        if (turn.sign() < 0) {
            corners.reflex = int(i);
            corners.turn = turn;
        }
    }
    return corners;
}


}  // namespace exact
