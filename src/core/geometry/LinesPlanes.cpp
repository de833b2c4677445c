#include "core/geometry/LinesPlanes.h"

#include <cmath>
#include <limits>

#include "core/geometry/KernelArithmetic.h"
#include "core/geometry/Solver.h"
#include "core/geometry/VectorOps.h"

namespace {

Vector3 NormalOf(Real a, Real b, Real c) { return MakeVector(a, b, c); }

// Angles in degrees: divided by pi first, then multiplied by 180.
Real Degrees(Real radians) { return radians / Pi * 180; }

// A computed zero keeps no sign: "-0" has no place in a coordinate text.
Real WithoutNegativeZero(Real x) { return x == 0 ? 0 : x; }

bool AllFinite(std::initializer_list<Real> values) {
    for (const Real v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

void MarkDegenerate(IncidenceResult& result) { result.status = StatusDegenerateInput; }

// Directions typed as fractions are stored rounded (1/3 as 0.333...), so a
// cross or dot product that is zero in exact arithmetic can come out a few
// units in the last place away from zero. Taken at face value, parallel lines
// then "intersect" at a point the solver makes up, and a line parallel to a
// plane meets it near 1E19. A residue within kRoundingResidue of the factors'
// lengths therefore counts as zero: an angle below about 1E-17 rad cannot be
// told from 0 in extended precision anyway. Where the lengths are not finite
// only an exact zero counts.
constexpr Real kRoundingResidue = 64 * std::numeric_limits<Real>::epsilon();

bool WithinRounding(Real residue, Real scale) {
    const Real bound = kRoundingResidue * scale;
    return std::isfinite(bound) && std::fabs(residue) <= bound;
}

bool ParallelWithinRounding(const Vector3& a, const Vector3& b) {
    return WithinRounding(VectorLength(CrossProduct(a, b)), VectorLength(a) * VectorLength(b));
}

bool OrthogonalWithinRounding(const Vector3& a, const Vector3& b) {
    return WithinRounding(DotProduct(a, b), VectorLength(a) * VectorLength(b));
}

// P satisfies a x + b y + c z = d up to the rounding of its terms.
bool OnPlaneWithinRounding(const Vector3& P, Real a, Real b, Real c, Real d) {
    const Real residue = ((a * P.x + b * P.y) + c * P.z) - d;
    return WithinRounding(residue, VectorLength(NormalOf(a, b, c)) * VectorLength(P) + std::fabs(d));
}

// The squared distance of S from the plane as the coordinate-form point test
// computes it: (n . (F0 - S))^2 over n . n, with F0 = PointOfPlane.
void PlaneDistanceSquared(const Vector3& S, Real a, Real b, Real c, Real d, Real& numerator, Real& denominator) {
    const Vector3 n = NormalOf(a, b, c);
    const Vector3 F0 = PointOfPlane(a, b, c, d);
    const Real e = DotProduct(n, VectorFromTo(S, F0));
    numerator = e * e;
    denominator = DotProduct(n, n);
}

}  // namespace

Vector3 PointOfPlane(Real a, Real b, Real c, Real d) {
    Vector3 P;
    if (!IsNearZero(c)) {
        P = MakeVector(1, 1, (d - a - b) / c);
    } else if (!IsNearZero(b)) {
        P = MakeVector(1, (d - a - c) / b, 1);
    } else if (a != 0) {
        P = MakeVector((d - b - c) / a, 1, 1);
    } else if (c != 0 && std::fabs(c) >= std::fabs(b)) {
        // a is exactly 0 and b, c are tiny: still solve for a coordinate
        // whose coefficient is not zero instead of dividing by a.
        P = MakeVector(1, 1, (d - a - b) / c);
    } else if (b != 0) {
        P = MakeVector(1, (d - a - c) / b, 1);
    } else {
        return MakeVector(0, 0, 0);  // null normal: no plane, no point
    }
    return IsFiniteVector(P) ? P : MakeVector(0, 0, 0);
}

bool SatisfiesPlaneEquation(const Vector3& P, Real a, Real b, Real c, Real d) {
    return (a * P.x + b * P.y) + c * P.z == d;
}

bool CoordinateToParameterForm(Real a, Real b, Real c, Real d, Vector3& p, Vector3& u, Vector3& v) {
    enum class Axis { X, Y, Z, None };
    Axis axis = Axis::None;
    if (!IsNearZero(a)) {
        axis = Axis::X;
    } else if (!IsNearZero(b)) {
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
        P = MakeVector(d / a, 0, 0);
        Q1 = MakeVector((d - c) / a, 0, 1);
        Q2 = MakeVector((d - b) / a, 1, 0);
        break;
    case Axis::Y:
        P = MakeVector(0, d / b, 0);
        Q1 = MakeVector(0, (d - c) / b, 1);
        Q2 = MakeVector(1, (d - a) / b, 0);
        break;
    case Axis::Z:
        P = MakeVector(0, 0, d / c);
        Q1 = MakeVector(0, 1, (d - b) / c);
        Q2 = MakeVector(1, 0, (d - a) / c);
        break;
    case Axis::None:
        break;
    }
    const Vector3 U = VectorFromTo(P, Q1);
    const Vector3 V = VectorFromTo(P, Q2);
    if (axis == Axis::None || !IsFiniteVector(P) || !IsFiniteVector(U) || !IsFiniteVector(V)) {
        ZeroVector(p);
        ZeroVector(u);
        ZeroVector(v);
        return false;
    }
    SetCoordinates(p, P);
    SetCoordinates(u, U);
    SetCoordinates(v, V);
    return true;
}

ParameterForm CoordinateToParameterForm(Real a, Real b, Real c, Real d) {
    ParameterForm form;
    form.ok = CoordinateToParameterForm(a, b, c, d, form.p, form.u, form.v);
    return form;
}

void ParameterToCoordinateForm(const Vector3& p, const Vector3& u, const Vector3& v, Real& a, Real& b, Real& c,
                               Real& d) {
    const Vector3 n = CrossProduct(u, v);
    a = n.x;
    b = n.y;
    c = n.z;
    d = DotProduct(n, p);
}

CoordinateForm ParameterToCoordinateForm(const Vector3& p, const Vector3& u, const Vector3& v) {
    CoordinateForm form;
    ParameterToCoordinateForm(p, u, v, form.a, form.b, form.c, form.d);
    return form;
}

bool SimplifyParameterForm(Vector3& p, Vector3& u, Vector3& v) {
    if (HasIntegerComponents(p) && HasIntegerComponents(u) && HasIntegerComponents(v)) return true;
    const CoordinateForm f = ParameterToCoordinateForm(p, u, v);
    const ParameterForm simpler = CoordinateToParameterForm(f.a, f.b, f.c, f.d);
    if (!simpler.ok) return false;
    SetCoordinates(p, simpler.p);
    SetCoordinates(u, simpler.u);
    SetCoordinates(v, simpler.v);
    return true;
}

void PlaneTracePoints(Real a, Real b, Real c, Real d, PlaneTraces& traces) {
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
        coordinate = WithoutNegativeZero(q);
    };
    axisPoint(a, traces.hasSx, traces.Sx.x);
    axisPoint(b, traces.hasSy, traces.Sy.y);
    axisPoint(c, traces.hasSz, traces.Sz.z);
}

PlaneTraces PlaneTracePoints(Real a, Real b, Real c, Real d) {
    PlaneTraces traces;
    PlaneTracePoints(a, b, c, d, traces);
    return traces;
}

void LineTracePoints(const Vector3& p, const Vector3& u, LineTraces& traces) {
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
        c1 = WithoutNegativeZero(r1);
        c2 = WithoutNegativeZero(r2);
    };
    trace(p.z, u.z, p.x, u.x, p.y, u.y, traces.hasSxy, traces.Sxy.x, traces.Sxy.y);
    trace(p.y, u.y, p.x, u.x, p.z, u.z, traces.hasSxz, traces.Sxz.x, traces.Sxz.z);
    trace(p.x, u.x, p.y, u.y, p.z, u.z, traces.hasSyz, traces.Syz.y, traces.Syz.z);
}

