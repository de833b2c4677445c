// Vector operations, measures, whole-number forms and vector texts.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "core/exact/ExactVerdicts.h"
#include "core/geometry/VectorOps.h"
#include "core/numbers/NumberTools.h"

namespace {

Vector3 V(Real x, Real y, Real z) { return makeVector(x, y, z); }

void expectVector(const Vector3& v, Real x, Real y, Real z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

}  // namespace

TEST(Tolerance, IsNearZeroIsStrictAtTheTolerance) {
    EXPECT_FALSE(isNearZero(1E-12L));
    EXPECT_FALSE(isNearZero(-1E-12L));
    EXPECT_TRUE(isNearZero(9.9E-13L));
    EXPECT_TRUE(isNearZero(-9.9E-13L));
    EXPECT_TRUE(isNearZero(0));
}

TEST(ElementaryOperations, ResultsMatchTheirFormulas) {
    const Vector3 a = V(1, 2, 3), b = V(-4, 5, 0.5L), c = V(2, -1, 7);
    expectVector(vectorFromTo(a, b), -5, 3, -2.5L);
    expectVector(addVectors(a, b), -3, 7, 3.5L);
    expectVector(scaleVector(a, -2), -2, -4, -6);
    EXPECT_EQ(dotProduct(a, b), -4 + 10 + 1.5L);
    expectVector(crossProduct(a, b), 2 * 0.5L - 3 * 5, 3 * -4 - 1 * 0.5L, 1 * 5 - 2 * -4);
    EXPECT_EQ(tripleProduct(a, b, c), dotProduct(a, crossProduct(b, c)));
    EXPECT_EQ(squaredLength(a), 14);
    EXPECT_EQ(vectorLength(V(3, 4, 12)), 13);
    EXPECT_TRUE(isNullVector(V(0, -0.0L, 0)));
    EXPECT_FALSE(isNullVector(V(0, 0, 1E-300L)));
}

TEST(ElementaryOperations, ResultVectorsCarryNoLabelAndSetCoordinatesKeepsOne) {
    Vector3 labelled = V(9, 9, 9);
    labelled.name = "A";
    labelled.color = Colours::Red;
    labelled.coordinatePaths = true;
    setCoordinates(labelled, addVectors(V(1, 0, 0), V(0, 1, 0)));
    expectVector(labelled, 1, 1, 0);
    EXPECT_EQ(labelled.name, "A");
    EXPECT_EQ(labelled.color, Colours::Red);
    EXPECT_TRUE(labelled.coordinatePaths);
    zeroVector(labelled);
    expectVector(labelled, 0, 0, 0);
    EXPECT_EQ(labelled.name, "A");
}

TEST(ElementaryOperations, UnitVectorAndAngles) {
    const Vector3 e = unitVector(V(0, 3, 4));
    EXPECT_NEAR(static_cast<double>(e.y), 0.6, 1e-18);
    EXPECT_NEAR(static_cast<double>(e.z), 0.8, 1e-18);
    EXPECT_NEAR(static_cast<double>(angleBetween(V(1, 0, 0), V(0, 1, 0))), M_PI / 2, 1e-15);
    EXPECT_NEAR(static_cast<double>(angleBetween(V(1, 0, 0), V(-2, 0, 0))), M_PI, 1e-15);
    EXPECT_EQ(angleBetween(V(1, 1, 1), V(2, 2, 2)), 0);
}

TEST(ElementaryOperations, NullVectorGivesNoNaN) {
    const Vector3 e = unitVector(V(0, 0, 0));
    EXPECT_TRUE(isNullVector(e));
    EXPECT_EQ(angleBetween(V(0, 0, 0), V(1, 2, 3)), 0);
    EXPECT_EQ(angleBetween(V(1, 2, 3), V(0, 0, 0)), 0);
}

TEST(ElementaryOperations, AngleOfParallelVectorsIsNotNaNThoughTheQuotientRoundsAboveOne) {
    // The quotient (a . b) / |a| / |b| of parallel vectors can exceed 1 by a
    // rounding error; arccos of it must still be a number.
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> coord(-1000, 1000);
    for (int i = 0; i < 2000; ++i) {
        const Vector3 a = V(coord(rng), coord(rng), coord(rng));
        const Real angle = angleBetween(a, scaleVector(a, 3.7L));
        ASSERT_FALSE(std::isnan(angle));
        EXPECT_LT(angle, 1e-9L);
        const Real opposite = angleBetween(a, scaleVector(a, -0.3L));
        ASSERT_FALSE(std::isnan(opposite));
        EXPECT_GT(opposite, 3.14159L);
    }
}

TEST(ElementaryOperations, ParallelCoplanarAndCentroid) {
    EXPECT_TRUE(areParallel(V(1, 2, 3), V(2, 4, 6)));
    EXPECT_FALSE(areParallel(V(1, 2, 3), V(2, 4, 6.001L)));
    EXPECT_TRUE(areCoplanar(V(1, 2, 0), V(-3, 5, 0), V(7, 7, 0)));
    EXPECT_FALSE(areCoplanar(V(1, 0, 0), V(0, 1, 0), V(0, 0, 1)));
    const Vector3 g = centroid(V(0, 0, 0), V(3, 0, 0), V(0, 3, 0));
    EXPECT_NEAR(static_cast<double>(g.x), 1.0, 1e-18);
    EXPECT_NEAR(static_cast<double>(g.y), 1.0, 1e-18);
    EXPECT_EQ(g.z, 0);
}

TEST(Measures, AreasAndVolumesOfUnitShapes) {
    const Vector3 ex = V(1, 0, 0), ey = V(0, 1, 0), ez = V(0, 0, 1);
    EXPECT_EQ(parallelogramArea(V(2, 0, 0), V(0, 3, 0)), 6);
    EXPECT_EQ(triangleArea(V(2, 0, 0), V(0, 3, 0)), 3);
    // Unit square split along its diagonal b = (1,1,0).
    EXPECT_EQ(quadrilateralArea(ex, V(1, 1, 0), ey), 1);
    EXPECT_EQ(spatVolume(ex, ey, ez), 1);
    EXPECT_EQ(spatVolume(ey, ex, ez), 1);  // absolute value
    EXPECT_EQ(triangularPrismVolume(ez, ex, ey), 0.5L);
    EXPECT_EQ(quadPrismVolume(ez, ex, V(1, 1, 0), ey), 1);
    EXPECT_EQ(triangularPyramidVolume(ex, ey, ez), 1.0L / 6);
    // Pyramid over the unit square with apex height 3: 1 * 3 / 3.
    EXPECT_NEAR(static_cast<double>(quadPyramidVolume(V(0, 0, 3), ex, V(1, 1, 0), ey)), 1.0, 1e-18);
}

// Random quadrilaterals in random planes, corners p + s·u + t·v with whole s
// and t: the plane's own coordinates decide in 2D whether opposite sides
// cross and which corner turns against the others' way round, and give the
// area by the shoelace formula times |u × v|. The shape, the vector area and
// the bodies over the base agree with them; a convex quadrilateral keeps the
// area of its triangles ABC and ACD.
exact::Vec exactOf(const Vector3& v) {
    return exact::makeVec(long(v.x), long(v.y), long(v.z));
}

TEST(Measures, QuadrilateralAgreesWithItsPlaneCoordinates) {
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> whole(-6, 6);
    auto randomVector = [&] { return V(whole(rng), whole(rng), whole(rng)); };
    using Point2 = std::array<long, 2>;
    auto turn = [](const Point2& a, const Point2& b, const Point2& c) {
        return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
    };
    auto cross = [&turn](const Point2& a, const Point2& b, const Point2& c, const Point2& d) {
        return turn(a, b, c) * turn(a, b, d) < 0 && turn(c, d, a) * turn(c, d, b) < 0;
    };
    int convex = 0, reflex = 0, crossing = 0;
    for (int sample = 0; sample < 3000; ++sample) {
        const Vector3 p = randomVector(), u = randomVector(), v = randomVector(), S = randomVector();
        const Vector3 n = crossProduct(u, v);
        if (isNullVector(n)) continue;
        std::array<Point2, 4> q;
        std::array<Vector3, 4> P;
        long shoelace = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            q[i] = {whole(rng), whole(rng)};
            P[i] = addVectors(p, addVectors(scaleVector(u, q[i][0]), scaleVector(v, q[i][1])));
        }
        for (std::size_t i = 0; i < 4; ++i) shoelace += q[i][0] * q[(i + 1) % 4][1] - q[(i + 1) % 4][0] * q[i][1];
        const bool sidesCross = cross(q[0], q[1], q[2], q[3]) || cross(q[1], q[2], q[3], q[0]);

        const Vector3 a = vectorFromTo(P[0], P[1]), b = vectorFromTo(P[0], P[2]), c = vectorFromTo(P[0], P[3]);
        const exact::QuadrilateralCorners shape = exact::quadrilateralCorners(exactOf(a), exactOf(b), exactOf(c));
        ASSERT_EQ(shape.sidesCross, sidesCross) << sample;
        for (int i = 0; i < 4; ++i) {
            const bool over180 =
                !sidesCross && turn(q[std::size_t(i + 3) % 4], q[std::size_t(i)], q[std::size_t(i + 1) % 4]) * shoelace < 0;
            ASSERT_EQ(shape.isReflex(i), over180) << sample << " corner " << i;
        }
        crossing += sidesCross;
        reflex += shape.reflex >= 0;

        const Real area = std::fabs(Real(shoelace)) / 2 * vectorLength(n);
        EXPECT_NEAR(quadrilateralArea(a, b, c), area, 1E-15L * (1 + area)) << sample;
        bool strictlyConvex = true;
        for (std::size_t i = 0; i < 4; ++i)
            strictlyConvex = strictlyConvex && turn(q[(i + 3) % 4], q[i], q[(i + 1) % 4]) * shoelace > 0;
        if (strictlyConvex) {
            ASSERT_TRUE(!shape.sidesCross && shape.reflex < 0) << sample;
            ++convex;
            const Real triangles = (vectorLength(crossProduct(a, b)) + vectorLength(crossProduct(b, c))) / 2;
            EXPECT_NEAR(quadrilateralArea(a, b, c), triangles, 1E-15L * (1 + area)) << sample;
        }
        // Base area times height, the height |(S - p)·n| / |n|.
        const Real prism = std::fabs(Real(shoelace)) / 2 * std::fabs(dotProduct(vectorFromTo(p, S), n));
        const Vector3 SA = vectorFromTo(S, P[0]), SB = vectorFromTo(S, P[1]), SC = vectorFromTo(S, P[2]),
                      SD = vectorFromTo(S, P[3]);
        EXPECT_NEAR(quadPrismVolume(SA, SB, SC, SD), prism, 1E-15L * (1 + prism)) << sample;
        EXPECT_NEAR(quadPyramidVolume(SA, SB, SC, SD), prism / 3, 1E-15L * (1 + prism)) << sample;
    }
    EXPECT_GT(convex, 300);
    EXPECT_GT(reflex, 300);
    EXPECT_GT(crossing, 300);
}

