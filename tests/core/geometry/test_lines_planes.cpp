// Plane forms, trace points, feet of perpendiculars and distances.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"

namespace {

Vector3 V(Real x, Real y, Real z) { return makeVector(x, y, z); }

void expectVector(const Vector3& v, Real x, Real y, Real z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

void expectNear(const Vector3& v, Real x, Real y, Real z, double tol = 1e-15) {
    EXPECT_NEAR(static_cast<double>(v.x), static_cast<double>(x), tol);
    EXPECT_NEAR(static_cast<double>(v.y), static_cast<double>(y), tol);
    EXPECT_NEAR(static_cast<double>(v.z), static_cast<double>(z), tol);
}

Real planeResidual(const Vector3& P, Real a, Real b, Real c, Real d) { return a * P.x + b * P.y + c * P.z - d; }

}  // namespace

TEST(PointOfPlane, SolvesForZThenYThenX) {
    expectVector(pointOfPlane(1, 1, 1, 3), 1, 1, 1);
    expectVector(pointOfPlane(2, 0, 0, 4), 2, 1, 1);
    expectVector(pointOfPlane(1, 4, 0, 9), 1, 2, 1);
    // A tiny z coefficient is passed over for y.
    expectNear(pointOfPlane(0, 2, 1E-13L, 4), 1, 2, 1, 1e-12);
    EXPECT_EQ(pointOfPlane(0, 2, 1E-13L, 4).z, 1);
}

TEST(PointOfPlane, NullNormalNeverDividesByZero) {
    const Vector3 P = pointOfPlane(0, 0, 0, 5);
    expectVector(P, 0, 0, 0);
    // a exactly 0 while b and c are below the tolerance: solved through the
    // non-zero coefficient, not through a division by a.
    const Vector3 Q = pointOfPlane(0, 0, 1E-13L, 1);
    EXPECT_TRUE(isFiniteVector(Q));
    EXPECT_NEAR(static_cast<double>(planeResidual(Q, 0, 0, 1E-13L, 1)), 0.0, 1e-12);
}

TEST(SatisfiesPlaneEquation, IsExact) {
    EXPECT_TRUE(satisfiesPlaneEquation(V(1, 1, 1), 1, 1, 1, 3));
    EXPECT_FALSE(satisfiesPlaneEquation(V(1, 1, 1 + 1E-15L), 1, 1, 1, 3));
}

TEST(CoordinateToParameterForm, AxisPointCases) {
    ParameterForm f = coordinateToParameterForm(2, 0, 0, 4);
    ASSERT_TRUE(f.ok);
    expectVector(f.p, 2, 0, 0);
    expectVector(f.u, 0, 0, 1);
    expectVector(f.v, 0, 1, 0);

    f = coordinateToParameterForm(0, 2, 1, 4);
    ASSERT_TRUE(f.ok);
    expectVector(f.p, 0, 2, 0);
    expectVector(f.u, 0, -0.5L, 1);
    expectVector(f.v, 1, 0, 0);

    f = coordinateToParameterForm(0, 0, 4, 8);
    ASSERT_TRUE(f.ok);
    expectVector(f.p, 0, 0, 2);
    expectVector(f.u, 0, 1, 0);
    expectVector(f.v, 1, 0, 0);
}

TEST(CoordinateToParameterForm, NullNormalGivesNoFormInsteadOfDividingByZero) {
    Vector3 p = V(7, 7, 7), u = V(7, 7, 7), v = V(7, 7, 7);
    p.name = "p";
    EXPECT_FALSE(coordinateToParameterForm(0, 0, 0, 3, p, u, v));
    EXPECT_TRUE(isNullVector(p));
    EXPECT_TRUE(isNullVector(u));
    EXPECT_TRUE(isNullVector(v));
    EXPECT_EQ(p.name, "p");
    // a and b below the tolerance, c exactly 0: the form is built on b, never
    // by a division through c.
    const ParameterForm f = coordinateToParameterForm(0, 1E-13L, 0, 1);
    ASSERT_TRUE(f.ok);
    EXPECT_TRUE(isFiniteVector(f.p) && isFiniteVector(f.u) && isFiniteVector(f.v));
    EXPECT_FALSE(areParallel(unitVector(f.u), unitVector(f.v)));
}

// Property: the parameter form spans the same plane as the coordinate form,
// and the round trip gives a proportional coordinate form.
TEST(PlaneForms, RandomRoundTripsDescribeTheSamePlane) {
    std::mt19937_64 rng(2024);
    std::uniform_int_distribution<int> coef(-9, 9);
    for (int i = 0; i < 3000; ++i) {
        const Real a = coef(rng), b = coef(rng), c = coef(rng), d = coef(rng);
        if (a == 0 && b == 0 && c == 0) continue;
        const ParameterForm f = coordinateToParameterForm(a, b, c, d);
        ASSERT_TRUE(f.ok);
        for (const Vector3& P : {f.p, addVectors(f.p, f.u), addVectors(f.p, f.v),
                                 addVectors(f.p, addVectors(scaleVector(f.u, 2.5L), scaleVector(f.v, -3)))})
            EXPECT_NEAR(static_cast<double>(planeResidual(P, a, b, c, d)), 0.0, 1e-12);
        const CoordinateForm back = parameterToCoordinateForm(f.p, f.u, f.v);
        const Vector3 n = V(a, b, c), m = V(back.a, back.b, back.c);
        EXPECT_TRUE(areParallel(unitVector(n), unitVector(m)));
        // d scales with the normal.
        const Real k = dotProduct(m, n) / dotProduct(n, n);
        EXPECT_NEAR(static_cast<double>(back.d), static_cast<double>(k * d), 1e-12);
    }
}

TEST(ParameterToCoordinateForm, NormalIsTheCrossProduct) {
    Real a, b, c, d;
    parameterToCoordinateForm(V(0, 0, 3), V(1, 0, 0), V(0, 1, 0), a, b, c, d);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(d, 3);
}

TEST(SimplifyParameterForm, WholeFormsStayAndOthersBecomeTheAxisForm) {
    Vector3 p = V(1, 2, 3), u = V(1, 0, 0), v = V(0, 1, 1);
    EXPECT_TRUE(simplifyParameterForm(p, u, v));
    expectVector(p, 1, 2, 3);
    expectVector(u, 1, 0, 0);

    p = V(0.5L, 0, 0);
    u = V(0, 1, 0);
    v = V(0, 0, 1);
    p.name = "p";
    EXPECT_TRUE(simplifyParameterForm(p, u, v));
    // Plane x = 0.5: normal (1, 0, 0), axis point (0.5, 0, 0).
    expectVector(p, 0.5L, 0, 0);
    expectVector(u, 0, 0, 1);
    expectVector(v, 0, 1, 0);
    EXPECT_EQ(p.name, "p");
}

TEST(SimplifyParameterForm, ParallelSpanningVectorsAreLeftAlone) {
    Vector3 p = V(0.5L, 0, 0), u = V(1, 2, 3), v = V(2, 4, 6);
    EXPECT_FALSE(simplifyParameterForm(p, u, v));
    expectVector(p, 0.5L, 0, 0);
    expectVector(u, 1, 2, 3);
    expectVector(v, 2, 4, 6);
}

TEST(PlaneTracePoints, OnlyExistingAxisPoints) {
    PlaneTraces t = planeTracePoints(0, 0, 2, 4);
    EXPECT_FALSE(t.hasSx);
    EXPECT_FALSE(t.hasSy);
    ASSERT_TRUE(t.hasSz);
    expectVector(t.Sz, 0, 0, 2);
    EXPECT_EQ(t.Sz.name, "Sz");
    EXPECT_EQ(t.Sx.name, "Sx");

    t = planeTracePoints(1, 2, 4, 4);
    ASSERT_TRUE(t.hasSx && t.hasSy && t.hasSz);
    expectVector(t.Sx, 4, 0, 0);
    expectVector(t.Sy, 0, 2, 0);
    expectVector(t.Sz, 0, 0, 1);
}

TEST(PlaneTracePoints, MissingPointsKeepTheirOldCoordinateInTheInOutForm) {
    PlaneTraces t;
    planeTracePoints(1, 1, 1, 5, t);
    planeTracePoints(0, 1, 1, 2, t);
    EXPECT_FALSE(t.hasSx);
    EXPECT_EQ(t.Sx.x, 5);  // from the first plane
    EXPECT_EQ(t.Sy.y, 2);
    // Exact zero tests: a tiny coefficient still has an axis point.
    planeTracePoints(1E-13L, 1, 1, 2, t);
    EXPECT_TRUE(t.hasSx);
}

TEST(PlaneTracePoints, NullNormalHasNoTracePointsAndNoDivision) {
    PlaneTraces t;
    planeTracePoints(0, 0, 0, 3, t);
    EXPECT_FALSE(t.hasSx);
    EXPECT_FALSE(t.hasSy);
    EXPECT_FALSE(t.hasSz);
    EXPECT_TRUE(isFiniteVector(t.Sx) && isFiniteVector(t.Sy) && isFiniteVector(t.Sz));
    // Beyond the range of numbers a trace point counts as missing too.
    planeTracePoints(1E-4000L, 1, 1, 1E4000L, t);
    EXPECT_FALSE(t.hasSx);
    EXPECT_TRUE(isFiniteVector(t.Sx));
}

TEST(PlaneTracePoints, ZeroCoordinatesAreNotNegativeZero) {
    const PlaneTraces t = planeTracePoints(-2, 1, 1, 0);
    ASSERT_TRUE(t.hasSx);
    EXPECT_FALSE(std::signbit(t.Sx.x));
}

TEST(LineTracePoints, AllThreePurpleWithPaths) {
    const LineTraces t = lineTracePoints(V(1, 2, 3), V(1, 1, 1));
    ASSERT_TRUE(t.hasSxy && t.hasSxz && t.hasSyz);
    expectVector(t.Sxy, -2, -1, 0);
    expectVector(t.Sxz, -1, 0, 1);
    expectVector(t.Syz, 0, 1, 2);
    for (const Vector3* s : {&t.Sxy, &t.Sxz, &t.Syz}) {
        EXPECT_EQ(s->color, Colours::Purple);
        EXPECT_TRUE(s->coordinatePaths);
    }
    EXPECT_EQ(t.Sxy.name, "Sxy");
    EXPECT_EQ(t.Sxz.name, "Sxz");
    EXPECT_EQ(t.Syz.name, "Syz");
}

TEST(LineTracePoints, ZeroDirectionComponentMeansNoTracePoint) {
    LineTraces t;
    t.Sxy.color = Colours::Red;
    lineTracePoints(V(1, 2, 3), V(1, 0, 0), t);
    EXPECT_FALSE(t.hasSxy);
    EXPECT_FALSE(t.hasSxz);
    ASSERT_TRUE(t.hasSyz);
    expectVector(t.Syz, 0, 2, 3);
    EXPECT_EQ(t.Sxy.color, Colours::Purple);  // set on every call
    // Null direction: no trace point at all, nothing divided.
    lineTracePoints(V(1, 2, 3), V(0, 0, 0), t);
    EXPECT_FALSE(t.hasSxy || t.hasSxz || t.hasSyz);
}

TEST(FootOnLine, PerpendicularFootAndNullDirection) {
    expectVector(footOnLine(V(0, 0, 0), V(2, 0, 0), V(3, 4, 5)), 3, 0, 0);
    const Vector3 F = footOnLine(V(1, 1, 1), V(1, 2, 2), V(4, -1, 7));
    EXPECT_NEAR(static_cast<double>(dotProduct(vectorFromTo(F, V(4, -1, 7)), V(1, 2, 2))), 0.0, 1e-15);
    expectVector(footOnLine(V(1, 2, 3), V(0, 0, 0), V(9, 9, 9)), 1, 2, 3);
}

TEST(SignedDistanceToPlane, SignFollowsTheSideOppositeTheNormal) {
    Vector3 m;
    // Plane z = 2 spanned by x and y: m = (0, 0, 1).
    const Real above = signedDistanceToPlane(V(0, 0, 2), V(1, 0, 0), V(0, 1, 0), V(5, 5, 7), m);
    expectVector(m, 0, 0, 1);
    EXPECT_EQ(above, -5);
    const Real below = signedDistanceToPlane(V(0, 0, 2), V(1, 0, 0), V(0, 1, 0), V(5, 5, -1), m);
    EXPECT_EQ(below, 3);
    expectVector(footOnPlane(V(0, 0, 2), V(1, 0, 0), V(0, 1, 0), V(5, 5, 7)), 5, 5, 2);
}

TEST(SignedDistanceToPlane, ParallelSpanningVectorsGiveNoNaN) {
    Vector3 m = V(9, 9, 9);
    const Real e = signedDistanceToPlane(V(0, 0, 0), V(1, 1, 1), V(2, 2, 2), V(3, 4, 5), m);
    EXPECT_EQ(e, 0);
    EXPECT_TRUE(isNullVector(m));
    expectVector(footOnPlane(V(0, 0, 0), V(1, 1, 1), V(2, 2, 2), V(3, 4, 5)), 3, 4, 5);
}

TEST(FootOnPlane, RandomFeetLieInThePlaneAndAbovePoint) {
    std::mt19937_64 rng(31);
    std::uniform_real_distribution<double> coord(-20, 20);
    for (int i = 0; i < 2000; ++i) {
        const Vector3 p = V(coord(rng), coord(rng), coord(rng));
        const Vector3 u = V(coord(rng), coord(rng), coord(rng));
        const Vector3 v = V(coord(rng), coord(rng), coord(rng));
        const Vector3 Q = V(coord(rng), coord(rng), coord(rng));
        const Vector3 n = crossProduct(u, v);
        if (vectorLength(n) < 1e-3L) continue;
        const Vector3 F = footOnPlane(p, u, v, Q);
        const Real scale = vectorLength(n) * (vectorLength(F) + vectorLength(p) + 1);
        EXPECT_NEAR(static_cast<double>(dotProduct(n, vectorFromTo(p, F)) / scale), 0.0, 1e-15);
        EXPECT_TRUE(areParallel(unitVector(vectorFromTo(F, Q)), unitVector(n)) || vectorLength(vectorFromTo(F, Q)) < 1e-9L);
    }
}

TEST(DiagonalIntersection, SquareAndSkewQuadrilateral) {
    bool none = true;
    Vector3 S = V(9, 9, 9);
    S.name = "S";
    diagonalIntersection(V(0, 0, 0), V(2, 0, 0), V(2, 2, 0), V(0, 2, 0), none, S);
    EXPECT_FALSE(none);
    expectNear(S, 1, 1, 0);
    EXPECT_EQ(S.name, "S");
    diagonalIntersection(V(0, 0, 0), V(2, 0, 0), V(2, 2, 0), V(0, 2, 1), none, S);
    EXPECT_TRUE(none);
    expectVector(S, 0, 0, 0);
}

TEST(DiagonalIntersection, RandomPlanarQuadrilateralsMeetOnBothDiagonals) {
    std::mt19937_64 rng(77);
    std::uniform_real_distribution<double> coord(-10, 10);
    int met = 0;
    for (int i = 0; i < 2000; ++i) {
        // A convex-or-not quadrilateral in a random plane: corners p + s u + t v.
        const Vector3 p = V(coord(rng), coord(rng), coord(rng));
        const Vector3 u = V(coord(rng), coord(rng), coord(rng));
        const Vector3 v = V(coord(rng), coord(rng), coord(rng));
        if (vectorLength(crossProduct(u, v)) < 1) continue;
        auto corner = [&](Real s, Real t) { return addVectors(p, addVectors(scaleVector(u, s), scaleVector(v, t))); };
        const Vector3 A = corner(0, 0), B = corner(1, 0.1L), C = corner(1.2L, 1), D = corner(-0.1L, 0.9L);
        bool none = true;
        Vector3 S;
        diagonalIntersection(A, B, C, D, none, S);
        ASSERT_FALSE(none);
        ++met;
        EXPECT_LT(vectorLength(vectorFromTo(footOnLine(A, vectorFromTo(A, C), S), S)), 1e-9L);
        EXPECT_LT(vectorLength(vectorFromTo(footOnLine(B, vectorFromTo(B, D), S), S)), 1e-9L);
    }
    EXPECT_GT(met, 1000);
}