LineTraces LineTracePoints(const Vector3& p, const Vector3& u) {
    LineTraces traces;
    LineTracePoints(p, u, traces);
    return traces;
}

Vector3 FootOnLine(const Vector3& A, const Vector3& u, const Vector3& Q) {
    const Real uu = DotProduct(u, u);
    if (uu == 0) return MakeVector(A.x, A.y, A.z);
    const Real s = DotProduct(u, VectorFromTo(A, Q)) / uu;
    return AddVectors(A, ScaleVector(u, s));
}

Real SignedDistanceToPlane(const Vector3& p, const Vector3& u, const Vector3& v, const Vector3& Q, Vector3& m) {
    const Vector3 unit = UnitVector(CrossProduct(u, v));
    SetCoordinates(m, unit);
    return DotProduct(VectorFromTo(Q, p), unit);
}

Vector3 FootOnPlane(const Vector3& p, const Vector3& u, const Vector3& v, const Vector3& Q) {
    Vector3 m;
    const Real e = SignedDistanceToPlane(p, u, v, Q, m);
    return AddVectors(Q, ScaleVector(m, e));
}

Real DistanceFromResult(const IncidenceResult& result) {
    if (result.distSqDenominator == 0) return 0;
    const Real q = result.distSqNumerator / result.distSqDenominator;
    if (!(q > 0) || !std::isfinite(q)) return 0;
    return std::sqrt(q);
}

