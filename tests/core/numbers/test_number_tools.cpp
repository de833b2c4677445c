#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

#include "core/numbers/NumberReader.h"
#include "core/numbers/NumberTools.h"

namespace {

struct FractionCase {
    Real x;
    bool ok;
    std::int32_t p;
    std::int32_t q;
};

class ToFractionTable : public ::testing::TestWithParam<FractionCase> {};

TEST_P(ToFractionTable, GivesReducedFraction) {
    const FractionCase c = GetParam();
    const Fraction f = toFraction(c.x);
    ASSERT_EQ(f.ok, c.ok) << static_cast<double>(c.x);
    if (c.ok) {
        EXPECT_EQ(f.p, c.p);
        EXPECT_EQ(f.q, c.q);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ToFractionTable,
    ::testing::Values(FractionCase{0.75L, true, 3, 4}, FractionCase{-0.3333333333333333L, true, -1, 3},
                      FractionCase{2, true, 2, 1}, FractionCase{0, true, 0, 1},
                      FractionCase{25.0L / 3.0L, true, 25, 3}, FractionCase{0.1L, true, 1, 10},
                      FractionCase{1.0L / 7.0L, true, 1, 7}, FractionCase{-2.5L, true, -5, 2},
                      FractionCase{-4, true, -4, 1}, FractionCase{2147483647.0L, true, 2147483647, 1},
                      FractionCase{1.0L / 2147483646.0L, true, 1, 2147483646}));

TEST(ToFraction, SquareRootOfTwoGivesAConvergentWithin1E14) {
    const Real root2 = std::sqrt(2.0L);
    const Fraction f = toFraction(root2);
    ASSERT_TRUE(f.ok);
    EXPECT_LT(std::fabs(root2 - static_cast<Real>(f.p) / f.q), 1E-14L);
    EXPECT_GT(f.q, 1000000);
}

TEST(ToFraction, PiGivesItsConvergentWithin1E14) {
    const Fraction f = toFraction(std::numbers::pi_v<Real>);
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.p, 80143857);
    EXPECT_EQ(f.q, 25510582);
}

TEST(ToFraction, FailureLeavesZeroOverOne) {
    // 1/2 + 1E-12 needs a denominator of about 5E11.
    const Fraction f = toFraction(0.5L + 1E-12L);
    EXPECT_FALSE(f.ok);
    EXPECT_EQ(f.p, 0);
    EXPECT_EQ(f.q, 1);
}

TEST(ToFraction, OverflowOfThirtyTwoBitWholePartFails) {
    EXPECT_FALSE(toFraction(2147483648.0L).ok);
    EXPECT_FALSE(toFraction(-3E9L).ok);
    EXPECT_FALSE(toFraction(1E30L).ok);
    EXPECT_FALSE(toFraction(std::numeric_limits<Real>::max()).ok);
}

TEST(ToFraction, OverflowOfThirtyTwoBitConvergentFails) {
    // 1/3 + a tiny part: the continued fraction needs a denominator > 2^31.
    EXPECT_FALSE(toFraction(1.0L / 3.0L + 1E-12L).ok);
}

TEST(ToFraction, TriesAtMostTwentyOneConvergents) {
    // Ratios of Fibonacci numbers have all partial quotients 1, so each one
    // needs one convergent more than the one before: 28657/17711 is reached
    // with the 21st convergent, 46368/28657 would need a 22nd.
    const Fraction last = toFraction(28657.0L / 17711.0L);
    ASSERT_TRUE(last.ok);
    EXPECT_EQ(last.p, 28657);
    EXPECT_EQ(last.q, 17711);
    const Fraction tooLong = toFraction(46368.0L / 28657.0L);
    EXPECT_FALSE(tooLong.ok);
    EXPECT_EQ(tooLong.p, 0);
    EXPECT_EQ(tooLong.q, 1);
}

TEST(ToFraction, NonFiniteInputFails) {
    EXPECT_FALSE(toFraction(std::numeric_limits<Real>::infinity()).ok);
    EXPECT_FALSE(toFraction(std::numeric_limits<Real>::quiet_NaN()).ok);
}

TEST(ToFraction, PropertyFractionTimesDenominatorGivesValueBack) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::int32_t> numerators(-100000, 100000);
    std::uniform_int_distribution<std::int32_t> denominators(1, 3000);
    for (int i = 0; i < 20000; ++i) {
        const std::int32_t num = numerators(random);
        const std::int32_t den = denominators(random);
        const Real x = static_cast<Real>(num) / den;
        const Fraction f = toFraction(x);
        ASSERT_TRUE(f.ok) << num << "/" << den;
        ASSERT_GT(f.q, 0);
        EXPECT_LT(std::fabs(x * f.q - f.p), 1E-9L) << num << "/" << den;
        // Reduced: the same as num/den divided by their gcd.
        const std::int32_t g = gcd(std::abs(num), den);
        if (num != 0) {
            EXPECT_EQ(f.p, num / g);
            EXPECT_EQ(f.q, den / g);
        }
    }
}