TEST(IntegerDirection, ExamplesAndSignRule) {
    expectVector(integerDirection(V(0.5L, -1.5L, 2)), 1, -3, 4);
    expectVector(integerDirection(V(-2, -4, 6)), 1, 2, -3);
    expectVector(integerDirection(V(0, 0, 0)), 0, 0, 0);
    expectVector(integerDirection(V(1E-13L, -1E-13L, 0)), 0, 0, 0);
    expectVector(integerDirection(V(-1, -1, 1)), 1, 1, -1);
    expectVector(integerDirection(V(-1, 2, 3)), -1, 2, 3);
    expectVector(integerDirection(V(1.0L / 3, 1.0L / 6, 0)), 2, 1, 0);
    expectVector(integerDirection(V(0, 0, -7)), 0, 0, -1);
}

TEST(IntegerDirection, NoFractionFormReturnsTheVectorUnchanged) {
    // 1E-11 is no fraction of 32-bit whole numbers (nor near zero).
    const Vector3 v = V(1E-11L, 1, 1);
    const Vector3 r = integerDirection(v);
    expectVector(r, v.x, 1, 1);
}

TEST(IntegerDirection, OverflowBeyond32BitsTakesTheFailurePath) {
    // Denominators 3 and 7 and a numerator near the 32-bit limit: the
    // whole-number form would be 21 * 2000000000, which 32-bit arithmetic
    // wraps into a wrong direction. The vector must come back unchanged.
    const Vector3 v = V(1.0L / 3, 1.0L / 7, 2000000000);
    const Vector3 r = integerDirection(v);
    expectVector(r, v.x, v.y, v.z);
    // Just inside the range the conversion still works.
    expectVector(integerDirection(V(0.5L, 1, 1000000000)), 1, 2, 2000000000);
}

