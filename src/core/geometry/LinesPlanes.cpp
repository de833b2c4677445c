#include "core/geometry/LinesPlanes.h"

#include <cmath>
#include <limits>

#include "core/geometry/KernelArithmetic.h"
#include "core/geometry/Solver.h"
#include "core/geometry/VectorOps.h"

namespace {

Vector3 normalOf(Real a, Real b, Real c) { return makeVector(a, b, c); }

// Angles in degrees: divided by pi first, then multiplied by 180.
Real degrees(Real radians) { return radians / kPi * 180; }

// A computed zero keeps no sign: "-0" has no place in a coordinate text.
Real withoutNegativeZero(Real x) { return x == 0 ? 0 : x; }

bool allFinite(std::initializer_list<Real> values) {
    for (const Real v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

void markDegenerate(IncidenceResult& result) { result.status = kStatusDegenerateInput; }

// Directions typed as fractions are stored rounded (1/3 as 0.333...), so a
// cross or dot product that is zero in exact arithmetic can come out a few
// units in the last place away from zero. Taken at face value, parallel lines
// then "intersect" at a point the solver makes up, and a line parallel to a
// plane meets it near 1E19. A residue within kRoundingResidue of the factors'
// lengths therefore counts as zero: an angle below about 1E-17 rad cannot be
// told from 0 in extended precision anyway. Where the lengths are not finite
// only an exact zero counts.
constexpr Real kRoundingResidue = 64 * std::numeric_limits<Real>::epsilon();

bool withinRounding(Real residue, Real scale) {
    const Real bound = kRoundingResidue * scale;
    return std::isfinite(bound) && std::fabs(residue) <= bound;
}

bool parallelWithinRounding(const Vector3& a, const Vector3& b) {
    return withinRounding(vectorLength(crossProduct(a, b)), vectorLength(a) * vectorLength(b));
}

bool orthogonalWithinRounding(const Vector3& a, const Vector3& b) {
    return withinRounding(dotProduct(a, b), vectorLength(a) * vectorLength(b));
}

// P satisfies a x + b y + c z = d up to the rounding of its terms.
bool onPlaneWithinRounding(const Vector3& P, Real a, Real b, Real c, Real d) {
    const Real residue = ((a * P.x + b * P.y) + c * P.z) - d;
    return withinRounding(residue, vectorLength(normalOf(a, b, c)) * vectorLength(P) + std::fabs(d));
}

// The squared distance of S from the plane as the coordinate-form point test
// computes it: (n . (F0 - S))^2 over n . n, with F0 = pointOfPlane.
void planeDistanceSquared(const Vector3& S, Real a, Real b, Real c, Real d, Real& numerator, Real& denominator) {
    const Vector3 n = normalOf(a, b, c);
    const Vector3 F0 = pointOfPlane(a, b, c, d);
    const Real e = dotProduct(n, vectorFromTo(S, F0));
    numerator = e * e;
    denominator = dotProduct(n, n);
}

}  // namespace

Vector3 pointOfPlane(Real a, Real b, Real c, Real d) {
    Vector3 P;
    if (!isNearZero(c)) {
        P = makeVector(1, 1, (d - a - b) / c);
    } else if (!isNearZero(b)) {
        P = makeVector(1, (d - a - c) / b, 1);
    } else if (a != 0) {
        P = makeVector((d - b - c) / a, 1, 1);
    } else if (c != 0 && std::fabs(c) >= std::fabs(b)) {
        // a is exactly 0 and b, c are tiny: still solve for a coordinate
        // whose coefficient is not zero instead of dividing by a.
        P = makeVector(1, 1, (d - a - b) / c);
    } else if (b != 0) {
        P = makeVector(1, (d - a - c) / b, 1);
    } else {
        return makeVector(0, 0, 0);  // null normal: no plane, no point
    }
    return isFiniteVector(P) ? P : makeVector(0, 0, 0);
}

bool satisfiesPlaneEquation(const Vector3& P, Real a, Real b, Real c, Real d) {
    return (a * P.x + b * P.y) + c * P.z == d;
}

bool coordinateToParameterForm(Real a, Real b, Real c, Real d, Vector3& p, Vector3& u, Vector3& v) {
    enum class Axis { X, Y, Z, None };
    Axis axis = Axis::None;
    if (!isNearZero(a)) {
        axis = Axis::X;
    } else if (!isNearZero(b)) {
        axis = Axis::Y;
    } else if (c != 0) {
        axis = Axis::Z;
    } else if (b != 0) {  // c exactly 0: never divide by it
        axis = Axis::Y;
    } else if (a != 0) {
        axis = Axis::X;
    }

    Vector3 P, Q1, Q2;
    switch (axis) {
    case Axis::X:
        P = makeVector(d / a, 0, 0);
        Q1 = makeVector((d - c) / a, 0, 1);
        Q2 = makeVector((d - b) / a, 1, 0);
        break;
    case Axis::Y:
        P = makeVector(0, d / b, 0);
        Q1 = makeVector(0, (d - c) / b, 1);
        Q2 = makeVector(1, (d - a) / b, 0);
        break;
    case Axis::Z:
        P = makeVector(0, 0, d / c);
        Q1 = makeVector(0, 1, (d - b) / c);
        Q2 = makeVector(1, 0, (d - a) / c);
        break;
    case Axis::None:
        break;
    }
    const Vector3 U = vectorFromTo(P, Q1);
    const Vector3 V = vectorFromTo(P, Q2);
    if (axis == Axis::None || !isFiniteVector(P) || !isFiniteVector(U) || !isFiniteVector(V)) {
        zeroVector(p);
        zeroVector(u);
        zeroVector(v);
        return false;
    }
    setCoordinates(p, P);
    setCoordinates(u, U);
    setCoordinates(v, V);
    return true;
}

ParameterForm coordinateToParameterForm(Real a, Real b, Real c, Real d) {
    ParameterForm form;
    form.ok = coordinateToParameterForm(a, b, c, d, form.p, form.u, form.v);
    return form;
}

void parameterToCoordinateForm(const Vector3& p, const Vector3& u, const Vector3& v, Real& a, Real& b, Real& c,
                               Real& d) {
    const Vector3 n = crossProduct(u, v);
    a = n.x;
    b = n.y;
    c = n.z;
    d = dotProduct(n, p);
}

CoordinateForm parameterToCoordinateForm(const Vector3& p, const Vector3& u, const Vector3& v) {
    CoordinateForm form;
    parameterToCoordinateForm(p, u, v, form.a, form.b, form.c, form.d);
    return form;
}

bool simplifyParameterForm(Vector3& p, Vector3& u, Vector3& v) {
    if (hasIntegerComponents(p) && hasIntegerComponents(u) && hasIntegerComponents(v)) return true;
    const CoordinateForm f = parameterToCoordinateForm(p, u, v);
    const ParameterForm simpler = coordinateToParameterForm(f.a, f.b, f.c, f.d);
    if (!simpler.ok) return false;
    setCoordinates(p, simpler.p);
    setCoordinates(u, simpler.u);
    setCoordinates(v, simpler.v);
    return true;
}

void planeTracePoints(Real a, Real b, Real c, Real d, PlaneTraces& traces) {
    traces.hasSx = traces.hasSy = traces.hasSz = true;
    traces.Sx.y = traces.Sx.z = 0;
    traces.Sy.x = traces.Sy.z = 0;
    traces.Sz.x = traces.Sz.y = 0;
    // Exact zero tests: a coefficient that is merely tiny still has an axis
    // point, unless it lies beyond the range of numbers (then it has none).
    auto axisPoint = [d](Real coefficient, bool& has, Real& coordinate) {
        if (coefficient == 0) {
            has = false;
            return;
        }
        const Real q = d / coefficient;
        if (!std::isfinite(q)) {
            has = false;
            return;
        }
        coordinate = withoutNegativeZero(q);
    };
    axisPoint(a, traces.hasSx, traces.Sx.x);
    axisPoint(b, traces.hasSy, traces.Sy.y);
    axisPoint(c, traces.hasSz, traces.Sz.z);
}

PlaneTraces planeTracePoints(Real a, Real b, Real c, Real d) {
    PlaneTraces traces;
    planeTracePoints(a, b, c, d, traces);
    return traces;
}

void lineTracePoints(const Vector3& p, const Vector3& u, LineTraces& traces) {
    traces.Sxy.z = 0;
    traces.Sxz.y = 0;
    traces.Syz.x = 0;
    for (Vector3* s : {&traces.Sxy, &traces.Sxz, &traces.Syz}) {
        s->coordinatePaths = true;
        s->color = Colours::Purple;
    }

    // Each trace point from the parameter where the line leaves the axis
    // plane; a direction component exactly 0 means the line never meets it,
    // and a point beyond the range of numbers counts as missing too.
    auto trace = [](Real pOff, Real uOff, Real p1, Real u1, Real p2, Real u2, bool& has, Real& c1, Real& c2) {
        if (uOff == 0) {
            has = false;
            return;
        }
        const Real t = -pOff / uOff;
        const Real r1 = p1 + t * u1;
        const Real r2 = p2 + t * u2;
        if (!std::isfinite(r1) || !std::isfinite(r2)) {
            has = false;
            return;
        }
        has = true;
        c1 = withoutNegativeZero(r1);
        c2 = withoutNegativeZero(r2);
    };
    trace(p.z, u.z, p.x, u.x, p.y, u.y, traces.hasSxy, traces.Sxy.x, traces.Sxy.y);
    trace(p.y, u.y, p.x, u.x, p.z, u.z, traces.hasSxz, traces.Sxz.x, traces.Sxz.z);
    trace(p.x, u.x, p.y, u.y, p.z, u.z, traces.hasSyz, traces.Syz.y, traces.Syz.z);
}

LineTraces lineTracePoints(const Vector3& p, const Vector3& u) {
    LineTraces traces;
    lineTracePoints(p, u, traces);
    return traces;
}

Vector3 footOnLine(const Vector3& A, const Vector3& u, const Vector3& Q) {
    const Real uu = dotProduct(u, u);
    if (uu == 0) return makeVector(A.x, A.y, A.z);
    const Real s = dotProduct(u, vectorFromTo(A, Q)) / uu;
    return addVectors(A, scaleVector(u, s));
}

Real signedDistanceToPlane(const Vector3& p, const Vector3& u, const Vector3& v, const Vector3& Q, Vector3& m) {
    const Vector3 unit = unitVector(crossProduct(u, v));
    setCoordinates(m, unit);
    return dotProduct(vectorFromTo(Q, p), unit);
}

Vector3 footOnPlane(const Vector3& p, const Vector3& u, const Vector3& v, const Vector3& Q) {
    Vector3 m;
    const Real e = signedDistanceToPlane(p, u, v, Q, m);
    return addVectors(Q, scaleVector(m, e));
}

Real distanceFromResult(const IncidenceResult& result) {
    if (result.distSqDenominator == 0) return 0;
    const Real q = result.distSqNumerator / result.distSqDenominator;
    if (!(q > 0) || !std::isfinite(q)) return 0;
    return std::sqrt(q);
}

void pointOnLineTest(const Vector3& S, const Vector3& p, const Vector3& u, IncidenceResult& result, Vector3& F,
                     Real& t) {
    if (isNullVector(u)) return markDegenerate(result);
    const Vector3 w = vectorFromTo(p, S);
    if (areParallel(u, w)) {
        Real parameter = kNotFoundParameter;
        if (!isNearZero(u.x)) {
            parameter = w.x / u.x;
        } else if (!isNearZero(u.y)) {
            parameter = w.y / u.y;
        } else if (!isNearZero(u.z)) {
            parameter = w.z / u.z;
        }
        if (!std::isfinite(parameter)) return markDegenerate(result);
        result.status = 2;
        t = parameter;
        return;
    }
    const Vector3 foot = addVectors(p, scaleVector(u, dotProduct(u, w) / dotProduct(u, u)));
    const Real numerator = squaredLength(vectorFromTo(S, foot));
    if (!isFiniteVector(foot) || !std::isfinite(numerator)) return markDegenerate(result);
    result.status = 1;
    setCoordinates(F, foot);
    result.distSqNumerator = numerator;
    result.distSqDenominator = 1;
}

void lineLineIncidence(const Vector3& p, const Vector3& u, const Vector3& q, const Vector3& v,
                       IncidenceResult& result, Vector3& S, Vector3& F1, Vector3& F2, Vector3& Fq) {
    if (isNullVector(u) || isNullVector(v)) return markDegenerate(result);
    // Work on a copy so that a result that would not be finite leaves the
    // caller's record as it was.
    IncidenceResult r = result;
    Vector3 s = S, f1 = F1, f2 = F2, fq = Fq;

    r.status = 3;
    const Vector3 w = vectorFromTo(p, q);
    if ((u.x * v.y == u.y * v.x && u.x * v.z == u.z * v.x && u.y * v.z == u.z * v.y) || parallelWithinRounding(u, v))
        r.status = 1;
    if (r.status == 1 && ((w.x * v.y == w.y * v.x && w.x * v.z == w.z * v.x && w.y * v.z == w.z * v.y) ||
                          parallelWithinRounding(w, v))) {
        result.status = 0;  // identical: nothing more to compute
        return;
    }
    if (r.status == 1) {
        Real discarded = 0;
        pointOnLineTest(q, p, u, r, fq, discarded);
        if (r.status == kStatusDegenerateInput) return markDegenerate(result);
    }
    if (r.status == 2 || r.status == 3) {
        WorkMatrix M;
        setRow(M, 1, {u.x, -v.x, w.x});
        setRow(M, 2, {u.y, -v.y, w.y});
        setRow(M, 3, {u.z, -v.z, w.z});
        solveLinearSystem(M, 3, 3);
        if (isNearZero(M(3, 2)) && !isNearZero(M(3, 3))) {
            r.status = 3;
        } else {
            r.status = 2;
            setCoordinates(s, addVectors(p, scaleVector(u, M(1, 3))));
            const Real q0 = dotProduct(u, v) / vectorLength(u) / vectorLength(v);
            r.angleDegrees = degrees(std::acos(clampToUnit(std::fabs(q0))));
        }
    }
    if (r.status == 3) {
        const Vector3 n = crossProduct(u, v);
        const Real e = dotProduct(n, w);
        r.distSqNumerator = e * e;
        r.distSqDenominator = dotProduct(n, n);
        WorkMatrix M;
        setRow(M, 1, {dotProduct(u, u), -dotProduct(u, v), dotProduct(w, u)});
        setRow(M, 2, {dotProduct(u, v), -dotProduct(v, v), dotProduct(w, v)});
        solveLinearSystem(M, 2, 3);
        setCoordinates(f1, addVectors(p, scaleVector(u, M(1, 3))));
        setCoordinates(f2, addVectors(q, scaleVector(v, M(2, 3))));
    }

    if (!allFinite({r.distSqNumerator, r.distSqDenominator, r.angleDegrees}) || !isFiniteVector(s) ||
        !isFiniteVector(f1) || !isFiniteVector(f2) || !isFiniteVector(fq))
        return markDegenerate(result);
    result = r;
    setCoordinates(S, s);
    setCoordinates(F1, f1);
    setCoordinates(F2, f2);
    setCoordinates(Fq, fq);
}

void pointPlaneTest(const Vector3& S, const Vector3& p, const Vector3& u, const Vector3& v, Real a, Real b, Real c,
                    Real d, bool coordinateForm, IncidenceResult& result, Vector3& F, Real& r, Real& s) {
    if (a == 0 && b == 0 && c == 0) return markDegenerate(result);
    const Vector3 support = coordinateForm ? pointOfPlane(a, b, c, d) : p;
    const Vector3 w = vectorFromTo(support, S);
    const Vector3 n = normalOf(a, b, c);

    if (!satisfiesPlaneEquation(S, a, b, c, d)) {
        Real numerator = 0, denominator = 1;
        planeDistanceSquared(S, a, b, c, d, numerator, denominator);
        const Real k = dotProduct(n, vectorFromTo(S, support)) / dotProduct(n, n);
        const Vector3 foot = addVectors(S, scaleVector(n, k));
        if (!std::isfinite(numerator) || !std::isfinite(denominator) || !isFiniteVector(foot))
            return markDegenerate(result);
        result.status = 1;
        result.distSqNumerator = numerator;
        result.distSqDenominator = denominator;
        setCoordinates(F, foot);
        return;
    }

    WorkMatrix M;
    setRow(M, 1, {u.x, v.x, w.x});
    setRow(M, 2, {u.y, v.y, w.y});
    setRow(M, 3, {u.z, v.z, w.z});
    solveLinearSystem(M, 3, 3);
    if (!std::isfinite(M(1, 3)) || !std::isfinite(M(2, 3))) return markDegenerate(result);
    result.status = 2;
    r = M(1, 3);
    s = M(2, 3);
}

void linePlaneIncidence(const Vector3& p, const Vector3& u, Real a, Real b, Real c, Real d, IncidenceResult& result,
                        Vector3& S) {
    if (isNullVector(u) || (a == 0 && b == 0 && c == 0)) return markDegenerate(result);
    const Vector3 n = normalOf(a, b, c);
    const Real nu = dotProduct(n, u);
    if (nu == 0 || orthogonalWithinRounding(n, u)) {
        if (satisfiesPlaneEquation(p, a, b, c, d) || onPlaneWithinRounding(p, a, b, c, d)) {
            result.status = 0;
            return;
        }
        Real numerator = 0, denominator = 1;
        planeDistanceSquared(p, a, b, c, d, numerator, denominator);
        if (!std::isfinite(numerator) || !std::isfinite(denominator)) return markDegenerate(result);
        result.status = 1;
        result.distSqNumerator = numerator;
        result.distSqDenominator = denominator;
        return;
    }
    const Real t = (d - dotProduct(n, p)) / nu;
    const Vector3 point = addVectors(p, scaleVector(u, t));
    const Real angle = degrees(std::asin(clampToUnit(std::fabs(dotProduct(u, n)) / vectorLength(u) / vectorLength(n))));
    if (!isFiniteVector(point) || !std::isfinite(angle)) return markDegenerate(result);
    result.status = 2;
    setCoordinates(S, point);
    result.angleDegrees = angle;
}

void planePlaneIncidence(Real a1, Real b1, Real c1, Real d1, Real a2, Real b2, Real c2, Real d2,
                         IncidenceResult& result, Vector3& P, Vector3& direction) {
    if ((a1 == 0 && b1 == 0 && c1 == 0) || (a2 == 0 && b2 == 0 && c2 == 0)) return markDegenerate(result);
    WorkMatrix M;
    setRow(M, 1, {a1, b1, c1, d1});
    setRow(M, 2, {a2, b2, c2, d2});
    solveLinearSystem(M, 2, 4);

    const bool coefficientsVanish = isNearZero(M(2, 1)) && isNearZero(M(2, 2)) && isNearZero(M(2, 3));
    if (coefficientsVanish && isNearZero(M(2, 4))) {
        result.status = 0;
        return;
    }
    if (coefficientsVanish) {
        // Parallel: the distance of a point of the second plane from the
        // first. Should that point satisfy the first plane's equation exactly
        // (a rounding case of nearly identical planes), parallel planes that
        // share a point are identical.
        const Vector3 F0 = pointOfPlane(a2, b2, c2, d2);
        if (satisfiesPlaneEquation(F0, a1, b1, c1, d1)) {
            result.status = 0;
            return;
        }
        Real numerator = 0, denominator = 1;
        planeDistanceSquared(F0, a1, b1, c1, d1, numerator, denominator);
        if (!std::isfinite(numerator) || !std::isfinite(denominator)) return markDegenerate(result);
        result.status = 1;
        result.distSqNumerator = numerator;
        result.distSqDenominator = denominator;
        return;
    }

    const Vector3 N1 = normalOf(a1, b1, c1);
    const Vector3 N2 = normalOf(a2, b2, c2);
    const Vector3 dir = integerDirection(crossProduct(N1, N2));
    Vector3 point;
    if (isNearZero(M(1, 1)) && isNearZero(M(2, 1))) {
        point = makeVector(0, M(1, 4), M(2, 4));
    } else if (isNearZero(M(1, 2)) && !isNearZero(M(2, 2))) {
        point = makeVector(M(1, 4), M(2, 4), 0);
    } else {
        point = makeVector(M(1, 4), 0, M(2, 4));
    }
    const Real angle =
        degrees(std::acos(clampToUnit(std::fabs(dotProduct(N1, N2)) / vectorLength(N1) / vectorLength(N2))));
    if (!isFiniteVector(point) || !isFiniteVector(dir) || !std::isfinite(angle)) return markDegenerate(result);
    result.status = 2;
    setCoordinates(P, point);
    setCoordinates(direction, dir);
    result.angleDegrees = angle;
}

void diagonalIntersection(const Vector3& A, const Vector3& B, const Vector3& C, const Vector3& D,
                          bool& noIntersection, Vector3& S) {
    const Vector3 AC = vectorFromTo(A, C);
    WorkMatrix M;
    setRow(M, 1, {C.x - A.x, B.x - D.x, B.x - A.x});
    setRow(M, 2, {C.y - A.y, B.y - D.y, B.y - A.y});
    setRow(M, 3, {C.z - A.z, B.z - D.z, B.z - A.z});
    solveLinearSystem(M, 3, 3);
    noIntersection = !isNearZero(M(3, 3));
    const Vector3 point = noIntersection ? makeVector(0, 0, 0) : addVectors(A, scaleVector(AC, M(1, 3)));
    if (!isFiniteVector(point)) {
        noIntersection = true;
        zeroVector(S);
        return;
    }
    setCoordinates(S, point);
}