TEST(IsWholeNumber, Examples) {
    EXPECT_FALSE(isWholeNumber(3.0000001L));
    EXPECT_TRUE(isWholeNumber(-4));
    EXPECT_TRUE(isWholeNumber(0));
    EXPECT_TRUE(isWholeNumber(2.9999999999999999L));
    EXPECT_FALSE(isWholeNumber(0.5L));
    EXPECT_FALSE(isWholeNumber(5E9L));
}

TEST(ReduceQuotient, ReducesAndLeavesAloneOnFailure) {
    Real a = 50, b = 6;
    EXPECT_TRUE(reduceQuotient(a, b));
    EXPECT_EQ(a, 25);
    EXPECT_EQ(b, 3);

    a = 2;
    b = 1;
    EXPECT_TRUE(reduceQuotient(a, b));
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);

    a = -9;
    b = 12;
    EXPECT_TRUE(reduceQuotient(a, b));
    EXPECT_EQ(a, -3);
    EXPECT_EQ(b, 4);

    a = 0.5L + 1E-12L;
    b = 1;
    EXPECT_FALSE(reduceQuotient(a, b));
    EXPECT_EQ(a, 0.5L + 1E-12L);
    EXPECT_EQ(b, 1);

    a = 1;
    b = 0;
    EXPECT_FALSE(reduceQuotient(a, b));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 0);
}

TEST(Gcd, SignsAndZeros) {
    EXPECT_EQ(gcd(0, 0), 0);
    EXPECT_EQ(gcd(0, 5), 5);
    EXPECT_EQ(gcd(5, 0), 5);
    EXPECT_EQ(gcd(-4, 6), 2);
    EXPECT_EQ(gcd(4, -6), 2);
    EXPECT_EQ(gcd(-4, -6), -2);
    EXPECT_EQ(gcd(12, 18), 6);
    EXPECT_EQ(gcd(17, 5), 1);
    EXPECT_EQ(gcd3(6, 9, 12), 3);
    EXPECT_EQ(gcd3(0, 0, 7), 7);
}

TEST(Gcd, ExtremeThirtyTwoBitValuesDoNotOverflow) {
    constexpr std::int32_t minInt = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(gcd(minInt, 6), 2);
    EXPECT_EQ(gcd(minInt, minInt), minInt);
    EXPECT_EQ(gcd(2147483647, 2147483646), 1);
}

TEST(Lcm, Examples) {
    EXPECT_EQ(lcm(4, 6), 12);
    EXPECT_EQ(lcm3(2, 3, 4), 12);
    EXPECT_EQ(lcm(1, 7), 7);
    EXPECT_EQ(lcm(0, 7), 0);
    EXPECT_EQ(lcm(-4, 6), -12);
    EXPECT_EQ(lcm(-4, -6), -12);
}

TEST(Lcm, ThirtyTwoBitOverflowIsDetectable) {
    const std::int64_t big = lcm(2147483647, 2147483646);
    EXPECT_EQ(big, 2147483647LL * 2147483646LL);
    EXPECT_FALSE(lcmFits32(big));
    EXPECT_TRUE(lcmFits32(lcm(65536, 3)));
    EXPECT_FALSE(lcmFits32(lcm(65536, 32769)));
    // Three large coprime values: beyond 64 bits, saturated, still detected.
    const std::int64_t huge = lcm3(2147483647, 2147483646, 2147483645);
    EXPECT_FALSE(lcmFits32(huge));
    EXPECT_GT(huge, 0);
}

TEST(DegToRad, RoundTripToTheLastBits) {
    // Four roundings in extended precision: a few units in the last place.
    EXPECT_NEAR(radToDeg(degToRad(30)), 30, 4 * 30 * std::numeric_limits<Real>::epsilon());
    EXPECT_EQ(radToDeg(degToRad(45)), 45);
    EXPECT_NE(degToRad(30), static_cast<Real>(30.0 * std::numbers::pi / 180.0));  // not computed in double
    EXPECT_EQ(degToRad(180), std::numbers::pi_v<Real>);
    EXPECT_EQ(radToDeg(std::numbers::pi_v<Real>), 180);
    for (int deg = -360; deg <= 360; deg += 5) EXPECT_NEAR(radToDeg(degToRad(deg)), deg, 1E-15L);
}