void PointOnLineTest(const Vector3& S, const Vector3& p, const Vector3& u, IncidenceResult& result, Vector3& F,
                     Real& t) {
    if (IsNullVector(u)) return MarkDegenerate(result);
    const Vector3 w = VectorFromTo(p, S);
    if (AreParallel(u, w)) {
        Real parameter = NotFoundParameter;
        if (!IsNearZero(u.x)) {
            parameter = w.x / u.x;
        } else if (!IsNearZero(u.y)) {
            parameter = w.y / u.y;
        } else if (!IsNearZero(u.z)) {
            parameter = w.z / u.z;
        }
        if (!std::isfinite(parameter)) return MarkDegenerate(result);
        result.status = 2;
        t = parameter;
        return;
    }
    const Vector3 foot = AddVectors(p, ScaleVector(u, DotProduct(u, w) / DotProduct(u, u)));
    const Real numerator = SquaredLength(VectorFromTo(S, foot));
    if (!IsFiniteVector(foot) || !std::isfinite(numerator)) return MarkDegenerate(result);
    result.status = 1;
    SetCoordinates(F, foot);
    result.distSqNumerator = numerator;
    result.distSqDenominator = 1;
}

void LineLineIncidence(const Vector3& p, const Vector3& u, const Vector3& q, const Vector3& v,
                       IncidenceResult& result, Vector3& S, Vector3& F1, Vector3& F2, Vector3& Fq) {
    if (IsNullVector(u) || IsNullVector(v)) return MarkDegenerate(result);
    // Work on a copy so that a result that would not be finite leaves the
    // caller's record as it was.
    IncidenceResult r = result;
    Vector3 s = S, f1 = F1, f2 = F2, fq = Fq;

    r.status = 3;
    const Vector3 w = VectorFromTo(p, q);
    if ((u.x * v.y == u.y * v.x && u.x * v.z == u.z * v.x && u.y * v.z == u.z * v.y) || ParallelWithinRounding(u, v))
        r.status = 1;
    if (r.status == 1 && ((w.x * v.y == w.y * v.x && w.x * v.z == w.z * v.x && w.y * v.z == w.z * v.y) ||
                          ParallelWithinRounding(w, v))) {
        result.status = 0;  // identical: nothing more to compute
        return;
    }
    if (r.status == 1) {
        Real discarded = 0;
        PointOnLineTest(q, p, u, r, fq, discarded);
        if (r.status == StatusDegenerateInput) return MarkDegenerate(result);
    }
    if (r.status == 2 || r.status == 3) {
        WorkMatrix M;
        SetRow(M, 1, {u.x, -v.x, w.x});
        SetRow(M, 2, {u.y, -v.y, w.y});
        SetRow(M, 3, {u.z, -v.z, w.z});
        SolveLinearSystem(M, 3, 3);
        if (IsNearZero(M(3, 2)) && !IsNearZero(M(3, 3))) {
            r.status = 3;
        } else {
            r.status = 2;
            SetCoordinates(s, AddVectors(p, ScaleVector(u, M(1, 3))));
            const Real q0 = DotProduct(u, v) / VectorLength(u) / VectorLength(v);
            r.angleDegrees = Degrees(std::acos(ClampToUnit(std::fabs(q0))));
        }
    }
    if (r.status == 3) {
        const Vector3 n = CrossProduct(u, v);
        const Real e = DotProduct(n, w);
        r.distSqNumerator = e * e;
        r.distSqDenominator = DotProduct(n, n);
        WorkMatrix M;
        SetRow(M, 1, {DotProduct(u, u), -DotProduct(u, v), DotProduct(w, u)});
        SetRow(M, 2, {DotProduct(u, v), -DotProduct(v, v), DotProduct(w, v)});
        SolveLinearSystem(M, 2, 3);
        SetCoordinates(f1, AddVectors(p, ScaleVector(u, M(1, 3))));
        SetCoordinates(f2, AddVectors(q, ScaleVector(v, M(2, 3))));
    }

    if (!AllFinite({r.distSqNumerator, r.distSqDenominator, r.angleDegrees}) || !IsFiniteVector(s) ||
        !IsFiniteVector(f1) || !IsFiniteVector(f2) || !IsFiniteVector(fq))
        return MarkDegenerate(result);
    result = r;
    SetCoordinates(S, s);
    SetCoordinates(F1, f1);
    SetCoordinates(F2, f2);
    SetCoordinates(Fq, fq);
}

