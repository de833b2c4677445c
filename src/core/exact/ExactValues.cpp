#include "core/exact/ExactValues.h"

#include <cmath>

#include "core/geometry/KernelArithmetic.h"

namespace exact {

namespace {

// (w × v)·n / n·n with n = u × v: the parameter of the point of the first
// line on the common perpendicular.
Number perpendicularParameter(const Vec& w, const Vec& v, const Vec& n) {
    return dot(cross(w, v), n) / dot(n, n);
}

}  // namespace

bool isReadableFraction(const Number& x) {
    constexpr std::size_t kReadableDigits = 12;
    const mpq_class& q = x.rational();
    return x.isExact() && mpz_sizeinbase(q.get_num_mpz_t(), 10) <= kReadableDigits &&
           mpz_sizeinbase(q.get_den_mpz_t(), 10) <= kReadableDigits;
}

Vector3 toVector3(const Vec& v) {
    Vector3 r;
    r.x = v[0].toReal();
    r.y = v[1].toReal();
    r.z = v[2].toReal();
    return r;
}

Real lengthOf(const Vec& v) { return std::sqrt(dot(v, v).toReal()); }

IncidenceResult distanceResult(std::uint8_t status, const Number& squared) {
    IncidenceResult result;
    result.status = status;
    result.distSqNumerator = squared.toReal();
    result.distSqDenominator = 1;
    return result;
}

PointLineValues pointLineValues(const Vec& S, const Vec& p, const Vec& u) {
    PointLineValues values;
    values.t = dot(u, S - p) / dot(u, u);
    values.foot = p + values.t * u;
    values.distSq = dot(S - values.foot, S - values.foot);
    return values;
}

PointPlaneValues pointPlaneValues(const Vec& S, const ExactPlane& plane, const Vec& p, const Vec& u,
                                  const Vec& v, bool inPlane) {
    PointPlaneValues values;
    if (inPlane) {
        const Vec w = S - p;
        const Vec m = cross(u, v);
        values.r = dot(cross(w, v), m) / dot(m, m);
        values.s = dot(cross(u, w), m) / dot(m, m);
        return values;
    }
    const Number nn = dot(plane.n, plane.n);
    const Number e = plane.d - dot(plane.n, S);
    values.foot = S + (e / nn) * plane.n;
    values.distSq = e * e / nn;
    return values;
}

LineLineValues lineLineValues(std::uint8_t status, const Vec& p, const Vec& u, const Vec& q, const Vec& v) {
    LineLineValues values;
    const Vec w = q - p;
    const Vec n = cross(u, v);
    switch (status) {
    case 1:
        values.distSq = pointLineValues(q, p, u).distSq;
        break;
    case 2:
        values.S = p + perpendicularParameter(w, v, n) * u;
        values.angle = angleDegrees(u, v);
        break;
    case 3: {
        const Number e = dot(n, w);
        values.distSq = e * e / dot(n, n);
        values.P = p + perpendicularParameter(w, v, n) * u;
        values.Q = q + perpendicularParameter(w, u, n) * v;
        break;
    }
    default:
        break;
    }
    return values;
}

LinePlaneValues linePlaneValues(std::uint8_t status, const Vec& p, const Vec& u, const ExactPlane& plane) {
    LinePlaneValues values;
    const Number e = plane.d - dot(plane.n, p);
    if (status == 1) values.distSq = e * e / dot(plane.n, plane.n);
    if (status == 2) {
        values.S = p + (e / dot(plane.n, u)) * u;
        values.angle = angleDegrees(u, plane.n, true);
    }
    return values;
}

PlanePlaneValues planePlaneValues(std::uint8_t status, const ExactPlane& first, const ExactPlane& second) {
    PlanePlaneValues values;
    const Vec& n1 = first.n;
    const Vec& n2 = second.n;
    if (status == 1) {
        // n2 = k·n1: the distance of the planes is |d1 - d2/k| / |n1|.
        int i = 0;
        while (n1[i].isZero()) ++i;
        const Number e = first.d - second.d * n1[i] / n2[i];
        values.distSq = e * e / dot(n1, n1);
    }
    if (status != 2) return values;
    // Solve for two coordinates by Cramer's rule with the third set to 0.
    auto solve = [&](int i, int j) {
        const Number det = n1[i] * n2[j] - n2[i] * n1[j];
        Vec P;
        P[i] = (first.d * n2[j] - second.d * n1[j]) / det;
        P[j] = (n1[i] * second.d - n2[i] * first.d) / det;
        return P;
    };
    if (n1[0].isZero() && n2[0].isZero())
        values.P = solve(1, 2);
    else if (!(n1[0] * n2[1] - n2[0] * n1[1]).isZero())
        values.P = solve(0, 1);
    else
        values.P = solve(0, 2);
    // A whole-number direction where it stays readable, else the cross
    // product itself.
    const Vec L = cross(n1, n2);
    values.direction = L;
    if (const std::optional<Vec> whole = wholeDirection(L)) {
        bool readable = true;
        for (int i = 0; i < 3; ++i) readable = readable && abs((*whole)[i].rational()) <= 1000000;
        if (readable) values.direction = *whole;
    }
    values.angle = angleDegrees(n1, n2);
    return values;
}

Real cosineOf(const Vec& a, const Vec& b) {
    // The cosine squared is exact; one root follows.
    const Number d = dot(a, b);
    const Real magnitude = std::sqrt((d * d / (dot(a, a) * dot(b, b))).toReal());
    return d.sign() < 0 ? -magnitude : magnitude;
}

Real angleDegrees(const Vec& a, const Vec& b, bool sine) {
    const Real q = clampToUnit(std::fabs(cosineOf(a, b)));
    return (sine ? std::asin(q) : std::acos(q)) / kPi * 180;
}

Vec footOnLine(const Vec& A, const Vec& u, const Vec& Q) {
    if (isNull(u)) return A;
    return pointLineValues(Q, A, u).foot;
}

}  // namespace exact