struct RoundCase {
    Real x;
    int d;
    Real expected;
};

TEST(RoundToDigits, TiesToEvenThroughDouble) {
    const RoundCase cases[] = {
        {2.0004L, 3, 2},       {0.5L, 0, 0},        {1.5L, 0, 2},       {2.5L, 0, 2},
        {-2.5L, 0, -2},        {45, 2, 45},         {0.125L, 2, 0.12},  {0.375L, 2, 0.38},
        {-0.0001L, 3, 0},      {1234.5678L, 1, 12346 * 0.1},  {-7.25L, 1, -72 * 0.1},
    };
    for (const RoundCase& c : cases)
        EXPECT_EQ(static_cast<double>(roundToDigits(c.x, c.d)), static_cast<double>(c.expected))
            << static_cast<double>(c.x) << " d=" << c.d;
}

TEST(RoundToDigits, ValuesBeyondTheDoubleRangeAreNotTurnedIntoInfinity) {
    const Real big = 1E400L;
    EXPECT_EQ(roundToDigits(big, 3), big);
    EXPECT_EQ(roundToDigits(-big, 3), -big);
    EXPECT_TRUE(std::isfinite(roundToDigits(std::numeric_limits<Real>::max(), 3)));
    EXPECT_EQ(roundToDigits(1E300L, 3), static_cast<Real>(1E300));
}

struct TextCase {
    Real x;
    const char* text;
};

class NumberTextTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTable, GeneralFormatWithDecimalComma) {
    EXPECT_EQ(numberText(GetParam().x), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, NumberTextTable,
    ::testing::Values(TextCase{0, "0"}, TextCase{-0.0L, "0"}, TextCase{2.5L, "2,5"}, TextCase{-0.333L, "-0,333"},
                      TextCase{1E-5L, "1E-5"}, TextCase{1.5E20L, "1,5E20"}, TextCase{1E300L, "1E300"},
                      TextCase{0.0001L, "0,0001"}, TextCase{0.00012345L, "0,00012345"},
                      TextCase{0.00009999L, "9,999E-5"}, TextCase{123456789012345.0L, "123456789012345"},
                      TextCase{1E15L, "1E15"}, TextCase{999999999999999.4L, "999999999999999"},
                      TextCase{999999999999999.6L, "1E15"}, TextCase{1234567.0L, "1234567"},
                      TextCase{100, "100"}, TextCase{-7, "-7"}, TextCase{1.0L / 3.0L, "0,333333333333333"},
                      TextCase{2.0L / 3.0L, "0,666666666666667"}, TextCase{-1.25E-7L, "-1,25E-7"},
                      TextCase{1E4000L, "1E4000"}, TextCase{0.1L, "0,1"}, TextCase{0.30000000000000004L, "0,3"}));

TEST(NumberText, NeverPrintsInfinityOrNaN) {
    EXPECT_EQ(numberText(std::numeric_limits<Real>::infinity()), kNonFiniteNumberText);
    EXPECT_EQ(numberText(-std::numeric_limits<Real>::infinity()), kNonFiniteNumberText);
    EXPECT_EQ(numberText(std::numeric_limits<Real>::quiet_NaN()), kNonFiniteNumberText);
}

TEST(NumberText, PropertyRoundTripsThroughTheNumberReader) {
    std::mt19937_64 random(777);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const Real x = static_cast<Real>(mantissa(random)) * std::pow(10.0L, exponent(random));
        const std::string text = numberText(x);
        const NumberReadResult back = parseNumberOrFraction(text);
        ASSERT_TRUE(back.ok) << text;
        EXPECT_LE(std::fabs(back.value - x), std::fabs(x) * 1E-14L) << text;
        EXPECT_EQ(numberText(back.value), text);
    }
}

TEST(RoundedText, Examples) {
    EXPECT_EQ(roundedText(3, 4.08248290463863L), "4,082");
    EXPECT_EQ(roundedText(3, 2.0004L), "2");
    EXPECT_EQ(roundedText(2, 45), "45");
    EXPECT_EQ(roundedText(3, -1.0005L), "-1");  // -1.0005 in double lies below the tie
    EXPECT_EQ(roundedText(3, 1E-4L), "0");
    EXPECT_EQ(roundedText(3, std::numeric_limits<Real>::quiet_NaN()), kNonFiniteNumberText);
}

TEST(SwapIntegers, Exchanges) {
    int a = 3, b = -8;
    swapIntegers(a, b);
    EXPECT_EQ(a, -8);
    EXPECT_EQ(b, 3);
}

}  // namespace