TEST(IntegerDirection, LargeCommonDenominatorIsDetectedNotWrapped) {
    // Three large prime denominators: their lcm leaves 64 bits only when
    // multiplied out; each scaled numerator leaves 32 bits.
    const Vector3 v = V(1.0L / 999983, 1.0L / 999979, 1.0L / 999961);
    const Vector3 r = integerDirection(v);
    expectVector(r, v.x, v.y, v.z);
}

TEST(IntegerDirection, RandomDirectionsStayParallelAndWhole) {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> num(-40, 40), den(1, 12);
    for (int i = 0; i < 3000; ++i) {
        const Vector3 v = V(static_cast<Real>(num(rng)) / den(rng), static_cast<Real>(num(rng)) / den(rng),
                            static_cast<Real>(num(rng)) / den(rng));
        const Vector3 r = integerDirection(v);
        if (isNullVector(v)) {
            EXPECT_TRUE(isNullVector(r));
            continue;
        }
        ASSERT_TRUE(hasIntegerComponents(r));
        EXPECT_TRUE(areParallel(unitVector(v), unitVector(r)));
        const int negatives = (r.x < 0) + (r.y < 0) + (r.z < 0);
        EXPECT_LE(negatives, 1);
        const auto g = gcd3(static_cast<std::int32_t>(r.x), static_cast<std::int32_t>(r.y),
                            static_cast<std::int32_t>(r.z));
        EXPECT_EQ(std::abs(g), 1);
    }
}