void PointPlaneTest(const Vector3& S, const Vector3& p, const Vector3& u, const Vector3& v, Real a, Real b, Real c,
                    Real d, bool coordinateForm, IncidenceResult& result, Vector3& F, Real& r, Real& s) {
    if (a == 0 && b == 0 && c == 0) return MarkDegenerate(result);
    const Vector3 support = coordinateForm ? PointOfPlane(a, b, c, d) : p;
    const Vector3 w = VectorFromTo(support, S);
    const Vector3 n = NormalOf(a, b, c);

    if (!SatisfiesPlaneEquation(S, a, b, c, d)) {
        Real numerator = 0, denominator = 1;
        PlaneDistanceSquared(S, a, b, c, d, numerator, denominator);
        const Real k = DotProduct(n, VectorFromTo(S, support)) / DotProduct(n, n);
        const Vector3 foot = AddVectors(S, ScaleVector(n, k));
        if (!std::isfinite(numerator) || !std::isfinite(denominator) || !IsFiniteVector(foot))
            return MarkDegenerate(result);
        result.status = 1;
        result.distSqNumerator = numerator;
        result.distSqDenominator = denominator;
        SetCoordinates(F, foot);
        return;
    }

    WorkMatrix M;
    SetRow(M, 1, {u.x, v.x, w.x});
    SetRow(M, 2, {u.y, v.y, w.y});
    SetRow(M, 3, {u.z, v.z, w.z});
    SolveLinearSystem(M, 3, 3);
    if (!std::isfinite(M(1, 3)) || !std::isfinite(M(2, 3))) return MarkDegenerate(result);
    result.status = 2;
    r = M(1, 3);
    s = M(2, 3);
}

void LinePlaneIncidence(const Vector3& p, const Vector3& u, Real a, Real b, Real c, Real d, IncidenceResult& result,
                        Vector3& S) {
    if (IsNullVector(u) || (a == 0 && b == 0 && c == 0)) return MarkDegenerate(result);
    const Vector3 n = NormalOf(a, b, c);
    const Real nu = DotProduct(n, u);
    if (nu == 0 || OrthogonalWithinRounding(n, u)) {
        if (SatisfiesPlaneEquation(p, a, b, c, d) || OnPlaneWithinRounding(p, a, b, c, d)) {
            result.status = 0;
            return;
        }
        Real numerator = 0, denominator = 1;
        PlaneDistanceSquared(p, a, b, c, d, numerator, denominator);
        if (!std::isfinite(numerator) || !std::isfinite(denominator)) return MarkDegenerate(result);
        result.status = 1;
        result.distSqNumerator = numerator;
        result.distSqDenominator = denominator;
        return;
    }
    const Real t = (d - DotProduct(n, p)) / nu;
    const Vector3 point = AddVectors(p, ScaleVector(u, t));
    const Real angle = Degrees(std::asin(ClampToUnit(std::fabs(DotProduct(u, n)) / VectorLength(u) / VectorLength(n))));
    if (!IsFiniteVector(point) || !std::isfinite(angle)) return MarkDegenerate(result);
    result.status = 2;
    SetCoordinates(S, point);
    result.angleDegrees = angle;
}

