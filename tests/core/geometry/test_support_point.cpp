// The whole-number support point of a line: fixed cases, and a differential
// test of the arithmetic search against the candidate-by-candidate one.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <sstream>

#include "core/geometry/LinesPlanes.h"
#include "core/geometry/SupportPointSearch.h"
#include "core/geometry/VectorOps.h"

namespace {

Vector3 V(Real x, Real y, Real z) { return makeVector(x, y, z); }

void expectVector(const Vector3& v, Real x, Real y, Real z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

std::string describe(const Vector3& P, const Vector3& u) {
    std::ostringstream s;
    s.precision(21);
    s << "P = (" << P.x << ", " << P.y << ", " << P.z << "), u = (" << u.x << ", " << u.y << ", " << u.z << ")";
    return s.str();
}

// Runs both searches on copies and requires bit-identical outcomes.
// Returns whether the search moved the support point.
bool expectSameSearch(const Vector3& P, const Vector3& u, long limit) {
    Vector3 P1 = P, u1 = u, P2 = P, u2 = u;
    literalIntegerSupportPoint(P1, u1, limit);
    fastIntegerSupportPoint(P2, u2, limit);
    const bool same = P1.x == P2.x && P1.y == P2.y && P1.z == P2.z && u1.x == u2.x && u1.y == u2.y && u1.z == u2.z;
    EXPECT_TRUE(same) << describe(P, u) << " limit " << limit << "\n literal " << describe(P1, u1) << "\n fast    "
                      << describe(P2, u2);
    return !(P1.x == P.x && P1.y == P.y && P1.z == P.z);
}

Real smallRational(std::mt19937_64& rng, int maxNum, int maxDen) {
    std::uniform_int_distribution<int> num(-maxNum, maxNum), den(1, maxDen);
    return static_cast<Real>(num(rng)) / static_cast<Real>(den(rng));
}

}  // namespace

TEST(IntegerSupportPoint, DirectionWithoutZComponentStopsBeforeTheSearch) {
    Vector3 P = V(0.5L, 0, 0), u = V(2, 0, 0);
    P.name = "P";
    integerSupportPoint(P, u);
    expectVector(P, 0.5L, 0, 0);
    expectVector(u, 1, 0, 0);
    EXPECT_EQ(P.name, "P");
}

TEST(IntegerSupportPoint, LineWithoutWholePointRestoresTheSupportPoint) {
    Vector3 P = V(0, 0, 0.5L), u = V(0, 0, 2);
    integerSupportPoint(P, u);
    expectVector(P, 0, 0, 0.5L);
    expectVector(u, 0, 0, 1);
}

TEST(IntegerSupportPoint, WholeSupportPointOnlySimplifiesTheDirection) {
    Vector3 P = V(1, 2, 3), u = V(2, 4, 6);
    u.name = "u";
    integerSupportPoint(P, u);
    expectVector(P, 1, 2, 3);
    expectVector(u, 1, 2, 3);
    EXPECT_EQ(u.name, "u");
}

TEST(IntegerSupportPoint, FindsThePointOfAFractionalDirection) {
    // The direction has no 32-bit whole-number form, so it stays fractional
    // (common denominator 21) and the search steps t = k / 21.
    Vector3 P = V(-1.0L / 3, -1.0L / 7, 0), u = V(1.0L / 3, 1.0L / 7, 2000000000);
    const Vector3 direction = u;
    integerSupportPoint(P, u);
    expectVector(u, direction.x, direction.y, direction.z);
    EXPECT_TRUE(hasIntegerComponents(P));
    EXPECT_EQ(std::nearbyint(P.x), 0);
    EXPECT_EQ(std::nearbyint(P.y), 0);
    EXPECT_EQ(std::nearbyint(P.z), 2000000000);
    expectSameSearch(V(-1.0L / 3, -1.0L / 7, 0), direction, 100);
}

TEST(IntegerSupportPoint, TheFirstKInTheOrderWins) {
    // Whole points at k = 21 and k = -21: the positive one comes first.
    const Vector3 P0 = V(-1.0L / 3, -1.0L / 7, 0);
    const Vector3 u0 = V(1.0L / 3, 1.0L / 7, -2000000000);
    Vector3 P = P0, u = u0;
    integerSupportPoint(P, u);
    EXPECT_EQ(std::nearbyint(P.z), -2000000000);
    // With x and y steps flipped, only k = -21 gives whole x and y.
    Vector3 Q = V(1.0L / 3, 1.0L / 7, 0), w = u0;
    integerSupportPoint(Q, w);
    EXPECT_EQ(std::nearbyint(Q.z), 2000000000);
    EXPECT_EQ(std::nearbyint(Q.x), 0);
}

// Differential test: random small rationals, directions with zero
// components, fractional directions that have no whole-number form in range,
// support points near whole numbers and lines without a whole point.
TEST(IntegerSupportPoint, FastSearchMatchesLiteralSearchOnRandomLines) {
    std::mt19937_64 rng(20261208);
    const long limit = 600;
    int moved = 0;
    for (int i = 0; i < 1500; ++i) {
        Vector3 P = V(smallRational(rng, 20, 12), smallRational(rng, 20, 12), smallRational(rng, 20, 12));
        Vector3 u = V(smallRational(rng, 6, 6), smallRational(rng, 6, 6), smallRational(rng, 6, 6));
        if (i % 5 == 0) u.x = 0;
        if (i % 7 == 0) u.y = 0;
        if (i % 11 == 0) u.z = 0;
        moved += expectSameSearch(P, u, limit);
    }
    EXPECT_EQ(moved, 0);  // a whole-number direction keeps the fractional part of P
}

TEST(IntegerSupportPoint, FastSearchMatchesLiteralSearchOnFractionalDirections) {
    std::mt19937_64 rng(99);
    std::uniform_int_distribution<int> den(1, 9), num(-9, 9), pick(0, 2);
    std::uniform_int_distribution<long> big(1000000000L, 2147000000L);
    const long limit = 400;
    int moved = 0;
    for (int i = 0; i < 1500; ++i) {
        // Two small fractions and one huge whole component: the whole-number
        // direction would leave 32 bits, so the fractions stay.
        Real c[3];
        const int hugeAt = pick(rng);
        std::uniform_int_distribution<int> sign(0, 1);
        for (int j = 0; j < 3; ++j) {
            const int d = den(rng);
            c[j] = (j == hugeAt) ? static_cast<Real>(big(rng)) * (sign(rng) ? 1 : -1)
                                 : static_cast<Real>(num(rng)) / static_cast<Real>(d);
        }
        const Vector3 u = V(c[0], c[1], c[2]);
        // Support points with the same denominators make whole points likely.
        Vector3 P;
        Real* coords[3] = {&P.x, &P.y, &P.z};
        for (int j = 0; j < 3; ++j)
            *coords[j] = (j == hugeAt) ? static_cast<Real>(num(rng)) : smallRational(rng, 9, 9);
        moved += expectSameSearch(P, u, limit);
    }
    EXPECT_GT(moved, 5);
}

TEST(IntegerSupportPoint, FastSearchMatchesLiteralSearchNearWholeNumbers) {
    // Support points a hair off whole numbers: whether a candidate counts as
    // whole then depends on how the candidate formula rounds, which the fast
    // search must reproduce exactly.
    std::mt19937_64 rng(4242);
    const Real offsets[] = {0, 1E-15L, -1E-15L, 5E-15L, -5E-15L, 9.9E-15L, -9.9E-15L, 1E-14L, -1E-14L,
                            1.01E-14L, 2E-14L, -3E-14L, 1E-13L, 1E-12L, 0.5L};
    std::uniform_int_distribution<int> pickOffset(0, sizeof(offsets) / sizeof(offsets[0]) - 1);
    std::uniform_int_distribution<long> whole(-3000000, 3000000), scale(0, 4);
    std::uniform_int_distribution<int> dir(-50000, 50000);
    const long limit = 400;
    int moved = 0;
    for (int i = 0; i < 1500; ++i) {
        const long magnitude[] = {1, 100, 10000, 1000000, 100000000};
        Vector3 P;
        for (Real* c : {&P.x, &P.y, &P.z}) {
            const long m = magnitude[scale(rng)];
            *c = static_cast<Real>(whole(rng) % (m * 10 + 1)) + offsets[pickOffset(rng)];
        }
        Vector3 u = V(dir(rng), dir(rng), dir(rng));
        if (i % 4 == 0) u = V(dir(rng) % 5, dir(rng) % 5, 1 + std::abs(dir(rng)) % 3);
        if (i % 9 == 0) u.y = 0;
        moved += expectSameSearch(P, u, limit);
    }
    EXPECT_GT(moved, 0);
}

TEST(IntegerSupportPoint, FastSearchMatchesLiteralSearchOnAdversarialLines) {
    // Hand-picked lines: huge or tiny support coordinates, near-zero pivots,
    // directions that are almost whole, support points just off whole numbers
    // at large magnitudes, and a non-finite coordinate.
    const Vector3 cases[][2] = {
        {V(0, 0, 0.5L), V(0, 0, 2)},
        {V(1E20L, 1E20L, 0.5L), V(1, 1, 1)},
        {V(1E20L, 1E20L, 1E20L + 0.5L), V(1, 1, 1)},
        {V(3 + 2E-14L, 5, 7), V(1, 2, 3)},
        {V(3 + 2E-14L, 5 - 2E-14L, 7 + 2E-14L), V(1, 1, 1)},
        {V(123456 + 2E-14L, 5, 7), V(1000, 2000, 3000)},
        {V(1E-13L, 0, 0.25L), V(3, 1, 4)},
        {V(0.1L, 0.2L, 0.3L), V(1, 1, 1)},
        {V(1.0L / 3, 2.0L / 3, 0), V(1.0L / 3, 1.0L / 3, 1.0L / 3)},
        {V(0.5L, 0.5L, 0.5L), V(1E-13L, 1E-13L, 1E-13L)},
        {V(0.5L, 0.25L, 0.125L), V(2147483646, 1, 1)},
        {V(-0.5L, 0, 2147483000), V(0.5L, 0, 2000000001)},
        {V(std::sqrt(2.0L), 1, 1), V(1, 1, 1)},
        {V(1, 1, 1.5L), V(std::sqrt(2.0L), 1, 1)},
        {V(std::numeric_limits<Real>::infinity(), 0, 0.5L), V(1, 1, 1)},
        {V(1E4000L, 0.5L, 1), V(1, 1, 1)},
        {V(0.5L, 1E-4000L, 3), V(1, 1, 3)},
        {V(0.5L, 2, 3), V(1E4000L, 1, 1)},
        {V(2147483647, -2147483648.0L, 1), V(0, 0, 1)},
        {V(-2147483647, 0.5L, 2147483647.5L), V(0, 1, 1)},
        {V(5E4931L, -3.5E4930L, 0), V(-99, 1, 28)},
    };
    for (const auto& c : cases) expectSameSearch(c[0], c[1], 3000);
}

TEST(IntegerSupportPoint, FastSearchMatchesLiteralSearchOnDirectionsWithLargeDenominators) {
    // Directions whose whole-number form leaves 32 bits through their
    // denominators stay fractional: the candidates then step by tiny amounts,
    // and most coordinates pass few whole numbers or none over the reach.
    // Support points a hair off whole numbers make some candidates whole.
    std::mt19937_64 rng(1313);
    std::uniform_int_distribution<int> num(-99999, 99999), den(10000, 99999), whole(-40, 40), pick(0, 6);
    const Real offsets[] = {0, 4E-15L, -7E-15L, 2E-14L, -3E-13L, 0.5L, 1.0L / 3};
    const long limit = 3000;
    int moved = 0;
    for (int i = 0; i < 400; ++i) {
        Vector3 u, P;
        for (Real* c : {&u.x, &u.y, &u.z}) *c = static_cast<Real>(num(rng)) / static_cast<Real>(den(rng));
        for (Real* c : {&P.x, &P.y, &P.z}) *c = static_cast<Real>(whole(rng)) + offsets[pick(rng)];
        if (i % 6 == 0) u.y = 0;
        moved += expectSameSearch(P, u, limit);
    }
    EXPECT_GT(moved, 0);
}

TEST(IntegerSupportPoint, FastSearchMatchesLiteralSearchAtTheFullReach) {
    // A few lines over the whole reach of about two million candidates; the
    // last is a trace line of a plane through points with fractional
    // coordinates, whose direction keeps large denominators.
    const Vector3 cases[][2] = {
        {V(0, 0, 0.5L), V(0, 0, 2)},
        {V(0.52421652212421677677L, 0, 0), V(-0.52421652212421677677L, 0, 1.1151515131093357522L)},
        {V(3 + 2E-14L, 5 - 5E-15L, 7), V(1, 2, 3)},
        {V(-1.0L / 3, 0.25L, 0), V(1.0L / 3, 0.5L, 2000000000)},
        {V(2.5L, 1.0L / 3, 0.2L), V(4, -7, 5)},
    };
    for (const auto& c : cases) expectSameSearch(c[0], c[1], kSearchLimit);
}