TEST(IntegerCoefficients, ExamplesOfBothBranches) {
    Real a = 0.5L, b = 1, c = 1.5L, d = 2;
    EXPECT_TRUE(integerCoefficients(a, b, c, d));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(d, 4);
    a = 2, b = 4, c = 6, d = 8;
    EXPECT_TRUE(integerCoefficients(a, b, c, d));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(d, 4);
    a = -2, b = -4, c = -6, d = -8;
    EXPECT_TRUE(integerCoefficients(a, b, c, d));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(d, 4);
    // Not all negative: no sign change.
    a = -2, b = -4, c = -6, d = 8;
    EXPECT_TRUE(integerCoefficients(a, b, c, d));
    EXPECT_EQ(a, -1);
    EXPECT_EQ(d, 4);
    // Fraction branch has no division by a common divisor.
    a = 1, b = 2, c = 0.5L, d = 4;
    EXPECT_TRUE(integerCoefficients(a, b, c, d));
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 4);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(d, 8);
}

TEST(IntegerCoefficients, FourZerosNeverDivideByZero) {
    Real a = 0, b = 0, c = 0, d = 0;
    EXPECT_FALSE(integerCoefficients(a, b, c, d));
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(d, 0);
    EXPECT_FALSE(std::isnan(a));
}

TEST(IntegerCoefficients, OverflowBeyond32BitsLeavesTheValuesUnchanged) {
    Real a = 1.0L / 3, b = 1.0L / 7, c = 1, d = 2000000000;
    EXPECT_FALSE(integerCoefficients(a, b, c, d));
    EXPECT_EQ(a, 1.0L / 3);
    EXPECT_EQ(b, 1.0L / 7);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(d, 2000000000);
    // No fraction form: unchanged as well.
    Real e = 1E-11L, f = 1, g = 1, h = 1;
    EXPECT_FALSE(integerCoefficients(e, f, g, h));
    EXPECT_EQ(e, 1E-11L);
    EXPECT_EQ(f, 1);
}