void PlanePlaneIncidence(Real a1, Real b1, Real c1, Real d1, Real a2, Real b2, Real c2, Real d2,
                         IncidenceResult& result, Vector3& P, Vector3& direction) {
    if ((a1 == 0 && b1 == 0 && c1 == 0) || (a2 == 0 && b2 == 0 && c2 == 0)) return MarkDegenerate(result);
    WorkMatrix M;
    SetRow(M, 1, {a1, b1, c1, d1});
    SetRow(M, 2, {a2, b2, c2, d2});
    SolveLinearSystem(M, 2, 4);

    const bool coefficientsVanish = IsNearZero(M(2, 1)) && IsNearZero(M(2, 2)) && IsNearZero(M(2, 3));
    if (coefficientsVanish && IsNearZero(M(2, 4))) {
        result.status = 0;
        return;
    }
    if (coefficientsVanish) {
        // Parallel: the distance of a point of the second plane from the
        // first. Should that point satisfy the first plane's equation exactly
        // (a rounding case of nearly identical planes), parallel planes that
        // share a point are identical.
        const Vector3 F0 = PointOfPlane(a2, b2, c2, d2);
        if (SatisfiesPlaneEquation(F0, a1, b1, c1, d1)) {
            result.status = 0;
            return;
        }
        Real numerator = 0, denominator = 1;
        PlaneDistanceSquared(F0, a1, b1, c1, d1, numerator, denominator);
        if (!std::isfinite(numerator) || !std::isfinite(denominator)) return MarkDegenerate(result);
        result.status = 1;
        result.distSqNumerator = numerator;
        result.distSqDenominator = denominator;
        return;
    }

    const Vector3 N1 = NormalOf(a1, b1, c1);
    const Vector3 N2 = NormalOf(a2, b2, c2);
    const Vector3 dir = IntegerDirection(CrossProduct(N1, N2));
    Vector3 point;
    if (IsNearZero(M(1, 1)) && IsNearZero(M(2, 1))) {
        point = MakeVector(0, M(1, 4), M(2, 4));
    } else if (IsNearZero(M(1, 2)) && !IsNearZero(M(2, 2))) {
        point = MakeVector(M(1, 4), M(2, 4), 0);
    } else {
        point = MakeVector(M(1, 4), 0, M(2, 4));
    }
    const Real angle =
        Degrees(std::acos(ClampToUnit(std::fabs(DotProduct(N1, N2)) / VectorLength(N1) / VectorLength(N2))));
    if (!IsFiniteVector(point) || !IsFiniteVector(dir) || !std::isfinite(angle)) return MarkDegenerate(result);
    result.status = 2;
    SetCoordinates(P, point);
    SetCoordinates(direction, dir);
    result.angleDegrees = angle;
}

void DiagonalIntersection(const Vector3& A, const Vector3& B, const Vector3& C, const Vector3& D,
                          bool& noIntersection, Vector3& S) {
    const Vector3 AC = VectorFromTo(A, C);
    WorkMatrix M;
    SetRow(M, 1, {C.x - A.x, B.x - D.x, B.x - A.x});
    SetRow(M, 2, {C.y - A.y, B.y - D.y, B.y - A.y});
    SetRow(M, 3, {C.z - A.z, B.z - D.z, B.z - A.z});
    SolveLinearSystem(M, 3, 3);
    noIntersection = !IsNearZero(M(3, 3));
    const Vector3 point = noIntersection ? MakeVector(0, 0, 0) : AddVectors(A, ScaleVector(AC, M(1, 3)));
    if (!IsFiniteVector(point)) {
        noIntersection = true;
        ZeroVector(S);
        return;
    }
    SetCoordinates(S, point);
}
