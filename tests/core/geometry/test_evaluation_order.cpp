// The order in which formulas are evaluated decides the last bits of every
// result, and the result texts round and compare those bits (exact roots,
// whole-number checks). These tests pin the order of each formula against
// the nearest plausible alternative and first make sure that the random
// inputs actually tell the two apart.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/geometry/LinesPlanes.h"
#include "core/geometry/VectorOps.h"

namespace {

Vector3 V(Real x, Real y, Real z) { return makeVector(x, y, z); }

Vector3 randomVector(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> coord(-50, 50);
    // Long-double values with bits beyond a double's mantissa.
    return V(static_cast<Real>(coord(rng)) / 3, static_cast<Real>(coord(rng)) / 7, static_cast<Real>(coord(rng)) / 11);
}

bool sameBits(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

}  // namespace

TEST(EvaluationOrder, UnitVectorMultipliesByTheReciprocalOfTheLength) {
    std::mt19937_64 rng(1);
    int distinguishing = 0;
    for (int i = 0; i < 500; ++i) {
        const Vector3 v = randomVector(rng);
        const Real length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
        const Real k = 1 / length;
        const Vector3 expected = V(k * v.x, k * v.y, k * v.z);
        const Vector3 divided = V(v.x / length, v.y / length, v.z / length);
        distinguishing += !sameBits(expected, divided);
        ASSERT_TRUE(sameBits(unitVector(v), expected));
    }
    EXPECT_GT(distinguishing, 10);
}

TEST(EvaluationOrder, AngleBetweenDividesByTheFirstLengthThenByTheSecond) {
    std::mt19937_64 rng(2);
    int distinguishing = 0;
    for (int i = 0; i < 500; ++i) {
        const Vector3 a = randomVector(rng), b = randomVector(rng);
        const Real q = dotProduct(a, b) / vectorLength(a) / vectorLength(b);
        if (std::fabs(q) > 0.999L) continue;  // clear of the rounding guard at +-1
        const Real other = dotProduct(a, b) / (vectorLength(a) * vectorLength(b));
        distinguishing += std::acos(q) != std::acos(other);
        ASSERT_EQ(angleBetween(a, b), std::acos(q));
    }
    EXPECT_GT(distinguishing, 10);
}

TEST(EvaluationOrder, CentroidScalesTheSumByTheNearestThird) {
    std::mt19937_64 rng(3);
    const Real third = 1.0L / 3;
    int distinguishing = 0;
    for (int i = 0; i < 500; ++i) {
        const Vector3 A = randomVector(rng), B = randomVector(rng), C = randomVector(rng);
        const Vector3 sum = V((A.x + B.x) + C.x, (A.y + B.y) + C.y, (A.z + B.z) + C.z);
        const Vector3 expected = V(sum.x * third, sum.y * third, sum.z * third);
        distinguishing += !sameBits(expected, V(sum.x / 3, sum.y / 3, sum.z / 3));
        ASSERT_TRUE(sameBits(centroid(A, B, C), expected));
    }
    EXPECT_GT(distinguishing, 10);
}

TEST(EvaluationOrder, QuadPyramidVolumeDividesEachTermBeforeTheSum) {
    std::mt19937_64 rng(4);
    int distinguishing = 0;
    for (int i = 0; i < 500; ++i) {
        const Vector3 a = randomVector(rng), b = randomVector(rng), c = randomVector(rng), d = randomVector(rng);
        const Real t1 = tripleProduct(a, b, c), t2 = tripleProduct(a, c, d);
        distinguishing += std::fabs(t1 / 6 + t2 / 6) != std::fabs(t1 + t2) / 6;
        ASSERT_EQ(quadPyramidVolume(a, b, c, d), std::fabs(t1 / 6 + t2 / 6));
        ASSERT_EQ(quadPrismVolume(a, b, c, d), std::fabs(t1 + t2) / 2);
        ASSERT_EQ(triangularPyramidVolume(a, b, c), std::fabs(t1) / 6);
    }
    EXPECT_GT(distinguishing, 10);
}

TEST(EvaluationOrder, AnglesInDegreesDivideByPiFirst) {
    // Line against plane: arcsin(|u . n| / |u| / |n|), then (radians / pi) * 180.
    std::mt19937_64 rng(5);
    int distinguishing = 0;
    for (int i = 0; i < 500; ++i) {
        const Vector3 p = randomVector(rng), u = randomVector(rng), n = randomVector(rng);
        const Real q = std::fabs(dotProduct(u, n)) / vectorLength(u) / vectorLength(n);
        if (q > 0.999L || dotProduct(n, u) == 0) continue;
        const Real radians = std::asin(q);
        distinguishing += radians / kPi * 180 != radians * 180 / kPi;
        IncidenceResult r;
        Vector3 S;
        linePlaneIncidence(p, u, n.x, n.y, n.z, 1, r, S);
        ASSERT_EQ(r.status, 2);
        ASSERT_EQ(r.angleDegrees, radians / kPi * 180);
    }
    EXPECT_GT(distinguishing, 10);
}

TEST(EvaluationOrder, LineAngleTakesTheAbsoluteValueOfTheFinishedQuotient) {
    // Lines through a common point: arccos(|((u . v) / |u|) / |v||) in degrees.
    std::mt19937_64 rng(6);
    for (int i = 0; i < 300; ++i) {
        const Vector3 p = randomVector(rng), u = randomVector(rng), v = randomVector(rng);
        const Real q = dotProduct(u, v) / vectorLength(u) / vectorLength(v);
        if (std::fabs(q) > 0.999L) continue;
        IncidenceResult r;
        Vector3 S, F1, F2, Fq;
        lineLineIncidence(p, u, p, v, r, S, F1, F2, Fq);
        ASSERT_EQ(r.status, 2);
        ASSERT_EQ(r.angleDegrees, std::acos(std::fabs(q)) / kPi * 180);
    }
}

TEST(EvaluationOrder, SquaredDistancesKeepTheirExactParts) {
    // Skew lines: (n . w)^2 over n . n with n = u x v, w = q - p, unreduced.
    IncidenceResult r;
    Vector3 S, F1, F2, Fq;
    lineLineIncidence(V(0, 0, 0), V(1, 1, 0), V(0, 0, 3), V(1, -1, 0), r, S, F1, F2, Fq);
    ASSERT_EQ(r.status, 3);
    EXPECT_EQ(r.distSqNumerator, 36);  // n = (0, 0, -2), n . w = -6
    EXPECT_EQ(r.distSqDenominator, 4);
    // Point and plane 2x + y + 2z = 2: (n . (F0 - S))^2 over n . n, with F0
    // the point of the plane that has x = y = 1.
    Vector3 F;
    Real rr = 0, ss = 0;
    pointPlaneTest(V(3, 3, 3), Vector3{}, Vector3{}, Vector3{}, 2, 1, 2, 2, true, r, F, rr, ss);
    ASSERT_EQ(r.status, 1);
    EXPECT_EQ(r.distSqNumerator, 169);
    EXPECT_EQ(r.distSqDenominator, 9);
    // Parallel planes 2z = 0 and 4z = 12: the distance of the second plane's
    // point (1, 1, 3) from the first, over the first normal's square.
    IncidenceResult pp;
    Vector3 P, dir;
    planePlaneIncidence(0, 0, 2, 0, 0, 0, 4, 12, pp, P, dir);
    ASSERT_EQ(pp.status, 1);
    EXPECT_EQ(pp.distSqNumerator, 36);
    EXPECT_EQ(pp.distSqDenominator, 4);
}