TEST(RoundingAndTexts, RoundVectorAndVectorText) {
    const Vector3 r = roundVector(V(1.23456L, -2.0005L, 7), 3);
    EXPECT_EQ(r.x, roundToDigits(1.23456L, 3));
    EXPECT_EQ(r.y, roundToDigits(-2.0005L, 3));
    EXPECT_EQ(r.z, 7);
    EXPECT_EQ(vectorText(V(1, -2.5L, 0)), "(1/-2,5/0)");
    const auto texts = vectorComponentTexts(V(0.25L, 10, -3));
    EXPECT_EQ(texts[0], "0,25");
    EXPECT_EQ(texts[1], "10");
    EXPECT_EQ(texts[2], "-3");
}

TEST(RoundingAndTexts, AlignComponentTextsRightAligns) {
    const auto aligned = alignComponentTexts({"1", "-2,5", "10"});
    EXPECT_EQ(aligned[0], "   1");
    EXPECT_EQ(aligned[1], "-2,5");
    EXPECT_EQ(aligned[2], "  10");
    const auto same = alignComponentTexts({"ab", "cd", "ef"});
    EXPECT_EQ(same[0], "ab");
    // Width counts characters, not UTF-8 bytes.
    const auto wide = alignComponentTexts({"\u221A2", "ab", "x"});
    EXPECT_EQ(wide[0], "\u221A2");
    EXPECT_EQ(wide[2], " x");
}

TEST(ProjectToCoordinatePlane, ZeroesTheNamedComponentsAndKeepsTheRecord) {
    Vector3 v = V(1, 2, 3);
    v.name = "P";
    v.color = Colours::Green;
    v.coordinatePaths = true;
    const Vector3 xz = projectToCoordinatePlane("xz", v);
    expectVector(xz, 1, 0, 3);
    EXPECT_EQ(xz.name, "P");
    EXPECT_EQ(xz.color, Colours::Green);
    EXPECT_TRUE(xz.coordinatePaths);
    expectVector(projectToCoordinatePlane("XY", v), 1, 2, 0);
    expectVector(projectToCoordinatePlane("yZ", v), 0, 2, 3);
    expectVector(projectToCoordinatePlane("x", v), 1, 0, 0);
    expectVector(projectToCoordinatePlane("Y", v), 0, 2, 0);
    expectVector(projectToCoordinatePlane("z", v), 0, 0, 3);
    expectVector(projectToCoordinatePlane("xyz", v), 1, 2, 3);
    expectVector(projectToCoordinatePlane("", v), 1, 2, 3);
}

// The whole-number support point search rules candidates out on the strength
// of these two properties of isWholeNumber; should the number tools ever
// change them, the search would have to change too.
TEST(WholeNumberAssumptions, IsWholeNumberAcceptsOnlyNearWholeValuesInside32Bits) {
    EXPECT_TRUE(isWholeNumber(5 + 0.9E-14L));
    EXPECT_FALSE(isWholeNumber(5 + 1.01E-14L));
    EXPECT_FALSE(isWholeNumber(5 - 1.01E-14L));
    EXPECT_TRUE(isWholeNumber(2147483646.0L));
    EXPECT_FALSE(isWholeNumber(2147483648.0L));
    EXPECT_FALSE(isWholeNumber(-2147483648.0L));
    EXPECT_FALSE(isWholeNumber(1E12L));
    std::mt19937_64 rng(5);
    std::uniform_int_distribution<long long> whole(-2000000000LL, 2000000000LL);
    std::uniform_real_distribution<double> offset(1.0001e-14, 0.5);
    for (int i = 0; i < 3000; ++i) {
        const Real n = static_cast<Real>(whole(rng));
        const Real off = offset(rng);
        const Real x = n + off;
        if (std::fabs(x - n) < 1.0001E-14L) continue;
        ASSERT_FALSE(isWholeNumber(x)) << static_cast<double>(x);
    }
}
