#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "core/numbers/NumberReader.h"

namespace {

struct ReadCase {
    const char* text;
    Real value;
};

class ReadsNumber : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadsNumber, Value) {
    const NumberReadResult r = parseNumberOrFraction(GetParam().text);
    ASSERT_TRUE(r.ok) << GetParam().text << " failed at " << r.errorPosition;
    EXPECT_EQ(r.value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ReadsNumber,
    ::testing::Values(ReadCase{"2,5", 2.5L}, ReadCase{"2.5", 2.5L}, ReadCase{"3/4", 0.75L},
                      ReadCase{"-1/3", -1.0L / 3.0L}, ReadCase{"1e3", 1000}, ReadCase{"1E3", 1000},
                      ReadCase{"7/2", 3.5L}, ReadCase{" 5", 5}, ReadCase{".", 0}, ReadCase{"-.", 0},
                      ReadCase{"+4", 4}, ReadCase{"-0", 0}, ReadCase{",5", 0.5L}, ReadCase{"5.", 5},
                      ReadCase{"1,5E-3", 0.0015L}, ReadCase{"2e+2", 200}, ReadCase{"1/ 4", 0.25L},
                      ReadCase{"0,1", 0.1L}, ReadCase{"12345678901234567890", 12345678901234567890.0L},
                      ReadCase{"0.3333333333333333333333333", 0.3333333333333333333333333L},
                      ReadCase{"1E4000", 1E4000L}, ReadCase{"2,5/0,5", 5}));

struct FailCase {
    const char* text;
    int position;
};

class RejectsNumber : public ::testing::TestWithParam<FailCase> {};

TEST_P(RejectsNumber, AtPosition) {
    const NumberReadResult r = parseNumberOrFraction(GetParam().text);
    EXPECT_FALSE(r.ok) << GetParam().text;
    EXPECT_EQ(r.errorPosition, GetParam().position) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RejectsNumber,
    ::testing::Values(FailCase{"2/0", 3}, FailCase{"2/x", 3}, FailCase{"2x/3", 2}, FailCase{"", 1},
                      FailCase{"7/0", 3}, FailCase{"7/", 3}, FailCase{"5 ", 2}, FailCase{"1/2/3", 3},
                      FailCase{"-", 1}, FailCase{"  +", 3}, FailCase{"1.2.3", 4}, FailCase{"abc", 1},
                      FailCase{"1e", 2}, FailCase{"1e+", 3}, FailCase{"1ex", 3}, FailCase{"--1", 2},
                      FailCase{"e5", 1}, FailCase{"12/0,0", 4}, FailCase{"1 2", 2}, FailCase{"x/2", 1},
                      FailCase{"ä", 1}, FailCase{"2ä", 2}, FailCase{"äö/0", 4}));

TEST(ParseNumberOrFraction, DecimalPointIndependentOfTheUserLocale) {
    // The Qt layer installs the user's locale; a German LC_NUMERIC must not
    // change how '2.5' (after the comma was mapped) is converted.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale installed";
    const NumberReadResult r = parseNumberOrFraction("1,0000000000000000000000000001E-2");
    std::setlocale(LC_NUMERIC, saved.c_str());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value, 0.01L);
}

TEST(ParseNumberOrFraction, OutOfRangeExponentFailsAtTheExponent) {
    const char* texts[] = {"1E5000", "1e99999", "-1e99999999999999999999", "1E-5000"};
    for (const char* text : texts) {
        const NumberReadResult r = parseNumberOrFraction(text);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.errorPosition, text[0] == '-' ? 3 : 2) << text;
    }
}

TEST(ParseNumberOrFraction, OutOfRangeDigitRunFailsAtItsFirstDigit) {
    const std::string huge = "  " + std::string(6000, '9');
    const NumberReadResult r = parseNumberOrFraction(huge);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.errorPosition, 3);
}

TEST(ParseNumberOrFraction, OutOfRangeQuotientFailsAtPositionOne) {
    const NumberReadResult big = parseNumberOrFraction("1E4000/1E-4000");
    EXPECT_FALSE(big.ok);
    EXPECT_EQ(big.errorPosition, 1);
    const NumberReadResult tiny = parseNumberOrFraction("1E-4000/1E4000");
    EXPECT_FALSE(tiny.ok);
    EXPECT_EQ(tiny.errorPosition, 1);
}

TEST(ParseNumberOrFraction, NeverReturnsInfinityOrNaN) {
    const char* texts[] = {"inf", "nan", "INF", "1e4932", "1,2e4932", "-1e4933", "0x10", "1/1e-4940"};
    for (const char* text : texts) {
        const NumberReadResult r = parseNumberOrFraction(text);
        if (r.ok) {
            EXPECT_TRUE(std::isfinite(r.value)) << text;
        }
    }
    EXPECT_FALSE(parseNumberOrFraction("inf").ok);
    EXPECT_FALSE(parseNumberOrFraction("nan").ok);
}

TEST(ParseNumberOrFraction, HugeTextFinishesQuickly) {
    const std::string text(100000, '1');
    const NumberReadResult r = parseNumberOrFraction(text);
    EXPECT_FALSE(r.ok);  // 1E99999 is beyond the extended range
    const std::string fraction = "0," + std::string(100000, '5') + "/" + std::string(1000, '3');
    EXPECT_TRUE(parseNumberOrFraction(fraction).ok);
}

}  // namespace
